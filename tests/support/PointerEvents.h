#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

namespace zr9::test
{

/**
    A mouse event on the component at `position` for a press that began at
    `pressedAt` (both in the component's coordinates), with the left button
    held unless `buttonDown` is false (a hover).
*/
juce::MouseEvent pointerEvent (juce::Component& component, juce::Point<float> position,
                               juce::Point<float> pressedAt, bool buttonDown = true);

/** A hover over the component at `position`, no button held. */
inline juce::MouseEvent hoverEvent (juce::Component& component, juce::Point<float> position)
{
    return pointerEvent (component, position, position, false);
}

/** The event of the n-th wheel notch over the component's centre: each carries a time of its own, as the system gives them. */
juce::MouseEvent wheelEvent (juce::Component& component, int n);

/** A notch of the mouse wheel; positive turns up. */
juce::MouseWheelDetails wheelNotch (float deltaY);

} // namespace zr9::test
