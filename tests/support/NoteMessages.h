#pragma once

#include <cstdint>
#include <vector>

namespace zr9::test
{

/** The bytes of a note-on and a note-off as the output sends them (channels 1 to 16). */
inline std::vector<std::uint8_t> noteOnBytes (int channel, int note, int velocity)
{
    return { (std::uint8_t) (0x90 + channel - 1), (std::uint8_t) note, (std::uint8_t) velocity };
}

inline std::vector<std::uint8_t> noteOffBytes (int channel, int note)
{
    return { (std::uint8_t) (0x80 + channel - 1), (std::uint8_t) note, 0 };
}

} // namespace zr9::test
