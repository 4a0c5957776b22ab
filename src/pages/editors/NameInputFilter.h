#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

namespace zr9
{

/**
    Name fields take only what the instrument stores: printable ASCII
    (0x20 to 0x7E), at most 16 characters. Everything else is refused as it
    is typed or pasted, so a name never holds a character that would travel
    as a blank.
*/
namespace namefield
{
    constexpr int maxLength = 16;

    /** The characters a name may hold, in code order. */
    juce::String allowedCharacters();

    /** Restricts a text editor to those characters and the length. */
    void restrict (juce::TextEditor& editor);

    /** A text as a name field keeps it: allowed characters only, at most 16. */
    juce::String filtered (const juce::String& text);
} // namespace namefield

} // namespace zr9
