#include "pages/midisetup/MidiSetupPanel.h"
#include "support/TestHelpers.h"

#include <gtest/gtest.h>

using namespace zr9;
using zr9::test::runMessageLoopFor;

namespace
{
struct RecordingListener : MIDI_SetupListener
{
    void midiSetupCommand (int code, int value) override { commands.push_back ({ code, value }); }
    std::vector<std::pair<int, int>> commands;
};
} // namespace

TEST (MidiSetupPanel, HasItsElementsWhereTheyBelongWithPollHidden)
{
    MIDI_Setup panel;
    EXPECT_EQ (panel.statusText(), "------");
    EXPECT_EQ (panel.okButton().getBounds(), juce::Rectangle<int> (684, 480, 100, 36));
    EXPECT_EQ (panel.okButton().number(), 1111);
    EXPECT_EQ (panel.receiveButton().getBounds(), juce::Rectangle<int> (234, 480, 140, 36));
    EXPECT_EQ (panel.transmitButton().getBounds(), juce::Rectangle<int> (394, 480, 140, 36));
    EXPECT_FALSE (panel.pollButton().isVisible());
    panel.setSize (1024, 700);
    panel.setVisible (true);
    EXPECT_FALSE (panel.pollButton().isVisible()) << "stays hidden when the panel shows";
}

TEST (MidiSetupPanel, ButtonsThatShareAnIdStillReportTheirOwnCodes)
{
    MIDI_Setup panel;
    RecordingListener listener;
    panel.addListener (&listener);
    panel.okButton().triggerClick();
    panel.receiveButton().triggerClick();
    panel.transmitButton().triggerClick();
    panel.pollButton().triggerClick();
    // triggerClick delivers asynchronously.
    runMessageLoopFor (50);
    const std::vector<std::pair<int, int>> expected { { 203, 0 }, { 2012, 0 }, { 2013, 0 }, { 201, 0 } };
    EXPECT_EQ (listener.commands, expected);

    panel.removeListener (&listener);
    panel.okButton().triggerClick();
    runMessageLoopFor (20);
    EXPECT_EQ (listener.commands.size(), 4u);
}

TEST (MidiSetupPanel, ClickZonesSelectTheirMenusUpToTheirBorders)
{
    using Zone = MIDI_Setup::Zone;
    EXPECT_EQ (MIDI_Setup::zoneAt ({ 235, 221 }), Zone::input);
    EXPECT_EQ (MIDI_Setup::zoneAt ({ 783, 259 }), Zone::input);
    EXPECT_EQ (MIDI_Setup::zoneAt ({ 234, 240 }), Zone::none);
    EXPECT_EQ (MIDI_Setup::zoneAt ({ 784, 240 }), Zone::none);
    EXPECT_EQ (MIDI_Setup::zoneAt ({ 500, 220 }), Zone::none);
    EXPECT_EQ (MIDI_Setup::zoneAt ({ 500, 260 }), Zone::none);
    EXPECT_EQ (MIDI_Setup::zoneAt ({ 500, 311 }), Zone::output);
    EXPECT_EQ (MIDI_Setup::zoneAt ({ 500, 349 }), Zone::output);
    EXPECT_EQ (MIDI_Setup::zoneAt ({ 500, 350 }), Zone::none);
    EXPECT_EQ (MIDI_Setup::zoneAt ({ 500, 401 }), Zone::inputLower);
    EXPECT_EQ (MIDI_Setup::zoneAt ({ 500, 439 }), Zone::inputLower);
}

TEST (MidiSetupPanel, AMenuChoicePostsThePortNumberAndADismissedMenuNothing)
{
    MIDI_Setup panel;
    panel.setPortNames ({ "Keys In", "Other In" }, { "Keys Out" });
    EXPECT_EQ (panel.inputList(), juce::StringArray ({ "NONE", "Keys In", "Other In" }));
    EXPECT_EQ (panel.outputList(), juce::StringArray ({ "NONE", "Keys Out" }));

    RecordingListener listener;
    panel.addListener (&listener);
    panel.menuChosen (MIDI_Setup::Zone::input, 0);
    panel.menuChosen (MIDI_Setup::Zone::input, 3);
    panel.menuChosen (MIDI_Setup::Zone::inputLower, 2);
    panel.menuChosen (MIDI_Setup::Zone::output, 1);
    const std::vector<std::pair<int, int>> expected { { 300, 2 }, { 301, 1 }, { 302, 0 } };
    EXPECT_EQ (listener.commands, expected);
}

TEST (MidiSetupPanel, PaintsThePortNamesItShows)
{
    MIDI_Setup panel;
    panel.setSize (1024, 700);
    panel.setPortNames ({ "Keys In" }, { "Keys Out" });
    panel.showInput (1, true);
    panel.showOutput (5, false);

    juce::Image image (juce::Image::ARGB, 1024, 700, true);
    juce::Graphics g (image);
    panel.paint (g);
    // The open input's lamp is lit, the missing output's lamp is not.
    const auto inputLamp = image.getPixelAt (760, 238);
    const auto outputLamp = image.getPixelAt (760, 328);
    EXPECT_GT (inputLamp.getGreen(), 150);
    EXPECT_LT (outputLamp.getGreen(), 100);
}

TEST (MidiSetupPanel, TheHostMidiSwitchShowsOnlyWhenAskedAndReportsEachClick)
{
    MIDI_Setup panel;
    RecordingListener listener;
    panel.addListener (&listener);
    EXPECT_FALSE (panel.isHostMidiSwitchShown());

    panel.showHostMidiSwitch (true);
    ASSERT_TRUE (panel.isHostMidiSwitchShown());
    EXPECT_TRUE (panel.hostMidiSwitch().getToggleState());
    EXPECT_FALSE (panel.hostMidiSwitch().getBounds().intersects (juce::Rectangle<int> (235, 401, 549, 39))) << "clear of the lower input zone";
    panel.hostMidiSwitch().triggerClick();
    runMessageLoopFor (50);
    panel.hostMidiSwitch().triggerClick();
    runMessageLoopFor (50);
    EXPECT_EQ (listener.commands, (std::vector<std::pair<int, int>> { { MIDI_Setup::codeHostMidiPassed, 0 }, { MIDI_Setup::codeHostMidiPassed, 1 } }));
    panel.removeListener (&listener);
}
