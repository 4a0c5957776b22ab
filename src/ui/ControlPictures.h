#pragma once

#include <juce_graphics/juce_graphics.h>

namespace zr9::skin
{

/**
    The pictures of the value controls and the channel strips, drawn at twice
    their size on screen so they stay sharp on high-resolution screens; draw
    them into a rectangle of their size on screen (half the picture's).
*/
juce::Image knobFace();    // 40 x 40 on screen
juce::Image faderCap();    // 30 x 16 on screen
juce::Image stripPanel();  // 58 x 564 on screen
juce::Image meterLit();    // 5 x 109 on screen
juce::Image meterUnlit();  // 5 x 109 on screen

/** How many picture pixels make one pixel on screen. */
constexpr int pictureScale = 2;

} // namespace zr9::skin
