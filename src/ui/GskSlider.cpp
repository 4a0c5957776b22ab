#include "GskSlider.h"

#include <algorithm>
#include <cmath>

namespace zr9
{

namespace
{
    juce::Slider::SliderStyle frameworkStyle (GskStyle s)
    {
        return s == GskStyle::fader ? juce::Slider::LinearVertical : juce::Slider::RotaryVerticalDrag;
    }
} // namespace

GskSlider::GskSlider (GskStyle s) : juce::Slider (frameworkStyle (s), juce::Slider::NoTextBox), gskStyle (s)
{
    // Dragging is always relative; the framework's velocity mode and its modifier stay off,
    // so Shift is free for fine steps.
    setVelocityBasedMode (false);
    setVelocityModeParameters (1.0, 1, 0.0, false);
    setSliderSnapsToMousePosition (false);
    setScrollWheelEnabled (true);
    setWantsKeyboardFocus (true);
    setRotaryParameters (juce::MathConstants<float>::pi * 1.25f, juce::MathConstants<float>::pi * 2.75f, true);
}

void GskSlider::setCaption (const juce::String& text)
{
    captionText = text;
    repaint();
}

int GskSlider::stepCount() const noexcept
{
    return std::max (1, (int) std::lround (getMaximum() - getMinimum()));
}

int GskSlider::wheelStep (bool fine) const noexcept
{
    if (fine || gskStyle == GskStyle::chainChooser)
        return 1;
    return std::max (1, (int) std::lround ((double) stepCount() / wheelNotchesForRange));
}

int GskSlider::dragPixelsForRange (bool fine) const noexcept
{
    const int steps = stepCount();
    if (gskStyle == GskStyle::chainChooser)
        return steps * chooserDragPixelsPerStep * (fine ? chooserFineFactor : 1);
    if (fine)
        return std::max (knobDragPixels, steps * fineDragPixelsPerStep);
    // A fader's thumb stays under the mouse; a knob turns over a fixed way.
    return gskStyle == GskStyle::fader ? std::max (1, getHeight() - 2 * getLookAndFeel().getSliderThumbRadius (const_cast<GskSlider&> (*this)))
                                       : knobDragPixels;
}

void GskSlider::useDragSpeed (bool fine)
{
    fineDrag = fine;
    setMouseDragSensitivity (std::max (1, dragPixelsForRange (fine)));
}

juce::String GskSlider::getTextFromValue (double value)
{
    const int v = (int) std::lround (value);
    return formatter != nullptr ? formatter (v) : juce::String (v);
}

void GskSlider::mouseDown (const juce::MouseEvent& e)
{
    useDragSpeed (isFineModifier (e.mods));
    juce::Slider::mouseDown (e);
}

void GskSlider::mouseDrag (const juce::MouseEvent& e)
{
    // The framework measures a drag from where it began; when Shift goes down or up
    // mid-way, the drag begins again here at the new speed, so the value does not jump.
    if (isFineModifier (e.mods) != fineDrag)
    {
        useDragSpeed (isFineModifier (e.mods));
        juce::Slider::mouseDown (e);
        return;
    }
    juce::Slider::mouseDrag (e);
}

void GskSlider::mouseDoubleClick (const juce::MouseEvent&)
{
    if (isEnabled() && onDoubleClick != nullptr)
        onDoubleClick();
}

void GskSlider::mouseWheelMove (const juce::MouseEvent& e, const juce::MouseWheelDetails& wheel)
{
    if (! isEnabled() || ! isScrollWheelEnabled() || e.mods.isAnyMouseButtonDown())
    {
        juce::Component::mouseWheelMove (e, wheel);
        return;
    }
    // Some systems deliver one notch twice.
    if (e.eventTime == lastWheelTime)
        return;
    lastWheelTime = e.eventTime;

    float amount = std::abs (wheel.deltaX) > std::abs (wheel.deltaY) ? -wheel.deltaX : wheel.deltaY;
    if (wheel.isReversed)
        amount = -amount;
    if (amount == 0.0f)
        return;

    const int steps = wheelStep (isFineModifier (e.mods)) * (amount > 0.0f ? 1 : -1);
    if (onNotch != nullptr)
    {
        onNotch();
        setValue (getValue() + steps, juce::sendNotificationSync);
        return;
    }
    const ScopedDragNotification gesture (*this);
    setValue (getValue() + steps, juce::sendNotificationSync);
}

bool GskSlider::keyPressed (const juce::KeyPress& key)
{
    // The keys the framework's slider steps with.
    const bool steps = ! key.getModifiers().isAnyModifierKeyDown()
                    && (key == juce::KeyPress::upKey || key == juce::KeyPress::downKey
                        || key == juce::KeyPress::leftKey || key == juce::KeyPress::rightKey);
    if (steps && isEnabled() && onNotch != nullptr)
        onNotch();
    return juce::Slider::keyPressed (key);
}

} // namespace zr9
