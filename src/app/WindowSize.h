#pragma once

#include "controller/ControllerSettings.h"

#include <juce_graphics/juce_graphics.h>

namespace zr9
{

/**
    The size the window opens at: the size the main component had when the
    program last ended (settings 6 and 7), when it is no smaller than the
    minimum and fits the screen's usable area; otherwise 1024 x 768, or less
    where the screen is smaller (never below the minimum). Both the settings
    and the screen area are in the window's scaled units.
*/
juce::Point<int> openingWindowSize (const ControllerSettings& settings, juce::Rectangle<int> screenArea);

} // namespace zr9
