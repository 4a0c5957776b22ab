#include "library/RevuDIAudioProcessor.h"
#include "pages/controls/ControlsComp.h"
#include "support/HostEar.h"
#include "support/PointerEvents.h"
#include "support/ProcessorFixture.h"

#include <gtest/gtest.h>

using namespace zr9;
using namespace zr9::test;

namespace
{
struct ControlsPage : ProcessorFixture
{
    ControlsPage()
    {
        controller().scan().stop();
        controller().connection().openOutputPort (1);
        controller().notes().selectChannel (4);
        ports->log->clear();
        page.setSize (992, 710);
        page.setVisible (true); // a page takes the controller's channel as it is shown
    }
    ControlsComp page { processor->controller() };
};
} // namespace

TEST_F (ControlsPage, TheChannelsControllersStandNamedInRowsOfSixteen)
{
    EXPECT_EQ (page.channel(), 3);
    EXPECT_EQ (page.control (7).caption(), "Volume");
    EXPECT_EQ (page.control (64).caption(), "Sustain");
    EXPECT_EQ (page.control (3).caption(), "MIDI 3");
    EXPECT_EQ (page.control (127).caption(), "Mono OFF");
    EXPECT_EQ (page.control (0).getY(), page.control (15).getY());
    EXPECT_LT (page.control (15).getY(), page.control (16).getY());
    EXPECT_LE (page.control (127).getBottom(), 710);
    EXPECT_GT (page.control (15).getX(), 900);
}

TEST_F (ControlsPage, MovingAControlSendsItsControllerOnTheChannelAndItsRowFollows)
{
    page.control (7).slider()->setValue (90, juce::sendNotificationSync);
    EXPECT_EQ (controller().getLiveValue (LiveTable::controllerRow (3, 7)), 90);
    EXPECT_EQ (ports->log->controllers(), (std::vector<std::array<int, 3>> { { 4, 7, 90 } }));

    page.refreshRow (LiveTable::controllerRow (3, 11), 64);
    EXPECT_EQ (page.control (11).value(), 64);
    page.refreshRow (LiveTable::controllerRow (2, 11), 5);
    page.refreshRow (LiveTable::controllerRow (4, 11), 5);
    page.refreshRow (-1, 5);
    page.refreshRow (99999, 5);
    EXPECT_EQ (page.control (11).value(), 64) << "rows of other channels are not this page's";

    page.refreshRow (LiveTable::controllerRow (3, 1), 100);
    EXPECT_EQ (page.modulationDisplay().value(), 100);
}

TEST_F (ControlsPage, AnotherChannelBindsEveryControlToItsRowsAndWheels)
{
    controller().setLiveValue (33, LiveTable::controllerRow (9, 74), false);
    page.showPitchWheel (9, 12000);
    page.showPitchWheel (3, 100);
    EXPECT_EQ (page.pitchDisplay().text(), "-8092");

    page.channelChooser().setSelectedId (10, juce::sendNotificationSync);
    EXPECT_EQ (controller().midiChannel(), 10);
    EXPECT_EQ (page.channel(), 9);
    EXPECT_EQ (page.control (74).value(), 33);
    EXPECT_EQ (page.pitchDisplay().text(), "+3808") << "the channel's last pitch wheel";

    ports->log->clear();
    page.control (74).slider()->setValue (34, juce::sendNotificationSync);
    EXPECT_EQ (ports->log->controllers(), (std::vector<std::array<int, 3>> { { 10, 74, 34 } }));
    page.showModulation (3, 90);
    EXPECT_EQ (page.modulationDisplay().value(), 0);
    page.showPitchWheel (16, 0);
    page.showPitchWheel (-1, 0);
    EXPECT_EQ (page.pitchDisplay().text(), "+3808");
}

TEST_F (ControlsPage, AWheelRunOutlivingAChannelChangeEndsOnItsRowAndBeginsOnTheNext)
{
    const int before = LiveTable::controllerRow (3, 74), after = LiveTable::controllerRow (9, 74);
    HostEar host (*processor, { before, after });
    auto& knob = *page.control (74).slider();
    knob.mouseWheelMove (wheelEvent (knob, 1), wheelNotch (0.2f));
    page.channelChooser().setSelectedId (10, juce::sendNotificationSync);
    knob.mouseWheelMove (wheelEvent (knob, 2), wheelNotch (0.2f));
    clock->step (GskCont::wheelRunQuietMs);
    const auto r1 = std::to_string (before), r2 = std::to_string (after);
    EXPECT_EQ (host.text(), "(" + r1 + " " + r1 + "=2 " + r1 + ") (" + r2 + " " + r2 + "=2 " + r2 + ")");
    EXPECT_EQ (ports->log->controllers(), (std::vector<std::array<int, 3>> { { 4, 74, 2 }, { 10, 74, 2 } }));
}
