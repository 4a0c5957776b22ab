#pragma once

#include <juce_core/juce_core.h>

#include <functional>
#include <optional>

namespace zr9
{

/**
    The value a musician means by a text typed into a value control whose
    values run from `minimum` to `maximum` and read as `textOf (value)`.

    In this order: a text that reads exactly like one of the values
    (letter case, blanks and colons aside: "off", "L20", "-6 dB"); a number
    that some value's text begins with ("-6" for "-6 dB", "12" for
    "12 Hall Plate"); any other number, taken as the value itself and held to
    the range; a word found in a value's text ("hall" finds the first chain
    named with it). Nothing for a text that names no value.
*/
std::optional<int> valueFromTyped (const juce::String& typed, int minimum, int maximum,
                                   const std::function<juce::String (int)>& textOf);

} // namespace zr9
