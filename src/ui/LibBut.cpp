#include "LibBut.h"

#include "SkinFonts.h"
#include "SkinImages.h"

namespace zr9
{

LibBut::LibBut (const juce::String& label, int id, LibButListener* l) : juce::Button (label), commandId (id), listener (l)
{
    setSize (width, height);
    setWantsKeyboardFocus (false);
}

void LibBut::paintButton (juce::Graphics& g, bool highlighted, bool down)
{
    const auto area = getLocalBounds().toFloat().reduced (0.5f);
    auto face = skin::colours::buttonFace;
    if (down)
        face = skin::colours::buttonSelected;
    else if (highlighted)
        face = face.brighter (0.2f);
    g.setColour (face);
    g.fillRoundedRectangle (area, 4.0f);
    g.setColour (highlighted || down ? skin::colours::accent : juce::Colour (0xff5a5a5a));
    g.drawRoundedRectangle (area, 4.0f, 1.0f);
    g.setColour (down ? juce::Colours::white : skin::colours::text);
    g.setFont (skin::font (12.0f, true));
    g.drawText (getButtonText(), getLocalBounds(), juce::Justification::centred);
}

void LibBut::clicked()
{
    if (listener != nullptr)
        listener->libButtonClicked (commandId);
}

} // namespace zr9
