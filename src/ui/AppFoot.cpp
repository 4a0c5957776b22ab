#include "AppFoot.h"

#include "SkinFonts.h"
#include "SkinPalette.h"

namespace zr9
{

AppFoot::AppFoot (SlideListener& o) : owner (o)
{
    setMouseCursor (juce::MouseCursor::UpDownResizeCursor);
}

void AppFoot::setStatusText (const juce::String& text)
{
    if (status != text)
    {
        status = text;
        repaint();
    }
}

void AppFoot::setReservedRight (int pixels)
{
    pixels = std::max (0, pixels);
    if (reservedRight != pixels)
    {
        reservedRight = pixels;
        repaint();
    }
}

void AppFoot::paint (juce::Graphics& g)
{
    g.setColour (skin::colours::text);
    g.setFont (skin::font (12.0f, true));
    g.drawText (status, getLocalBounds().withTrimmedLeft (8).withTrimmedRight (reservedRight), juce::Justification::centredLeft, true);
}

void AppFoot::mouseDown (const juce::MouseEvent&) { owner.slideCommand (*this, slide::grab, 0); }

void AppFoot::mouseDrag (const juce::MouseEvent& e) { owner.slideCommand (*this, slide::drag, e.getDistanceFromDragStartY()); }

void AppFoot::mouseUp (const juce::MouseEvent& e) { owner.slideCommand (*this, slide::release, e.getDistanceFromDragStartY()); }

} // namespace zr9
