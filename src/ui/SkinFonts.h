#pragma once

#include <juce_graphics/juce_graphics.h>

/**
    The skin's two faces, the only places a font is made: Arial for every
    text of the shell and the pages, and the monospaced face of the LCD
    displays. A slanted text asks the skin's face for italicised().
*/
namespace zr9::skin
{

/** The skin's face at a height in points, plain or bold. */
juce::Font font (float height, bool bold = false);

/** The monospaced face the LCD displays show their texts in. */
juce::Font lcdFont (float height, bool bold = false);

} // namespace zr9::skin
