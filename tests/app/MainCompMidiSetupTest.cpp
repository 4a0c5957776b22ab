#include "app/MainComp.h"
#include "library/SettingsFile.h"
#include "support/ProcessorFixture.h"

using namespace zr9;
using namespace zr9::test;

namespace
{
const std::vector<juce::uint8> identityRequest { 0xF0, 0x7E, 0x7F, 0x06, 0x01, 0xF7 };

struct MidiSetupFixture : ProcessorFixture
{
    MidiSetupFixture() : ProcessorFixture (2, 3) {}

    size_t identityRequests() const
    {
        const auto all = ports->log->sysEx();
        return (size_t) std::count (all.begin(), all.end(), identityRequest);
    }
};

struct MidiSetupWithoutDevices : ProcessorFixture
{
    MidiSetupWithoutDevices() : ProcessorFixture (0, 0) {}
};
} // namespace

TEST_F (MidiSetupFixture, MidiButtonOpensTheSetupPanelAndAnyBarButtonThenOnlyClosesIt)
{
    MainComp main (*processor);
    main.gskButtonPressed (AppBar::buttonMidi);
    ASSERT_TRUE (main.isMidiSetupShown());
    EXPECT_EQ (main.midiSetupPanel()->getPosition(), juce::Point<int> (0, 64));
    EXPECT_EQ (main.midiSetupPanel()->inputList().size(), 3);
    EXPECT_EQ (main.midiSetupPanel()->outputList().size(), 4);
    EXPECT_EQ (main.midiSetupPanel()->statusText(), "OFF-LINE");

    main.gskButtonPressed (AppBar::buttonKeys);
    EXPECT_FALSE (main.isMidiSetupShown());
    EXPECT_FALSE (controller().editorMemory().isKeyboardOpen()) << "the press only closed the panel";
}

TEST_F (MidiSetupFixture, PickingPortsOpensThemRemembersThemAndChecksTheIdentity)
{
    MainComp main (*processor);
    main.setScanMode (false);
    main.pageCommand (pagecommand::midiSetup, 1);
    auto* panel = main.midiSetupPanel();

    auto before = identityRequests();
    panel->menuChosen (MIDI_Setup::Zone::input, 3);
    EXPECT_EQ (controller().connection().inputPortNumber(), 2);
    EXPECT_EQ (controller().settings().text (Setting::inputPort), "2");
    EXPECT_EQ (panel->shownInput(), 2);
    EXPECT_TRUE (panel->inputLamp());

    panel->menuChosen (MIDI_Setup::Zone::output, 4);
    EXPECT_EQ (controller().connection().outputPortNumber(), 3);
    EXPECT_EQ (controller().settings().text (Setting::outputPort), "3");
    EXPECT_TRUE (panel->outputLamp());
    EXPECT_EQ (identityRequests(), before + 1) << "the request after the input pick had no open output yet";

    // "NONE" for the output closes it and remembers 0; the request then goes nowhere.
    before = identityRequests();
    panel->menuChosen (MIDI_Setup::Zone::output, 1);
    EXPECT_FALSE (controller().connection().isOutputOpen());
    EXPECT_EQ (controller().settings().text (Setting::outputPort), "0");
    EXPECT_FALSE (panel->outputLamp());
    EXPECT_EQ (identityRequests(), before);
    EXPECT_FALSE (controller().connection().isConnected());
}

TEST_F (MidiSetupFixture, OkClosesThePanelAndAsksAgainWhileTransferButtonsCloseAndKeepTheChoice)
{
    MainComp main (*processor);
    main.setScanMode (false);
    controller().connection().openOutputPort (1);
    main.pageCommand (pagecommand::midiSetup, 1);
    const auto before = identityRequests();
    main.midiSetupCommand (MIDI_Setup::codeOk, 0);
    EXPECT_FALSE (main.isMidiSetupShown());
    EXPECT_EQ (identityRequests(), before + 1);

    main.pageCommand (pagecommand::midiSetup, 1);
    main.midiSetupCommand (MIDI_Setup::codeReceive, 0);
    EXPECT_FALSE (main.isMidiSetupShown());

    main.midiSetupCommand (MIDI_Setup::codeOption, 1);
    EXPECT_TRUE (controller().settings().deviceOption());
    EXPECT_EQ (controller().settings().entry (43), "1");
    main.midiSetupCommand (MIDI_Setup::codeOption, 7);
    EXPECT_FALSE (controller().settings().deviceOption());
    EXPECT_EQ (controller().settings().entry (43), "0");
}

TEST_F (MidiSetupFixture, TheStatusLineReachesTheSetupPanelWhileItShows)
{
    MainComp main (*processor);
    main.setScanMode (false);
    main.pageCommand (pagecommand::midiSetup, 1);
    controller().connection().identityReplied ({ true, "HALVORN ZR9", false });
    main.stateCode (statecode::onLine);
    EXPECT_EQ (main.midiSetupPanel()->statusText(), "HALVORN ZR9: ON-LINE");
    EXPECT_EQ (main.footer().statusText(), "HALVORN ZR9: ON-LINE");
    main.stateCode (statecode::offLine);
    EXPECT_EQ (main.midiSetupPanel()->statusText(), "OFF-LINE");
}

TEST_F (MidiSetupFixture, RestartingTheScanReplacesThePanelAndAClickEndsScanMode)
{
    MainComp main (*processor);
    auto* first = main.scanPanel();
    ASSERT_NE (first, nullptr);
    main.midiSetupCommand (MIDI_Setup::codeRestartScan, 0);
    ASSERT_NE (main.scanPanel(), nullptr);
    EXPECT_TRUE (main.scanPanel()->isRunning());
    EXPECT_TRUE (controller().connection().isScanMode());

    main.scanPanel()->mouseDown (mouseEventOn (*main.scanPanel()));
    EXPECT_EQ (main.scanPanel(), nullptr);
    EXPECT_FALSE (controller().connection().isScanMode());
}

TEST_F (MidiSetupFixture, AnInstrumentFoundByTheScanClosesThePanel)
{
    MainComp main (*processor);
    ASSERT_NE (main.scanPanel(), nullptr);
    controller().connection().identityReplied ({ true, "HALVORN ZR9", false });
    clock->step (PortScan::tickMs);
    EXPECT_EQ (main.scanPanel(), nullptr);
    EXPECT_FALSE (controller().connection().isScanMode());
}

TEST_F (MidiSetupWithoutDevices, WithoutDevicesTheScanSaysNotConnectedUntilClicked)
{
    MainComp main (*processor);
    ASSERT_NE (main.scanPanel(), nullptr);
    clock->step (PortScan::tickMs);
    EXPECT_TRUE (main.scanPanel()->isNotFound());
    EXPECT_EQ (main.scanPanel()->getBounds(), juce::Rectangle<int> (214, 79, 600, 100));
    clock->step (300);
    ASSERT_NE (main.scanPanel(), nullptr) << "the face stays until the user clicks";

    juce::Image image (juce::Image::ARGB, 600, 100, true);
    juce::Graphics g (image);
    main.scanPanel()->paint (g);
    int lit = 0;
    for (int x = 10; x < 200; ++x)
        lit += image.getPixelAt (x, 24).getBrightness() > 0.5f ? 1 : 0;
    EXPECT_GT (lit, 10) << "the heading is drawn";

    main.scanPanel()->mouseDown (mouseEventOn (*main.scanPanel()));
    EXPECT_EQ (main.scanPanel(), nullptr);
    EXPECT_FALSE (controller().connection().isScanMode());
}

TEST_F (MidiSetupFixture, AWindowClosedDuringTheScanLeavesTheScanRunningAndTheNextWindowShowsIt)
{
    // A host closes and opens the editor at will: the scan is the controller's.
    {
        MainComp first (*processor);
        ASSERT_NE (first.scanPanel(), nullptr);
        clock->step (3 * PortScan::tickMs);
    }
    EXPECT_TRUE (controller().connection().isScanMode()) << "closing the window does not end the scan";
    EXPECT_EQ (controller().scan().state(), PortScan::State::running);
    clock->step (PortScan::tickMs);
    EXPECT_EQ (controller().scan().inputPosition(), 1) << "and the scan goes on without a window";

    MainComp second (*processor);
    ASSERT_NE (second.scanPanel(), nullptr) << "the new window shows the scan where it stands";
    EXPECT_TRUE (second.scanPanel()->isRunning());
    EXPECT_TRUE (controller().connection().isScanMode());

    controller().connection().identityReplied ({ true, "HALVORN ZR9", false });
    clock->step (PortScan::tickMs);
    EXPECT_EQ (second.scanPanel(), nullptr);
    EXPECT_FALSE (controller().connection().isScanMode());
    EXPECT_TRUE (controller().connection().isConnected());
    second.deliverNotifications();
    EXPECT_EQ (second.footer().statusText(), "HALVORN ZR9: ON-LINE");
}

TEST (MidiSetupHostSwitch, OnlyAPlugInShowsTheSwitchAndItIsKeptInTheSettings)
{
    TempFolder folder;
    const auto clock = std::make_shared<ManualClock>();
    {
        auto standAlone = makeTestProcessor (folder, std::make_shared<FakeMidiPorts>(), clock);
        MainComp main (*standAlone);
        main.pageCommand (pagecommand::midiSetup, 1);
        EXPECT_FALSE (main.midiSetupPanel()->isHostMidiSwitchShown()) << "the stand-alone program has no host";
    }

    auto options = processorOptions (folder, std::make_shared<FakeMidiPorts>(), clock, Files::kept);
    options.plugIn = true;
    {
        RevuDIAudioProcessor plugIn (options);
        MainComp main (plugIn);
        main.pageCommand (pagecommand::midiSetup, 1);
        auto* panel = main.midiSetupPanel();
        ASSERT_TRUE (panel->isHostMidiSwitchShown());
        EXPECT_TRUE (panel->hostMidiSwitch().getToggleState()) << "on unless switched off";
        EXPECT_TRUE (plugIn.controller().settings().passesHostMidi());

        panel->hostMidiSwitch().triggerClick();
        runMessageLoopFor (50);
        EXPECT_FALSE (panel->hostMidiSwitch().getToggleState());
        EXPECT_FALSE (plugIn.controller().settings().passesHostMidi());
        EXPECT_EQ (readSettingsEntries (folder.libraryFile (SettingsFile::fileName))[19], "1") << "written at once";
    }

    RevuDIAudioProcessor next (options);
    EXPECT_FALSE (next.controller().settings().passesHostMidi()) << "the next instance keeps it off";
    MainComp main (next);
    main.pageCommand (pagecommand::midiSetup, 1);
    EXPECT_FALSE (main.midiSetupPanel()->hostMidiSwitch().getToggleState());
}
