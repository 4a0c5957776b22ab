#include "WheelCnt.h"

#include "KeyboardImages.h"

#include <algorithm>

namespace zr9
{

WheelCnt::WheelCnt (Kind k)
    : juce::Slider (juce::Slider::LinearVertical, juce::Slider::NoTextBox),
      wheelKind (k),
      strip (k == Kind::pitch ? skin::pitchWheelStrip() : skin::modulationWheelStrip())
{
    setRange (0.0, (double) maxValue, 1.0);
    setValue (k == Kind::pitch ? pitchCentre : 0, juce::dontSendNotification);
    setName (k == Kind::pitch ? "Pitch Wheel" : "Modulation Wheel");
    setSize (wheelWidth, wheelHeight);
    setMouseCursor (juce::MouseCursor::UpDownResizeCursor);
}

void WheelCnt::showPosition (int value)
{
    if (value < 0 || value > maxValue)
        return;
    setValue (value, juce::dontSendNotification);
}

void WheelCnt::moveTo (int value)
{
    // Only a change is broadcast: a drag that stays on one value sends nothing more.
    setValue (std::clamp (value, 0, maxValue), juce::sendNotificationSync);
}

void WheelCnt::valueChanged()
{
    sendSynchronousChangeMessage();
}

void WheelCnt::paint (juce::Graphics& g)
{
    // The strip is drawn larger than on screen (twice): its frames are picked in its own pixels.
    const int k = std::max (1, strip.getHeight() / wheelHeight);
    const int x = frame() * framePitch;
    g.drawImage (strip, 0, 0, getWidth(), getHeight(), x * k, 0, wheelWidth * k, wheelHeight * k);
}

void WheelCnt::mouseDown (const juce::MouseEvent&)
{
    valueAtPress = position();
}

void WheelCnt::mouseDrag (const juce::MouseEvent& e)
{
    moveTo (valueAtPress - e.getDistanceFromDragStartY());
}

void WheelCnt::mouseUp (const juce::MouseEvent&)
{
    if (wheelKind == Kind::pitch)
        moveTo (pitchCentre);
}

void WheelCnt::mouseWheelMove (const juce::MouseEvent&, const juce::MouseWheelDetails& wheel)
{
    const float delta = wheel.isReversed ? -wheel.deltaY : wheel.deltaY;
    if (delta > 0.0f)
        moveTo (position() + 1);
    else if (delta < 0.0f)
        moveTo (position() - 1);
}

} // namespace zr9
