#include "MixButt.h"

#include "MixerLayout.h"
#include "ui/SkinFonts.h"

namespace zr9
{

namespace
{
    const juce::Colour background { 0xff5b5b5b };
    const juce::Colour separator { 0xff444444 };
    const juce::Colour labelColour { 0xffcccccc };
} // namespace

MixButt::MixButt()
{
    for (int i = 0; i < mixer::stripCount; ++i)
    {
        auto& slot = slots[(size_t) i];
        slot = std::make_unique<NameSlot> (i);
        slot->setBounds (mixer::stripX (i, 0), slotY, mixer::stripWidth, slotHeight);
        slot->setTitle (channelLabel (i) + " program");
        addAndMakeVisible (*slot);
    }
    setSize (mixer::headerWidth, mixer::headerHeight);
}

void MixButt::paint (juce::Graphics& g)
{
    g.fillAll (background);
    g.setColour (separator);
    for (int i = 1; i < mixer::stripCount; ++i)
        g.fillRect (mixer::stripX (i, 0) - 2, 0, 1, getHeight());

    g.setColour (labelColour);
    g.setFont (skin::font (11.0f));
    for (int i = 0; i < mixer::stripCount; ++i)
        g.drawText (channelLabel (i), mixer::stripX (i, 0), labelY, mixer::stripWidth, labelHeight, juce::Justification::centred, false);
}

} // namespace zr9
