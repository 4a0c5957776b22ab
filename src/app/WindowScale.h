#pragma once

#include "controller/ControllerSettings.h"

#include <juce_graphics/juce_graphics.h>

#include <array>

namespace zr9::windowscale
{

/** The choice that follows the desktop's scale; the others are percentages. */
constexpr int followDesktop = 0;
/** The scales offered besides following the desktop, in percent. */
constexpr std::array<int, 6> percentChoices { 75, 100, 125, 150, 175, 200 };

/** The stored choice (setting 30): followDesktop, or one of percentChoices; anything else follows the desktop. */
int storedChoice (const ControllerSettings& settings);
void storeChoice (ControllerSettings& settings, int choice);

/** The scale a choice asks for on a desktop of the given scale. */
double wanted (int choice, double desktopScale) noexcept;

/**
    The scale the window gets: the wanted one, lowered as far as needed for
    the window's minimum size (in unscaled units) to fit the screen's usable
    area (in real pixels), but never below half. An unknown (empty) screen
    leaves it as wanted.
*/
double fitted (double wantedScale, juce::Rectangle<int> screenPixels, juce::Point<int> minimumSize) noexcept;

/** A screen area in real pixels as it measures in units of the given scale. */
juce::Rectangle<int> inScaledUnits (juce::Rectangle<int> pixels, double scale) noexcept;

} // namespace zr9::windowscale
