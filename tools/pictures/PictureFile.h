#pragma once

#include <juce_graphics/juce_graphics.h>

#include <functional>

/**
    Draws one picture of w x h and writes it as DIR/NAME.png. With a scale
    above 1 the image is that many times larger and the drawing is scaled
    up to fill it, so a picture drawn in screen coordinates stays sharp on
    high-resolution screens. False when the file could not be written.
*/
bool writePicture (const juce::File& dir, const juce::String& name, int w, int h,
                   const std::function<void (juce::Graphics&)>& draw, int scale = 1);
