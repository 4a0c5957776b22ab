#pragma once

#include <juce_core/juce_core.h>

namespace zr9
{

/** The characters an arrangement's name may hold, for a text field's input restriction: printable ASCII. */
inline juce::String printableAscii()
{
    juce::String s;
    for (char c = ' '; c < 127; ++c)
        s += juce::String::charToString ((juce::juce_wchar) c);
    return s;
}

} // namespace zr9
