#pragma once

#include <juce_core/juce_core.h>

namespace zr9::keynames
{

/** A note's name and octave as the players show it: "C" to "B" for note mod 12, then note divided by 12 (36 is "C3"). */
juce::String noteName (int note);

} // namespace zr9::keynames
