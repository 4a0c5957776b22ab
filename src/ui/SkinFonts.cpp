#include "SkinFonts.h"

namespace zr9::skin
{

juce::Font font (float height, bool bold)
{
    return juce::Font ("Arial", height, bold ? juce::Font::bold : juce::Font::plain);
}

juce::Font lcdFont (float height, bool bold)
{
    return juce::Font (juce::Font::getDefaultMonospacedFontName(), height, bold ? juce::Font::bold : juce::Font::plain);
}

} // namespace zr9::skin
