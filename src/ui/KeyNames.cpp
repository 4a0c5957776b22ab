#include "KeyNames.h"

namespace zr9::keynames
{

juce::String noteName (int note)
{
    static const char* const names[] = { "C", "C#", "D", "D#", "E", "F", "F#", "G", "G#", "A", "A#", "B" };
    if (note < 0)
        return {};
    return juce::String (names[note % 12]) + juce::String (note / 12);
}

} // namespace zr9::keynames
