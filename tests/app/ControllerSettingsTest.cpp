// The settings file as the controller and the processor read and write it.

#include "library/RevuDIAudioProcessor.h"
#include "support/TestHelpers.h"

#include <gtest/gtest.h>

using namespace zr9;
using namespace zr9::test;

namespace
{
std::unique_ptr<RevuDIAudioProcessor> makeProcessor (const TempFolder& folder, std::shared_ptr<FakeMidiPorts> ports = {})
{
    ProcessorOptions options;
    options.documentsBase = folder.path();
    options.ports = ports != nullptr ? ports : std::make_shared<FakeMidiPorts>();
    return std::make_unique<RevuDIAudioProcessor> (options);
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
        EXPECT_FALSE (c.flags.settingsReset);
        EXPECT_EQ (c.settingsCount(), 82) << "32 further entries follow the 50 while the program runs";
        EXPECT_EQ (c.getSetting (10), "333");
        EXPECT_EQ (c.getSetting (17), "402");
        EXPECT_EQ (c.getSetting (42), "1");
        EXPECT_EQ (c.midiChannel(), 1);
    }
    const auto atEnd = readSettingsEntries (file);
    ASSERT_EQ (atEnd.size(), 82u);
    EXPECT_EQ (atEnd[10], "333");
    EXPECT_EQ (atEnd[17], "402");

    // The next start reads the first 50 and keeps the option words now that the marker is there.
    writeSettings (folder, file.loadFileAsString().replace ("^|333|^^|0|^", "^|333|^^|5|^").toStdString());
    auto again = makeProcessor (folder);
    EXPECT_EQ (again->controller().getSetting (11), "5");
    EXPECT_EQ (again->controller().optionWord (0), 5);
    EXPECT_EQ (again->controller().settingsCount(), 82);
}

TEST (ControllerSettings, ChannelOutsideOneToSixteenIsRewrittenAsOne)
{
    for (const char* stored : { "0", "17", "-3", "x" })
    {
        TempFolder folder;
        writeSettings (folder, { { 42, stored } });
        auto processor = makeProcessor (folder);
        EXPECT_EQ (processor->controller().getSetting (42), "1") << stored;
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
        EXPECT_TRUE (c.flags.settingsReset);
        EXPECT_EQ (c.getSetting (0), "1.0.4");
        EXPECT_EQ (c.getSetting (1), "-1");
        EXPECT_FALSE (c.isInputOpen());
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
        EXPECT_TRUE (c.isInputOpen());
        EXPECT_EQ (c.inputPortNumber(), 2);
        EXPECT_EQ (ports->log->openedInputs, std::vector<int> { 1 });
        EXPECT_TRUE (c.outputControl()->isOpen());
        EXPECT_EQ (c.outputControl()->portNumber(), 1);
    }
    {
        TempFolder folder;
        writeSettings (folder, { { 1, "9" }, { 2, "3" } });
        auto ports = std::make_shared<FakeMidiPorts> (2, 2);
        auto processor = makeProcessor (folder, ports);
        auto& c = processor->controller();
        EXPECT_FALSE (c.isInputOpen());
        EXPECT_EQ (c.inputPortNumber(), 0);
        EXPECT_FALSE (c.outputControl()->isOpen());
        EXPECT_TRUE (ports->log->openedInputs.empty());
        EXPECT_EQ (c.getSetting (1), "9") << "the chosen number is kept for the next start";
    }
}

TEST (ControllerSettings, ANonPersistentControllerLeavesTheDiskAlone)
{
    TempFolder folder;
    test::FakeMidiPorts ports;
    {
        MidiCntrState c (ports, LibraryFolder (folder.path()), false);
        EXPECT_EQ (c.getSetting (0), "1.0.4");
    }
    EXPECT_FALSE (folder.path().getChildFile ("Library").exists());
}
