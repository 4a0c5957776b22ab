#include "PointerEvents.h"

namespace zr9::test
{

juce::MouseEvent pointerEvent (juce::Component& component, juce::Point<float> position, juce::Point<float> pressedAt, bool buttonDown)
{
    const auto now = juce::Time::getCurrentTime();
    const auto mods = buttonDown ? juce::ModifierKeys::leftButtonModifier : 0;
    return { juce::Desktop::getInstance().getMainMouseSource(), position, juce::ModifierKeys (mods),
             0.0f, 0.0f, 0.0f, 0.0f, 0.0f, &component, &component, now, pressedAt, now, 1, false };
}

juce::MouseEvent wheelEvent (juce::Component& component, int n)
{
    const auto when = juce::Time::getCurrentTime() + juce::RelativeTime::milliseconds (n);
    const auto centre = component.getLocalBounds().getCentre().toFloat();
    return { juce::Desktop::getInstance().getMainMouseSource(), centre, juce::ModifierKeys(),
             0.0f, 0.0f, 0.0f, 0.0f, 0.0f, &component, &component, when, centre, when, 0, false };
}

juce::MouseWheelDetails wheelNotch (float deltaY)
{
    juce::MouseWheelDetails wheel;
    wheel.deltaX = 0.0f;
    wheel.deltaY = deltaY;
    wheel.isReversed = false;
    wheel.isSmooth = false;
    wheel.isInertial = false;
    return wheel;
}

} // namespace zr9::test
