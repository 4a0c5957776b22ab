#include "SevenBitPacking.h"

namespace zr9::sysex
{

void pack (const std::uint8_t* data, std::size_t size, std::vector<std::uint8_t>& out)
{
    out.reserve (out.size() + packedSize (size) + 1);
    // Each data byte d_i (i = position within its run of seven) gives its low
    // 7 - i bits to message byte i and its high i + 1 bits to message byte i + 1.
    for (std::size_t start = 0; start < size; start += 7)
    {
        const std::size_t run = size - start < 7 ? size - start : 7;
        std::uint8_t carry = 0;
        for (std::size_t i = 0; i < run; ++i)
        {
            const unsigned d = data[start + i];
            out.push_back ((std::uint8_t) (((d << i) & 0x7F) | carry));
            carry = (std::uint8_t) (d >> (7 - i));
        }
        out.push_back (carry);
    }
    out.push_back (0xF7);
}

std::vector<std::uint8_t> unpack (const std::uint8_t* packed, std::size_t size)
{
    if (size > 0 && packed[size - 1] == 0xF7)
        --size;
    std::vector<std::uint8_t> out;
    out.reserve (size * 7 / 8);
    for (std::size_t start = 0; start < size; start += 8)
    {
        const std::size_t group = size - start < 8 ? size - start : 8;
        // Data byte i is message byte i shifted down by i, with the low i + 1
        // bits of message byte i + 1 above it.
        for (std::size_t i = 0; i + 1 < group; ++i)
        {
            const unsigned low = packed[start + i] >> i;
            const unsigned high = ((unsigned) packed[start + i + 1] & ((1u << (i + 1)) - 1u)) << (7 - i);
            out.push_back ((std::uint8_t) (low | high));
        }
    }
    return out;
}

} // namespace zr9::sysex
