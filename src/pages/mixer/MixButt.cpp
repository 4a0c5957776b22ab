#include "MixButt.h"

#include "MixerLayout.h"

#include "ui/SkinFonts.h"
#include "ui/SkinPalette.h"

namespace zr9
{

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
    g.fillAll (skin::colours::mixerFace);
    g.setColour (skin::colours::separator);
    for (int i = 1; i < mixer::stripCount; ++i)
        g.fillRect (mixer::stripX (i, 0) - 2, 0, 1, getHeight());

    g.setColour (skin::colours::text);
    g.setFont (skin::font (11.0f));
    for (int i = 0; i < mixer::stripCount; ++i)
        g.drawText (channelLabel (i), mixer::stripX (i, 0), labelY, mixer::stripWidth, labelHeight, juce::Justification::centred, false);
}

} // namespace zr9
