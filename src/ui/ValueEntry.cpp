#include "ValueEntry.h"

#include <algorithm>
#include <cmath>

namespace zr9
{

namespace
{
    // Looking through every value's text is cheap for the ranges controls have; a
    // range wider than this is only read as a number.
    constexpr long long searchableValues = 20000;

    juce::String normalised (const juce::String& text)
    {
        return text.toLowerCase().removeCharacters (" :");
    }

    /** The number a text begins with (sign and decimals allowed, rounded), if it begins with one. */
    std::optional<long long> leadingNumber (const juce::String& text)
    {
        const auto t = text.trimStart();
        int at = 0;
        if (t[at] == '-' || t[at] == '+')
            ++at;
        if (! juce::CharacterFunctions::isDigit (t[at]))
            return std::nullopt;
        const double number = t.getDoubleValue();
        if (! std::isfinite (number))
            return std::nullopt;
        return std::llround (std::clamp (number, -1.0e15, 1.0e15));
    }
} // namespace

std::optional<int> valueFromTyped (const juce::String& typed, int minimum, int maximum,
                                   const std::function<juce::String (int)>& textOf)
{
    if (maximum < minimum)
        return std::nullopt;
    const auto wanted = normalised (typed);
    if (wanted.isEmpty())
        return std::nullopt;

    const bool searchable = textOf != nullptr && (long long) maximum - minimum < searchableValues;
    const auto number = leadingNumber (typed);

    if (searchable)
    {
        for (long long v = minimum; v <= maximum; ++v)
            if (normalised (textOf ((int) v)) == wanted)
                return (int) v;

        if (number.has_value())
            for (long long v = minimum; v <= maximum; ++v)
                if (leadingNumber (textOf ((int) v)) == number)
                    return (int) v;
    }

    if (number.has_value())
        return (int) std::clamp<long long> (*number, minimum, maximum);

    if (searchable)
        for (long long v = minimum; v <= maximum; ++v)
            if (normalised (textOf ((int) v)).contains (wanted))
                return (int) v;

    return std::nullopt;
}

} // namespace zr9
