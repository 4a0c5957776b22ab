#include "library/RevuDIAudioProcessor.h"
#include "model/ByteView.h"
#include "pages/mixer/ChMixerComp.h"
#include "support/HostEar.h"
#include "support/PointerEvents.h"
#include "support/ProcessorFixture.h"

#include <gtest/gtest.h>

#include <climits>

using namespace zr9;
using namespace zr9::test;

namespace
{
struct MixerFixture : ProcessorFixture
{
    MixerFixture()
    {
        controller().scan().stop(); // its timer would blur what the page's timers do
        controller().connection().openOutputPort (1);
        ports->log->clear();
    }
    ChMixerComp& page()
    {
        if (mixer == nullptr)
            mixer = std::make_unique<ChMixerComp> (processor->controller());
        return *mixer;
    }
    std::string programName (int number) { return controller().model().programBank().snapshot()->name (number); }
    std::unique_ptr<ChMixerComp> mixer;
};
} // namespace

TEST_F (MixerFixture, StripsStandInTheirPlacesWithTheirControlsBoundToTheirRows)
{
    auto& m = page();
    EXPECT_EQ (m.getWidth(), 944);
    EXPECT_EQ (m.getHeight(), 678);
    EXPECT_EQ (m.horizontalOffset(), 0);
    EXPECT_EQ (m.strip (15).getBounds(), juce::Rectangle<int> (915, 62, 58, 564));

    m.setSize (1200, 700);
    EXPECT_EQ (m.horizontalOffset(), 113);
    EXPECT_EQ (m.strip (0).getX(), 113);
    EXPECT_EQ (m.header().getBounds(), juce::Rectangle<int> (113, 0, 973, 62)) << "wide enough for channel 16";
    m.setSize (992, 710);
    EXPECT_EQ (m.strip (1).getX(), 61 + 9);
    m.setSize (600, 710);
    EXPECT_EQ (m.strip (0).getX(), 0) << "a narrow page has no offset";

    const auto& table = controller().live().table();
    for (int i : { 0, 6, 15 })
    {
        auto& s = m.strip (i);
        EXPECT_EQ (s.meter().getBounds(), juce::Rectangle<int> (8, 392, 5, 109));
        EXPECT_EQ (s.nameSlot().getBounds(), juce::Rectangle<int> (0, 547, 58, 16));
        for (int j = 0; j < mixer::controlCount; ++j)
        {
            const int row = 16 * i + j;
            auto& c = s.control (j);
            EXPECT_EQ (c.displayType(), table.info (row).displayCode) << row;
            EXPECT_EQ (c.value(), std::clamp (controller().getLiveValue (row), c.minimum(), c.maximum())) << row;
            EXPECT_EQ (c.getX() < 0, ! mixer::controls[(size_t) j].onStrip) << row;
        }
        EXPECT_EQ (s.control (9).getBounds(), juce::Rectangle<int> (2, 264, 54, 76));
        EXPECT_EQ (s.control (10).getBounds(), juce::Rectangle<int> (12, 370, 40, 180));
        EXPECT_EQ (s.control (13).getX(), -100);
    }
}

TEST_F (MixerFixture, MovingAControlSetsItsRowAndSendsIt)
{
    auto& pan = page().strip (4).control (LiveTable::slotPan);
    pan.slider()->setValue (-20.0, juce::sendNotificationSync);
    EXPECT_EQ (controller().getLiveValue (73), -20);
    EXPECT_EQ (pan.text(), "L: 20");

    const auto sent = ports->log->controllers();
    ASSERT_EQ (sent.size(), 8u) << "controller 10, then the seven controllers of the address";
    EXPECT_EQ (sent[0], (std::array<int, 3> { 5, 10, 43 }));
    const std::vector<std::array<int, 3>> address { { 5, 110, 1 }, { 5, 111, 0 }, { 5, 112, 1 }, { 5, 113, 0 },
                                                    { 5, 114, 22 }, { 5, 118, (8192 - 20) / 128 }, { 5, 119, (8192 - 20) % 128 } };
    const std::vector<std::array<int, 3>> afterPan (sent.begin() + 1, sent.end());
    EXPECT_EQ (afterPan, address);
    EXPECT_TRUE (page().takeEvents().empty()) << "only effect-chain choices post events";
}

TEST_F (MixerFixture, EachMoveOnAStripIsOneGestureOfItsHostParameter)
{
    auto& pan = page().strip (2).control (LiveTable::slotPan);
    auto& knob = *pan.slider();
    const int row = LiveTable::channelRow (2, LiveTable::slotPan);
    controller().setLiveValue (0, row, false);
    pan.refresh();
    HostEar host (*processor, { row });

    const auto middle = knob.getLocalBounds().getCentre().toFloat();
    knob.mouseDown (pointerEvent (knob, middle, middle));
    knob.mouseDrag (pointerEvent (knob, middle.translated (0.0f, -20.0f), middle));
    knob.mouseDrag (pointerEvent (knob, middle.translated (0.0f, -40.0f), middle));
    knob.mouseUp (pointerEvent (knob, middle.translated (0.0f, -40.0f), middle));
    EXPECT_EQ (host.text(), "(41 41=16 41=32 41)") << "a drag";

    host.heard.clear();
    pan.enterText ("L: 20");
    EXPECT_EQ (host.text(), "(41 41=-20 41)") << "a typed value";

    host.heard.clear();
    for (int i = 0; i < 3; ++i)
    {
        knob.mouseWheelMove (wheelEvent (knob, 10 * i), wheelNotch (-0.2f));
        clock->step (GskCont::wheelRunQuietMs / 2);
    }
    EXPECT_EQ (host.text(), "(41 41=-22 41=-24 41=-26") << "a wheel run, still going";
    clock->step (GskCont::wheelRunQuietMs / 2);
    EXPECT_EQ (host.text(), "(41 41=-22 41=-24 41=-26 41)") << "ended on the controller's clock";
    EXPECT_EQ (controller().getLiveValue (row), -26);
}

TEST_F (MixerFixture, ChoosingAnEffectChainQueuesItsEventAndBroadcasts)
{
    struct Counter final : juce::ChangeListener
    {
        void changeListenerCallback (juce::ChangeBroadcaster*) override { ++count; }
        int count = 0;
    } counter;
    page().addChangeListener (&counter);

    auto& aux1 = page().strip (2).control (LiveTable::slotAux1Chain);
    ASSERT_EQ (aux1.style(), GskStyle::chainChooser);
    aux1.slider()->setValue (aux1.value() + 1, juce::sendNotificationSync);
    EXPECT_EQ (controller().getLiveValue (2 * 16 + 3), aux1.value());
    EXPECT_EQ (controller().programs().effects (2).chains[ChannelEffects::aux1], aux1.value()) << "the effect selection follows";

    const auto events = page().takeEvents();
    ASSERT_EQ (events.size(), 1u);
    EXPECT_EQ (events[0], (0xC0000ull << 32) | ((2ull + 16 * 3) << 16));
    const auto choice = mixerevent::decode (events[0]);
    EXPECT_TRUE (choice.valid);
    EXPECT_EQ (choice.strip, 2);
    EXPECT_EQ (choice.slot, 3);
    EXPECT_FALSE (mixerevent::decode (0x0B000000ull << 32).valid);
    EXPECT_TRUE (runMessageLoopUntil ([&] { return counter.count == 1; }));
    page().removeChangeListener (&counter);
}

TEST_F (MixerFixture, AProgramShowsItsNumberAndNameInTheStripAndTheHeader)
{
    const int row = LiveTable::channelRow (2, LiveTable::slotProgram);
    controller().setLiveValue (7, row, false);
    page().refreshRow (row, 7);
    for (auto* slot : { &page().strip (2).nameSlot(), &page().header().nameSlot (2) })
    {
        EXPECT_EQ (slot->numberText(), "0007");
        const auto expected = NameSlot::splitName (programName (7));
        EXPECT_EQ (slot->lines().first, expected.first);
        EXPECT_EQ (slot->lines().second, expected.second);
    }
    EXPECT_FALSE (programName (7).empty());

    // A number without a record shows the number and no name, not the name of the program before.
    const auto bank = controller().model().programBank().snapshot();
    int missing = 1025;
    while (bank->exists (missing))
        ++missing;
    controller().setLiveValue (missing, row, false);
    page().refreshRow (row, missing);
    EXPECT_EQ (page().header().nameSlot (2).numberText(), juce::String (missing).paddedLeft ('0', 4));
    EXPECT_EQ (page().header().nameSlot (2).lines().first, "");
    EXPECT_EQ (page().strip (2).nameSlot().lines().first, "");
}

TEST_F (MixerFixture, RowsFromElsewhereAreShownHeldToTheControlsRanges)
{
    auto& s = page().strip (5);
    const auto row = [] (int slot) { return LiveTable::channelRow (5, slot); };
    page().refreshRow (row (LiveTable::slotPan), 236);
    EXPECT_EQ (s.control (LiveTable::slotPan).text(), "R: 64");
    page().refreshRow (row (LiveTable::slotLevel), -32768);
    EXPECT_EQ (s.control (LiveTable::slotLevel).value(), -96);
    page().refreshRow (row (LiveTable::slotInsertChain), 0);
    EXPECT_EQ (s.control (LiveTable::slotInsertChain).value(), 1);
    page().refreshRow (row (LiveTable::slotAux2Level), 90);
    EXPECT_EQ (s.control (LiveTable::slotAux2Level).text(), "-6 dB");
    page().refreshRow (row (LiveTable::slotMute), 1);
    EXPECT_TRUE (s.control (LiveTable::slotMute).button()->getToggleState());

    // Rows without a control on the page change nothing and never reach outside it.
    for (const int r : { row (14), row (15), -1, 256, 2305, INT_MAX, INT_MIN })
        page().refreshRow (r, 99);
    EXPECT_EQ (s.control (LiveTable::slotPan).text(), "R: 64");
    ports->log->clear();

    // A program arriving re-reads the strip's controls from the live table.
    controller().live().table().store (row (LiveTable::slotPan), -10);
    controller().live().table().store (row (LiveTable::slotAux1Level), 33);
    page().refreshRow (row (LiveTable::slotProgram), controller().getLiveValue (row (LiveTable::slotProgram)));
    EXPECT_EQ (s.control (LiveTable::slotPan).text(), "L: 10");
    EXPECT_EQ (s.control (LiveTable::slotAux1Level).text(), "33%");
    EXPECT_TRUE (ports->log->sent.empty()) << "showing sends nothing";
}

TEST_F (MixerFixture, AMeterFallsEightEvery60msToZeroAndThenStopsItsTimer)
{
    auto& m = page();
    EXPECT_EQ (clock->runningTimers(), 0) << "a page without notes runs no timer";

    auto& meter = m.strip (3).meter();
    m.showVelocity (3, 90);
    clock->step (30);
    m.showVelocity (3, 40);
    EXPECT_EQ (meter.level(), 90) << "a softer note does not lower the bar";
    std::vector<int> levels;
    for (int i = 0; i < 12; ++i)
    {
        clock->step (i == 0 ? 30 : 60);
        levels.push_back (meter.level());
    }
    EXPECT_EQ (levels, std::vector<int> ({ 82, 74, 66, 58, 50, 42, 34, 26, 18, 10, 0, 0 }));
    EXPECT_FALSE (meter.isDecaying());
    EXPECT_EQ (clock->runningTimers(), 0);

    // Soft notes played while the bar falls do not hold it up at the loud one.
    m.showVelocity (3, 100);
    for (int i = 0; i < 10; ++i)
    {
        clock->step (50);
        m.showVelocity (3, 40);
    }
    EXPECT_EQ (meter.level(), 40);

    m.showVelocity (3, 500);
    EXPECT_EQ (meter.level(), 127);
    EXPECT_EQ (meter.litHeight(), 106);
    m.showVelocity (16, 90);
    m.showVelocity (-1, 90);
    EXPECT_EQ (m.strip (0).meter().level(), 0);
}

TEST_F (MixerFixture, PaintsSixteenStripsWithTheirTexts)
{
    auto& m = page();
    m.setSize (992, 710);
    m.showVelocity (0, 127);
    juce::Image image (juce::Image::ARGB, m.getWidth(), m.getHeight(), true);
    {
        juce::Graphics g (image);
        m.paintEntireComponent (g, false);
    }
    const juce::Colour background (0xff5b5b5b);
    EXPECT_EQ (image.getPixelAt (5, 300), background) << "left of the first strip";
    EXPECT_NE (image.getPixelAt (9 + 30, 300), background) << "a strip panel";

    const auto hasInk = [&] (juce::Rectangle<int> r, juce::Colour around)
    {
        for (int y = r.getY(); y < r.getBottom(); ++y)
            for (int x = r.getX(); x < r.getRight(); ++x)
                if (image.getPixelAt (x, y).getBrightness() > around.getBrightness() + 0.3f)
                    return true;
        return false;
    };
    for (int i = 0; i < 16; ++i)
    {
        const int x = 9 + 61 * i;
        EXPECT_TRUE (hasInk ({ x, 2, 29, 14 }, background)) << "the label of channel " << i + 1;
        EXPECT_TRUE (hasInk ({ x + 30, 2, 20, 14 }, background)) << "the label of channel " << i + 1 << ", whole";
        EXPECT_TRUE (hasInk ({ x + 2, 62 + 264 + 62, 54, 14 }, juce::Colours::black)) << "the pan text of strip " << i;
    }
    // The first strip's meter is lit at the bottom and dark at the top.
    const auto lit = image.getPixelAt (9 + 10, 62 + 392 + 100);
    const auto dark = image.getPixelAt (9 + 10, 62 + 392 + 1);
    EXPECT_GT (lit.getBrightness(), dark.getBrightness() + 0.2f);
}
