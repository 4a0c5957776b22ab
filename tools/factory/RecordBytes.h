#pragma once

#include "model/ByteView.h"

#include <string>

namespace zr9::factory
{

constexpr int nameLength = 20;

/** `text` cut or padded with blanks to `length` characters. */
inline std::string padded (const std::string& text, std::size_t length = nameLength)
{
    std::string s = text.substr (0, length);
    s.resize (length, ' ');
    return s;
}

/** Copies the characters of `text` into b from pos; characters that do not fit are dropped. */
inline void putText (Bytes& b, long long pos, const std::string& text)
{
    for (std::size_t i = 0; i < text.size(); ++i)
        putByte (b, pos + (long long) i, (unsigned char) text[i]);
}

/** Writes a big-endian 32-bit number when all four bytes fit. */
inline void putDword (Bytes& b, long long pos, long long value)
{
    putWord (b, pos, (int) ((value >> 16) & 0xFFFF));
    putWord (b, pos + 2, (int) (value & 0xFFFF));
}

/** A record of `size` zero bytes whose first 20 bytes hold `name`, blank padded. */
inline Bytes namedRecord (const std::string& name, std::size_t size)
{
    Bytes b (size, 0);
    putText (b, 0, padded (name));
    return b;
}

} // namespace zr9::factory
