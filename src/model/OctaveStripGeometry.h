#pragma once

#include <algorithm>
#include <cmath>

/**
    The miniature 128-note keyboard of the on-screen keyboard's octave strip,
    in units: each octave is 25 units wide and the strip is 269 by 18 pixels
    at scale 1. The picture generator draws it and the strip converts clicks
    with it, so both agree.
*/
namespace zr9::octavestrip
{

constexpr int noteCount = 128;
constexpr int notesPerOctave = 12;
constexpr int unitsPerOctave = 25;
constexpr int whiteKeysPerOctave = 7;
constexpr double whiteKeyUnits = (double) unitsPerOctave / whiteKeysPerOctave;
constexpr double blackKeyUnits = 2.2;
/** The share of the strip's height the black keys reach down. */
constexpr double blackKeyDepth = 0.6;
constexpr int width = 269;
constexpr int height = 18;

/** Where the semitones of an octave start, in units, as a click is read back (26 is the next octave's first key). */
constexpr int semitoneStart[notesPerOctave] = { 0, 4, 6, 9, 10, 11, 14, 16, 20, 22, 23, 26 };

constexpr bool isBlack (int note) noexcept
{
    const int s = ((note % notesPerOctave) + notesPerOctave) % notesPerOctave;
    return s == 1 || s == 3 || s == 6 || s == 8 || s == 10;
}

/** How many white keys lie left of this note's octave position (the note's own white key, or the one left of a black key). */
constexpr int whiteIndex (int semitone) noexcept
{
    constexpr int index[notesPerOctave] = { 0, 0, 1, 1, 2, 3, 3, 4, 4, 5, 5, 6 };
    return index[semitone];
}

/** A key's left and right edge in units. */
struct Span
{
    double left, right;
};

inline Span keySpan (int note) noexcept
{
    note = std::clamp (note, 0, noteCount - 1);
    const int octave = note / notesPerOctave;
    const int semitone = note % notesPerOctave;
    const double whiteLeft = octave * unitsPerOctave + whiteIndex (semitone) * whiteKeyUnits;
    if (! isBlack (note))
        return { whiteLeft, whiteLeft + whiteKeyUnits };
    // A black key straddles the edge between its white key and the next.
    const double edge = whiteLeft + whiteKeyUnits;
    return { edge - blackKeyUnits / 2, edge + blackKeyUnits / 2 };
}

/** The note a horizontal position (in units) stands for, held to 0 to 127. */
inline int noteAt (double units) noexcept
{
    if (! (units > 0.0))
        return 0;
    const int octave = (int) std::floor (units / unitsPerOctave);
    const double within = units - octave * unitsPerOctave;
    int semitone = 0;
    for (int s = 0; s < notesPerOctave; ++s)
        if (semitoneStart[s] <= within)
            semitone = s;
    return std::clamp (octave * notesPerOctave + semitone, 0, noteCount - 1);
}

} // namespace zr9::octavestrip
