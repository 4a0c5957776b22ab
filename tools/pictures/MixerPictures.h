#pragma once

#include <juce_graphics/juce_graphics.h>

/**
    Draws the pictures of the value controls and the mixer's strips (knob
    face, fader cap, strip panel, lit and unlit meter) into DIR, at twice
    their size on screen. False when a file could not be written.
*/
bool drawMixerPictures (const juce::File& dir);
