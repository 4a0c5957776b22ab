#pragma once

#include <juce_graphics/juce_graphics.h>

/** The keyboard panel's pictures compiled into the program, decoded once and cached. */
namespace zr9::skin
{

juce::Image whiteKey (bool down);   // 60 x 390
juce::Image blackKey (bool down);   // 39 x 237
juce::Image pad (bool down);        // 100 x 100
/** The wheels' filmstrips: 35 frames of 44 x 200, side by side, 68 pixels apart. */
juce::Image pitchWheelStrip();
juce::Image modulationWheelStrip();
/** The miniature 128-note keyboard, 269 x 18. */
juce::Image octaveStrip();

} // namespace zr9::skin
