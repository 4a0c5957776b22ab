#pragma once

#include "ByteView.h"

#include <string>

namespace zr9
{

/**
    One entry of the arrangement library: a 300-byte header with the entry's
    name, followed by the arrangement it keeps (an ArrangementState, 330
    bytes, so an entry made here is 630 bytes).

    | Offset | Size | Content                                                  |
    |--------|------|----------------------------------------------------------|
    | 0      | 256  | name, one byte per character, the rest of the field zero |
    | 256    | 3    | reserved, written as 0                                   |
    | 259    | 41   | zero                                                     |
    | 300    | n    | the arrangement data (an ArrangementState)               |

    Entries come from files of any origin, so every reader takes any length:
    an entry shorter than 300 bytes has no name and no arrangement data.
*/
namespace libentry
{
    constexpr int headerSize = 300;
    constexpr int nameSize = 256;
    /** Name bytes read back as characters; all others are dropped. */
    constexpr int firstNameByte = 14;
    constexpr int lastNameByte = 127;

    /**
        The byte a name character is stored as: its code for codes up to 255.
        A code above 255 is stored as a byte the reader drops, so it never
        comes back as some other character that shares its low 8 bits.
    */
    constexpr std::uint8_t storedByte (char32_t c) noexcept
    {
        return c <= 0xFF ? (std::uint8_t) c : (std::uint8_t) 0xFF;
    }

    /** A new entry: the header with the name (cut to 256 characters), then the arrangement data. */
    Bytes make (const std::u32string& name, ByteView arrangementData);

    /** The name: bytes 14 to 127 of bytes 0 to 255, in order, without trailing blanks; empty below 300 bytes. */
    std::string name (ByteView entry);

    /** Everything from byte 300 on; empty for an entry shorter than that. */
    ByteView arrangementData (ByteView entry) noexcept;

    /** Writes a new name over bytes 0 to 255 (zero-filled); false, and no change, for an entry shorter than 300 bytes. */
    bool rename (Bytes& entry, const std::u32string& name);
} // namespace libentry

} // namespace zr9
