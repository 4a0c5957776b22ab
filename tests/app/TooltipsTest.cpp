#include "app/MainComp.h"
#include "library/RevuDIAudioProcessor.h"
#include "support/ProcessorFixture.h"

#include <gtest/gtest.h>

using namespace zr9;
using namespace zr9::test;

namespace
{
struct Tooltips : ProcessorFixture
{
    Tooltips() { main.pageCommand (pagecommand::versionPanel, 0); }
    MainComp main { *processor };
};

/** The tooltip the pointer finds over a control: the framework asks the widget under it, not its parent. */
juce::String tipOver (GskCont& c)
{
    auto* widget = c.slider() != nullptr ? static_cast<juce::Component*> (c.slider()) : static_cast<juce::Component*> (c.button());
    auto* client = dynamic_cast<juce::TooltipClient*> (widget);
    return client != nullptr ? client->getTooltip() : juce::String();
}
} // namespace

TEST_F (Tooltips, EveryMixerControlNamesItselfItsChannelAndItsRange)
{
    auto& strip = main.mixerPage()->strip (4);
    EXPECT_EQ (tipOver (strip.control (LiveTable::slotAux1Level)), "Aux 1 Level, Ch. 5: 0% to 120%");
    EXPECT_EQ (tipOver (strip.control (LiveTable::slotAux2Level)), "Aux 2 Level, Ch. 5: OFF to 24 dB");
    EXPECT_EQ (tipOver (strip.control (LiveTable::slotAux1Chain)), "AUX 1 FXC, Ch. 5: 1 to 2048") << "a reference's range in numbers";

    // The range reads as the control shows its values.
    auto& pan = strip.control (LiveTable::slotPan);
    EXPECT_EQ (tipOver (pan), "Pan, Ch. 5: " + pan.textOf (-64).trim() + " to " + pan.textOf (64).trim());
    EXPECT_NE (pan.textOf (-64).trim(), "-64") << "pan shows sides, not numbers";
    const auto level = tipOver (strip.control (LiveTable::slotLevel));
    EXPECT_TRUE (level.startsWith ("Level, Ch. 5: ")) << level;
    EXPECT_TRUE (level.contains ("dB")) << level;

    for (int ch = 0; ch < 16; ++ch)
        for (int slot = 0; slot < mixer::controlCount; ++slot)
        {
            if (! mixer::controls[(size_t) slot].onStrip)
                continue;
            EXPECT_TRUE (tipOver (main.mixerPage()->strip (ch).control (slot)).contains (", Ch. " + juce::String (ch + 1) + ": "))
                << ch << " " << slot;
        }
}

TEST_F (Tooltips, TheControlsPageAndEveryBarButtonSayWhatTheyAre)
{
    main.gskButtonPressed (AppBar::buttonControls);
    auto* controls = main.controlsPage();
    ASSERT_NE (controls, nullptr);
    std::vector<GskCont*> found;
    std::function<void (juce::Component&)> walk = [&] (juce::Component& c) {
        for (auto* child : c.getChildren())
        {
            if (auto* g = dynamic_cast<GskCont*> (child))
                found.push_back (g);
            walk (*child);
        }
    };
    walk (*controls);
    ASSERT_GE (found.size(), 128u);
    for (auto* c : found)
        EXPECT_TRUE (tipOver (*c).contains (" to ")) << tipOver (*c);

    juce::StringArray seen;
    for (int i = 0; i < AppBar::buttonCount; ++i)
    {
        const auto tip = main.appBar().buttonAt (i)->getTooltip();
        EXPECT_TRUE (tip.endsWith ("(Ctrl+" + juce::String (i + 1) + ")")) << tip;
        EXPECT_FALSE (seen.contains (tip));
        seen.add (tip);
    }
    EXPECT_TRUE (main.appBar().button (AppBar::buttonMixer)->getTooltip().containsIgnoreCase ("mixer"));
    EXPECT_TRUE (main.appBar().button (AppBar::buttonKeys)->getTooltip().containsIgnoreCase ("keyboard"));
}
