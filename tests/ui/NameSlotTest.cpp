#include "support/TestHelpers.h"
#include "ui/NameSlot.h"

#include <gtest/gtest.h>

using namespace zr9;

TEST (NameSlot, NamesSplitIntoTwoLines)
{
    auto lines = NameSlot::splitName ("Dyn 9ft Grand       ");
    EXPECT_EQ (lines.first, "Dyn 9ft");
    EXPECT_EQ (lines.second, "Grand      ");

    lines = NameSlot::splitName ("EP & E-Bass");
    EXPECT_EQ (lines.first, "EP &");
    EXPECT_EQ (lines.second, "E-Bas");

    lines = NameSlot::splitName ("Metallicscape Pad   ");
    EXPECT_EQ (lines.first, "Metallicscape") << "a first blank beyond position 4 is the cut";
    EXPECT_EQ (lines.second, "Pad  ");

    lines = NameSlot::splitName ("Arp Cascade");
    EXPECT_EQ (lines.first, "Arp");
    EXPECT_EQ (lines.second, "Cascad") << "an early blank without a second one is the cut";

    lines = NameSlot::splitName ("Short Pad");
    EXPECT_EQ (lines.first, "Short Pad");
    EXPECT_EQ (lines.second, "");

    lines = NameSlot::splitName ("Soundboard");
    EXPECT_EQ (lines.first, "Soundboard");
    EXPECT_EQ (lines.second, "");

    EXPECT_EQ (NameSlot::splitName ("").first, "");
}

TEST (NameSlot, AClickQueuesItsIdentifierAndBroadcasts)
{
    NameSlot slot (17);
    struct Counter final : juce::ChangeListener
    {
        void changeListenerCallback (juce::ChangeBroadcaster*) override { ++count; }
        int count = 0;
    } counter;
    slot.addChangeListener (&counter);

    const auto down = zr9::test::mouseEventOn (slot);
    slot.mouseDown (down);
    EXPECT_TRUE (slot.isHighlighted());
    slot.mouseUp (down);
    EXPECT_FALSE (slot.isHighlighted());
    slot.setIdentifier (18);
    slot.mouseDown (down);
    slot.mouseUp (down);

    EXPECT_EQ (slot.takeEvents(), (std::vector<int> { 17, 18 }));
    EXPECT_TRUE (slot.takeEvents().empty());
    zr9::test::runMessageLoopUntil ([&] { return counter.count > 0; });
    EXPECT_GE (counter.count, 1);
    slot.removeChangeListener (&counter);
}

TEST (NameSlot, DrawsNumberAndBothLines)
{
    NameSlot slot (1);
    slot.setColours (juce::Colours::white, juce::Colours::white, juce::Colours::white);
    slot.setNumberText ("0007");
    slot.setName ("Rich Grand 7ft      ");

    const auto countLit = [] (const juce::Image& img, int y0, int y1)
    {
        int lit = 0;
        for (int y = y0; y < y1; ++y)
            for (int x = 0; x < img.getWidth(); ++x)
                lit += img.getPixelAt (x, y).getBrightness() > 0.7f ? 1 : 0;
        return lit;
    };

    juce::Image image (juce::Image::ARGB, 58, 44, true);
    {
        juce::Graphics g (image);
        slot.paintEntireComponent (g, false);
    }
    EXPECT_GT (countLit (image, 1, 14), 5) << "number text";
    EXPECT_GT (countLit (image, 16, 27), 5) << "line 1";
    EXPECT_GT (countLit (image, 28, 40), 5) << "line 2";

    NameSlot compact (2, true);
    EXPECT_EQ (compact.getHeight(), 18);
}
