#include "LibBut.h"

#include "SkinFonts.h"
#include "SkinPalette.h"

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
        face = skin::colours::chosenFace;
    else if (highlighted)
        face = face.brighter (0.2f);
    g.setColour (face);
    g.fillRoundedRectangle (area, 4.0f);
    g.setColour (highlighted || down ? skin::colours::accent : skin::colours::buttonEdge);
    g.drawRoundedRectangle (area, 4.0f, 1.0f);
    g.setColour (down ? skin::colours::white : skin::colours::text);
    g.setFont (skin::font (12.0f, true));
    g.drawText (getButtonText(), getLocalBounds(), juce::Justification::centred);
}

void LibBut::clicked()
{
    if (listener != nullptr)
        listener->libButtonClicked (commandId);
}

} // namespace zr9
