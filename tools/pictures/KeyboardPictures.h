#pragma once

#include <juce_graphics/juce_graphics.h>

/**
    The pictures of the keyboard panel: piano keys and pads, each up and down,
    the filmstrips of the pitch and modulation wheels, and the octave strip.
    Returns false when a file could not be written.
*/
bool drawKeyboardPictures (const juce::File& dir);
