#include "GskLookAndFeel.h"

#include "ControlPictures.h"
#include "GskSlider.h"
#include "GskToggle.h"
#include "SkinFonts.h"
#include "SkinPalette.h"

namespace zr9
{

namespace
{
    constexpr float ringThickness = 3.0f;
    constexpr float ringGap = 1.5f;
    constexpr float pointerWidth = 2.0f;
    constexpr float chooserCorner = 3.0f;
    constexpr float chooserCaptionHeight = 11.0f;

    juce::Point<float> onCircle (juce::Point<float> centre, float radius, float angle)
    {
        return centre.getPointOnCircumference (radius, angle);
    }
} // namespace

GskLookAndFeel::GskLookAndFeel() : knob (skin::knobFace()), cap (skin::faderCap())
{
    setColour (juce::TextEditor::backgroundColourId, skin::colours::entryFace);
    setColour (juce::TextEditor::textColourId, skin::colours::control);
    setColour (juce::TextEditor::highlightColourId, skin::colours::focus.withAlpha (0.6f));
    setColour (juce::TextEditor::outlineColourId, skin::colours::lcdFrame);
    setColour (juce::TextEditor::focusedOutlineColourId, skin::colours::focus);
    setColour (juce::CaretComponent::caretColourId, skin::colours::control);
    setColour (juce::Label::textColourId, skin::colours::control);
    setColour (juce::Label::textWhenEditingColourId, skin::colours::control);
}

std::pair<juce::String, juce::String> GskLookAndFeel::splitReference (const juce::String& text)
{
    const int blank = text.indexOfChar (' ');
    if (blank > 0 && text.substring (0, blank).containsOnly ("0123456789"))
        return { text.substring (0, blank), text.substring (blank + 1).trimEnd() };
    return { {}, text.trimEnd() };
}

// ------------------------------------------------------------------------ knobs

void GskLookAndFeel::drawRotarySlider (juce::Graphics& g, int x, int y, int width, int height, float position,
                                       float startAngle, float endAngle, juce::Slider& slider)
{
    const juce::Rectangle<float> area ((float) x, (float) y, (float) width, (float) height);
    const auto* gsk = dynamic_cast<GskSlider*> (&slider);
    if (gsk != nullptr && gsk->style() == GskStyle::chainChooser)
        drawChooser (g, area, slider);
    else
        drawKnob (g, area, position, startAngle, endAngle, slider, gsk != nullptr && gsk->style() == GskStyle::centreKnob);
}

void GskLookAndFeel::drawKnob (juce::Graphics& g, juce::Rectangle<float> area, float position, float startAngle,
                               float endAngle, juce::Slider& slider, bool fromZero)
{
    const float diameter = std::min ({ area.getWidth(), area.getHeight(), knobDiameter });
    const auto bounds = juce::Rectangle<float> (diameter, diameter).withCentre (area.getCentre());
    const auto centre = bounds.getCentre();
    const float ringRadius = diameter / 2.0f - ringThickness / 2.0f;
    const float angle = startAngle + position * (endAngle - startAngle);

    // The whole range as a dark ring, the value's part of it lit.
    juce::Path ring;
    ring.addCentredArc (centre.x, centre.y, ringRadius, ringRadius, 0.0f, startAngle, endAngle, true);
    g.setColour (skin::colours::track);
    g.strokePath (ring, juce::PathStrokeType (ringThickness, juce::PathStrokeType::curved, juce::PathStrokeType::rounded));

    float from = startAngle;
    if (fromZero && slider.getMinimum() < 0.0 && slider.getMaximum() > 0.0)
        from = startAngle + (float) slider.valueToProportionOfLength (0.0) * (endAngle - startAngle);
    if (std::abs (angle - from) > 0.001f)
    {
        juce::Path lit;
        lit.addCentredArc (centre.x, centre.y, ringRadius, ringRadius, 0.0f, std::min (from, angle), std::max (from, angle), true);
        g.setColour (slider.isEnabled() ? skin::colours::control : skin::colours::textDim);
        g.strokePath (lit, juce::PathStrokeType (ringThickness, juce::PathStrokeType::curved, juce::PathStrokeType::rounded));
    }

    const auto face = bounds.reduced (ringThickness + ringGap);
    g.drawImage (knob, face, juce::RectanglePlacement::stretchToFit);

    const float pointerInner = face.getWidth() * 0.12f;
    const float pointerOuter = face.getWidth() * 0.5f - 2.0f;
    g.setColour (skin::colours::control);
    g.drawLine ({ onCircle (centre, pointerInner, angle), onCircle (centre, pointerOuter, angle) }, pointerWidth);

    if (slider.hasKeyboardFocus (false))
        drawFocusRing (g, bounds, bounds.getWidth() / 2.0f);
}

void GskLookAndFeel::drawFocusRing (juce::Graphics& g, juce::Rectangle<float> area, float cornerSize)
{
    const float inset = focusRingThickness / 2.0f;
    g.setColour (skin::colours::focusRing);
    g.drawRoundedRectangle (area.reduced (inset), std::max (0.0f, cornerSize - inset), focusRingThickness);
}

// --------------------------------------------------------------------- choosers

void GskLookAndFeel::drawChooser (juce::Graphics& g, juce::Rectangle<float> area, juce::Slider& slider)
{
    const auto box = area.reduced (0.5f);
    g.setColour (skin::colours::chooserFace);
    g.fillRoundedRectangle (box, chooserCorner);
    g.setColour (slider.isMouseOverOrDragging() ? skin::colours::focus : skin::colours::lcdFrame);
    g.drawRoundedRectangle (box, chooserCorner, 1.0f);
    if (slider.hasKeyboardFocus (false))
        drawFocusRing (g, area, chooserCorner);

    auto inner = area.reduced (3.0f, 1.0f);
    auto top = inner.removeFromTop (chooserCaptionHeight);
    // Only an object reference ("12 Hall Plate") puts its number in the corner; "3 ct" stays one text.
    const auto text = slider.getTextFromValue (slider.getValue());
    const auto [number, name] = GskSlider::isReference (slider) ? splitReference (text) : std::pair<juce::String, juce::String> ({}, text.trimEnd());

    juce::String caption;
    if (const auto* gsk = dynamic_cast<GskSlider*> (&slider))
        caption = gsk->caption();
    // The number keeps its width; the caption gets what is left, squeezed if it must be.
    const auto numberFont = skin::font (9.5f);
    const float numberWidth = std::min (top.getWidth(), numberFont.getStringWidthFloat (number) + 2.0f);
    g.setColour (skin::colours::number);
    g.setFont (numberFont);
    g.drawText (number, top.removeFromRight (numberWidth), juce::Justification::centredRight, false);
    g.setColour (skin::colours::lcdCaption);
    g.setFont (skin::font (8.5f, true));
    g.drawFittedText (caption.toUpperCase(), top.toNearestInt(), juce::Justification::centredLeft, 1, 0.7f);

    g.setFont (skin::font (10.5f));
    g.drawFittedText (name, inner.toNearestInt(), juce::Justification::centredLeft, 1, 0.75f);
}

// ----------------------------------------------------------------------- faders

int GskLookAndFeel::getSliderThumbRadius (juce::Slider& slider)
{
    if (const auto* gsk = dynamic_cast<GskSlider*> (&slider); gsk != nullptr && gsk->style() == GskStyle::fader)
        return faderCapHeight / 2;
    return juce::LookAndFeel_V4::getSliderThumbRadius (slider);
}

void GskLookAndFeel::drawLinearSlider (juce::Graphics& g, int x, int y, int width, int height, float sliderPos,
                                       float minSliderPos, float maxSliderPos, juce::Slider::SliderStyle style,
                                       juce::Slider& slider)
{
    const auto* gsk = dynamic_cast<GskSlider*> (&slider);
    if (gsk == nullptr || gsk->style() != GskStyle::fader)
    {
        juce::LookAndFeel_V4::drawLinearSlider (g, x, y, width, height, sliderPos, minSliderPos, maxSliderPos, style, slider);
        return;
    }

    const float centreX = (float) x + (float) width / 2.0f;
    const float top = (float) y, bottom = (float) (y + height);

    // Scale marks at the ends and, where the range holds it, at zero.
    g.setColour (skin::colours::textDim);
    const auto mark = [&] (double value, float length)
    {
        if (value < slider.getMinimum() || value > slider.getMaximum())
            return;
        const float at = (float) slider.getPositionOfValue (value);
        g.fillRect (juce::Rectangle<float> (centreX + 8.0f, at - 0.5f, length, 1.0f));
        g.fillRect (juce::Rectangle<float> (centreX - 8.0f - length, at - 0.5f, length, 1.0f));
    };
    mark (slider.getMinimum(), 4.0f);
    mark (slider.getMaximum(), 4.0f);
    mark (0.0, 7.0f);

    const juce::Rectangle<float> slot (centreX - 2.0f, top, 4.0f, bottom - top);
    g.setColour (skin::colours::track);
    g.fillRoundedRectangle (slot, 2.0f);
    g.setColour (skin::colours::control.withAlpha (slider.isEnabled() ? 0.55f : 0.25f));
    g.fillRoundedRectangle (slot.withTop (sliderPos), 2.0f);

    const auto capArea = juce::Rectangle<float> ((float) faderCapWidth, (float) faderCapHeight).withCentre ({ centreX, sliderPos });
    g.drawImage (cap, capArea, juce::RectanglePlacement::stretchToFit);
    if (slider.hasKeyboardFocus (false))
        drawFocusRing (g, capArea.expanded (2.0f), 3.0f);
}

// ------------------------------------------------------------- two-state controls

void GskLookAndFeel::drawToggleButton (juce::Graphics& g, juce::ToggleButton& button, bool highlighted, bool down)
{
    const auto* gsk = dynamic_cast<GskToggle*> (&button);
    if (gsk == nullptr)
    {
        juce::LookAndFeel_V4::drawToggleButton (g, button, highlighted, down);
        return;
    }

    const bool on = button.getToggleState();
    auto area = button.getLocalBounds().toFloat().reduced (0.5f);
    g.setFont (skin::font (10.0f, true));

    const auto style = gsk->style();
    if (style == GskStyle::button)
    {
        auto face = on ? skin::colours::accent : skin::colours::buttonFace;
        if (down)
            face = face.darker (0.3f);
        else if (highlighted)
            face = face.brighter (0.15f);
        g.setColour (face);
        g.fillRoundedRectangle (area, 3.0f);
        g.setColour (skin::colours::textDim);
        g.drawRoundedRectangle (area, 3.0f, 1.0f);
        g.setColour (on ? skin::colours::white : skin::colours::control);
        g.drawText (button.getButtonText(), area, juce::Justification::centred, false);
    }
    else if (style == GskStyle::smallSwitch)
    {
        const auto slot = area.removeFromLeft (std::min (area.getWidth(), 22.0f)).withSizeKeepingCentre (22.0f, 10.0f);
        g.setColour (skin::colours::track);
        g.fillRoundedRectangle (slot, 5.0f);
        const auto knobArea = slot.withWidth (10.0f).translated (on ? slot.getWidth() - 10.0f : 0.0f, 0.0f);
        g.setColour (on ? skin::colours::accent : skin::colours::textDim);
        g.fillEllipse (knobArea);
        g.setColour (skin::colours::control);
        g.drawText (button.getButtonText(), area.withTrimmedLeft (3.0f), juce::Justification::centredLeft, false);
    }
    else // a toggle: a lamp beside its text
    {
        const auto lamp = area.removeFromLeft (12.0f).withSizeKeepingCentre (8.0f, 8.0f);
        g.setColour (on ? skin::colours::accent : skin::colours::lampOff);
        g.fillEllipse (lamp);
        g.setColour (skin::colours::textDim);
        g.drawEllipse (lamp, 1.0f);
        g.setColour (skin::colours::control);
        g.drawText (button.getButtonText(), area.withTrimmedLeft (3.0f), juce::Justification::centredLeft, false);
    }
    if (button.hasKeyboardFocus (false))
        drawFocusRing (g, button.getLocalBounds().toFloat(), 3.0f);
}

} // namespace zr9
