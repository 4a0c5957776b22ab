#include "app/CommandLine.h"

#include <gtest/gtest.h>

using namespace zr9;

TEST (CommandLine, DocumentsFolderAndEmulatorAreUnderstood)
{
    const auto o = parseCommandLine ({ "--emulator", "--documents", "/tmp/zr9 docs", "--what" });
    EXPECT_TRUE (o.emulator);
    EXPECT_EQ (o.documents, juce::File ("/tmp/zr9 docs"));
    EXPECT_EQ (o.unknown, juce::StringArray ("--what"));

    const auto relative = parseCommandLine ({ "--documents=here" });
    EXPECT_EQ (relative.documents, juce::File::getCurrentWorkingDirectory().getChildFile ("here"));
    EXPECT_FALSE (relative.emulator);

    const auto cable = parseCommandLine ({ "--emulator-cable" });
    EXPECT_TRUE (cable.emulator && cable.emulatorCable) << "a paced emulator is still the emulator";

    const auto none = parseCommandLine ({ "--documents" });
    EXPECT_EQ (none.documents, juce::File()) << "a missing folder name leaves the default";
}
