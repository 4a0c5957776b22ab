// The settings file as the controller and the processor read and write it.

#include "library/RevuDIAudioProcessor.h"
#include "support/ManualClock.h"
#include "support/ProcessorFixture.h"
#include "support/TestController.h"
#include "support/TestHelpers.h"

#include <gtest/gtest.h>

using namespace zr9;
using namespace zr9::test;

namespace
{
std::unique_ptr<RevuDIAudioProcessor> makeProcessor (const TempFolder& folder, std::shared_ptr<FakeMidiPorts> ports = {})
{
    return std::make_unique<RevuDIAudioProcessor> (processorOptions (
        folder, ports != nullptr ? ports : std::make_shared<FakeMidiPorts>(), std::make_shared<ManualClock>(), Files::kept));
}

void writeSettings (const TempFolder& folder, const std::string& text)
{
    const auto file = folder.libraryFile ("halvipZR9.dat");
    file.getParentDirectory().createDirectory();
    file.replaceWithText (text);
}

/** Writes the default settings with some entries changed. */
void writeSettings (const TempFolder& folder, std::initializer_list<std::pair<int, const char*>> changes)
{
    auto entries = SettingsList::defaults();
    for (const auto& [index, text] : changes)
        entries[(size_t) index] = text;
    writeSettings (folder, SettingsList::serialise (entries));
}
} // namespace

TEST (ControllerSettings, FirstStartWritesTheDefaultsAtOnceAndTheStartupMarkerAtShutdown)
{
    TempFolder folder;
    const auto file = folder.libraryFile ("halvipZR9.dat");
    {
        auto processor = makeProcessor (folder);
        ASSERT_TRUE (file.existsAsFile()) << "a missing settings file is written at once";
        const auto atStart = readSettingsEntries (file);
        ASSERT_EQ (atStart.size(), 50u);
        EXPECT_EQ (atStart[10], "0");

        auto& c = processor->controller();
        EXPECT_FALSE (c.settings().wasReset());
        EXPECT_EQ (c.settings().count(), 50);
        EXPECT_EQ (c.settings().entry (10), "333");
        EXPECT_EQ (c.settings().entry (17), "402");
        EXPECT_EQ (c.settings().entry (42), "1");
        EXPECT_EQ (c.midiChannel(), 1);
    }
    const auto atEnd = readSettingsEntries (file);
    ASSERT_EQ (atEnd.size(), 50u);
    EXPECT_EQ (atEnd[10], "333");
    EXPECT_EQ (atEnd[17], "402");

    // The next start reads the first 50 and keeps the option words now that the marker is there.
    writeSettings (folder, file.loadFileAsString().replace ("^|333|^^|0|^", "^|333|^^|5|^").toStdString());
    auto again = makeProcessor (folder);
    EXPECT_EQ (again->controller().settings().entry (11), "5");
    EXPECT_EQ (again->controller().settings().optionWord (0), 5);
    EXPECT_EQ (again->controller().settings().count(), 50);
}

TEST (ControllerSettings, ChannelOutsideOneToSixteenIsRewrittenAsOne)
{
    for (const char* stored : { "0", "17", "-3", "x" })
    {
        TempFolder folder;
        writeSettings (folder, { { 42, stored } });
        auto processor = makeProcessor (folder);
        EXPECT_EQ (processor->controller().settings().entry (42), "1") << stored;
        EXPECT_EQ (processor->controller().midiChannel(), 1);
    }

    TempFolder folder;
    writeSettings (folder, { { 42, "16" } });
    EXPECT_EQ (makeProcessor (folder)->controller().midiChannel(), 16);
}

TEST (ControllerSettings, UnusableFilesGiveDefaultsAndTheResetFlag)
{
    for (const std::string& text : { std::string(), std::string ("^|1|^^|2|^"), std::string ("\x01\x02\xfe\xff binary", 12), std::string ("^|1.0.4|^^|3") })
    {
        TempFolder folder;
        writeSettings (folder, text);
        auto processor = makeProcessor (folder);
        auto& c = processor->controller();
        EXPECT_TRUE (c.settings().wasReset());
        EXPECT_EQ (c.settings().entry (0), "1.0.4");
        EXPECT_EQ (c.settings().entry (1), "-1");
        EXPECT_FALSE (c.connection().isInputOpen());
    }
}

TEST (ControllerSettings, PortsOfTheSettingsAreOpenedAndNumbersBeyondTheListOpenNothing)
{
    {
        TempFolder folder;
        writeSettings (folder, { { 1, "2" }, { 2, "1" } });
        auto ports = std::make_shared<FakeMidiPorts> (2, 2);
        auto processor = makeProcessor (folder, ports);
        auto& c = processor->controller();
        EXPECT_TRUE (c.connection().isInputOpen());
        EXPECT_EQ (c.connection().inputPortNumber(), 2);
        EXPECT_EQ (ports->log->openedInputs, std::vector<int> { 1 });
        EXPECT_TRUE (c.connection().isOutputOpen());
        EXPECT_EQ (c.connection().outputPortNumber(), 1);
    }
    {
        TempFolder folder;
        writeSettings (folder, { { 1, "9" }, { 2, "3" } });
        auto ports = std::make_shared<FakeMidiPorts> (2, 2);
        auto processor = makeProcessor (folder, ports);
        auto& c = processor->controller();
        EXPECT_FALSE (c.connection().isInputOpen());
        EXPECT_EQ (c.connection().inputPortNumber(), 0);
        EXPECT_FALSE (c.connection().isOutputOpen());
        EXPECT_TRUE (ports->log->openedInputs.empty());
        EXPECT_EQ (c.settings().entry (1), "9") << "the chosen number is kept for the next start";
    }
}

TEST (ControllerSettings, ANonPersistentControllerLeavesTheDiskAlone)
{
    TempFolder folder;
    test::FakeMidiPorts ports;
    {
        TestController c (ports);
        EXPECT_EQ (c.controller.settings().entry (0), "1.0.4");
    }
    EXPECT_FALSE (folder.path().getChildFile ("Library").exists());
}
