#pragma once

#include "ByteView.h"
#include "LiveRowLayout.h"

#include <array>
#include <string>

namespace zr9
{

/**
    One arrangement: which program plays on each of the 16 MIDI channels and
    the global values of the multi, as 300 bytes.

    | Offset | Size | Content                                                    |
    |--------|------|------------------------------------------------------------|
    | 0      | 24   | name, blank-padded                                         |
    | 24+2c  | 2    | program of channel c + 1 (live row 16c + 11)               |
    | 56     | 2    | live row 2304, multi                                       |
    | 58     | 1    | live row 2305, playing mode (0 in a blank record), signed  |
    | 59     | 2    | live row 2306, aux 1 override                              |
    | 61, 62 | 1    | live rows 2307 and 2308, signed                            |
    | 63     | 2    | live row 2309, aux 2 override                              |
    | 65, 66 | 1    | live rows 2310 and 2311, signed                            |
    | 67     | 233  | not read; carried over from the record it was built on     |

    Words are big-endian. Reads of a record shorter than 300 bytes give 0
    beyond its end; writes beyond its end are dropped.
*/
namespace arrangement
{
    constexpr int recordSize = 300;
    constexpr int nameLength = 24;
    constexpr int firstProgramOffset = 24;
    constexpr int slotCount = 64;
    constexpr int bankSize = slotCount * recordSize;

    /** The live row of channel c's program (c from 0). */
    constexpr int programRow (int channel) noexcept { return LiveRowLayout::channelRow (channel, LiveRowLayout::slotProgram); }

    /** One live value the record carries: its live row, where it lies, and how. */
    struct LiveField
    {
        int row;
        int offset;
        int width;     // 1 or 2 bytes
        bool isSigned; // one-byte fields read as -128 to 127
    };

    /** The 16 channel programs, then rows 2304 to 2311, in the order a record is applied. */
    const std::array<LiveField, channelCount + 8>& liveFields() noexcept;

    /** The character stored for a character code: codes 20 to 159 as they are, anything else a blank. */
    constexpr std::uint8_t nameByte (int code) noexcept
    {
        return code >= 20 && code <= 159 ? (std::uint8_t) code : (std::uint8_t) ' ';
    }

    /** Reads a field's value; a field outside the record reads 0. */
    int readField (ByteView record, const LiveField& field) noexcept;
    /** Writes a value's low bytes into a field: a word as value / 256 then value mod 256. */
    void writeField (Bytes& record, const LiveField& field, int value) noexcept;

    /** The 24 name bytes as text, one character per byte, blanks kept. */
    std::u32string readName (ByteView record);
    /** Writes a name into bytes 0 to 23: cut to 24 characters or padded with blanks. */
    void writeName (Bytes& record, const std::u32string& name);

    /** A record of exactly 300 bytes: the given bytes cut or padded with zeros. */
    Bytes normalised (ByteView record);
} // namespace arrangement

} // namespace zr9
