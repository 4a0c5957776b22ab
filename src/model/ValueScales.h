#pragma once

#include <string>

namespace zr9
{

/**
    The instrument's piecewise scales. Each turns a stored parameter value
    into the text the instrument shows, unit included; a value outside a
    scale's domain gives the empty text (the frequency scale gives "0 Hz").
    Every function accepts any int.
*/
namespace scales
{
    /** Name of v mod 12 and octave v / 12 - 1 ("C4" for 60); a negative v gives the octave alone. */
    std::string noteName (int v);

    /** Pitch offsets in cents, v from -123 to 123: "-5300 ct". */
    std::string cents (int v);
    /** The cents value of v; only meaningful where cents (v) is not empty. */
    long long centsValue (int v);

    /** Key-follow rates, v from 0 to 127: "5.3 Key/s". */
    std::string rate (int v);
    /** The rate in tenths of a key per second, or -1 outside the domain. */
    long long rateTenths (int v);

    /** Levels in half decibels, -128 being "OFF": "-47.5 dB". */
    std::string level (int v);
    /** Short times, v from 0 to 255, 0.0 to 230 ms: "9.9 mS", "10 mS". */
    std::string shortTime (int v);
    /** Long times, v from 0 to 255, 0 to 3000 ms: "1250 mS". */
    std::string longTime (int v);
    /** Compressor ratios, v from 0 to 89: "1.0:1" up to "100.0:1" and "INF". */
    std::string ratio (int v);
    /** Fractions without unit, v from 0 to 151: "0.010" up to "5.05". */
    std::string fraction (int v);
    /** Frequencies, v from -20 to 127: the pitch of MIDI note v + 12 in whole hertz. */
    std::string frequency (int v);
    /** The whole-hertz number behind frequency (v). */
    int frequencyHz (int v);
} // namespace scales

} // namespace zr9
