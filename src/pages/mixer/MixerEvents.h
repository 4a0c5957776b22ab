#pragma once

#include <cstdint>

namespace zr9
{

/**
    The events the channel mixer page queues for the main component, one
    64-bit entry each. An effect-chain choice: the high word holds 0xC0000,
    the low word holds strip + 16 * slot in its upper 16 bits (slot 0 insert,
    3 aux 1, 6 aux 2).
*/
namespace mixerevent
{
    constexpr std::uint32_t chainChoiceKind = 0xC0000;

    constexpr std::uint64_t chainChoice (int strip, int slot) noexcept
    {
        const auto code = (std::uint64_t) ((strip + 16 * slot) & 0xFFFF);
        return ((std::uint64_t) chainChoiceKind << 32) | (code << 16);
    }

    struct ChainChoice
    {
        bool valid;
        int strip; // 0 to 15, MIDI channel strip + 1
        int slot;  // the strip's chain slot: 0, 3 or 6
    };

    constexpr ChainChoice decode (std::uint64_t entry) noexcept
    {
        if ((std::uint32_t) (entry >> 32) != chainChoiceKind)
            return { false, 0, 0 };
        const int code = (int) ((entry >> 16) & 0xFFFF);
        return { true, code % 16, code / 16 };
    }
} // namespace mixerevent

} // namespace zr9
