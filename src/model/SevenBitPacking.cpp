#include "SevenBitPacking.h"

#include <cstring>

namespace zr9::sysex
{

void pack (const std::uint8_t* data, std::size_t size, std::vector<std::uint8_t>& out)
{
    // The packed bytes are written in place into room made once: a chunk of
    // thousands of bytes is packed without a growth check per byte.
    const std::size_t at = out.size();
    out.resize (at + packedSize (size) + 1);
    std::uint8_t* o = out.data() + at;
    // Each data byte d_i (i = position within its run of seven) gives its low
    // 7 - i bits to message byte i and its high i + 1 bits to message byte i + 1.
    for (std::size_t start = 0; start < size; start += 7)
    {
        const std::size_t run = size - start < 7 ? size - start : 7;
        std::uint8_t carry = 0;
        for (std::size_t i = 0; i < run; ++i)
        {
            const unsigned d = data[start + i];
            *o++ = (std::uint8_t) (((d << i) & 0x7F) | carry);
            carry = (std::uint8_t) (d >> (7 - i));
        }
        *o++ = carry;
    }
    *o = 0xF7;
}

namespace
{
    /**
        Data byte i (0 to 6) of the group at p: message byte i shifted down by
        i, with the low i + 1 bits of message byte i + 1 above it.
    */
    inline std::uint8_t dataByte (const std::uint8_t* p, unsigned i) noexcept
    {
        return (std::uint8_t) ((p[i] >> i) | (((unsigned) p[i + 1] & ((1u << (i + 1)) - 1u)) << (7 - i)));
    }
} // namespace

std::vector<std::uint8_t> unpack (const std::uint8_t* packed, std::size_t size)
{
    if (size > 0 && packed[size - 1] == 0xF7)
        --size;
    // Eight message bytes give seven data bytes; a final group of r bytes gives r - 1.
    const std::size_t groups = size / 8;
    const std::size_t rest = size % 8;
    std::vector<std::uint8_t> out (groups * 7 + (rest > 0 ? rest - 1 : 0));
    std::uint8_t* o = out.data();
    // A chunk of thousands of bytes is almost all whole groups: each is copied
    // in, unpacked without an inner loop and copied out as seven bytes.
    for (std::size_t g = 0; g < groups; ++g, o += 7)
    {
        std::uint8_t p[8];
        std::memcpy (p, packed + g * 8, 8);
        const std::uint8_t d[7] = { dataByte (p, 0), dataByte (p, 1), dataByte (p, 2), dataByte (p, 3),
                                    dataByte (p, 4), dataByte (p, 5), dataByte (p, 6) };
        std::memcpy (o, d, 7);
    }
    for (std::size_t i = 0; i + 1 < rest; ++i)
        *o++ = dataByte (packed + groups * 8, (unsigned) i);
    return out;
}

} // namespace zr9::sysex
