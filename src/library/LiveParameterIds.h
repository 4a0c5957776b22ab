#pragma once

#include <juce_core/juce_core.h>

namespace zr9
{

/**
    The identifier a plug-in host keeps for live row r in its projects and
    automation: "ch03_pan", "ch01_cc007", "playing_mode". Made of letters,
    digits and underscores, so every plug-in format takes it as it is; it
    never changes between versions. Empty for a row beyond the table.
*/
juce::String liveParameterId (int row);

} // namespace zr9
