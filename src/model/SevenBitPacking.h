#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace zr9::sysex
{

/** Bytes that `n` data bytes take once packed seven into eight (the closing 0xF7 not counted). */
constexpr std::size_t packedSize (std::size_t n) noexcept { return (8 * n + 6) / 7; }

/**
    Appends `size` data bytes to `out` as a little-endian bit stream cut into
    7-bit groups, then the closing 0xF7: a packed block is always the tail of
    its message.
*/
void pack (const std::uint8_t* data, std::size_t size, std::vector<std::uint8_t>& out);

/**
    The data bytes of a packed block; a final 0xF7 is dropped first. A final
    group of r bytes gives r - 1 data bytes, so a single left-over byte gives
    nothing.
*/
std::vector<std::uint8_t> unpack (const std::uint8_t* packed, std::size_t size);

} // namespace zr9::sysex
