#pragma once

#include <cstdint>

namespace zr9
{

/**
    State codes: the 32-bit notifications that the controller posts for the
    pages. Kind in bits 24 to 31, channel (0 to 15) in bits 16 to 19, first
    data byte in bits 8 to 14, second data byte in bits 0 to 6; the pitch
    wheel carries its 14-bit value in bits 0 to 13.
*/
namespace statecode
{
    constexpr int noteOn = 0x90;
    constexpr int noteOff = 0x80;
    constexpr int controller = 0xB0;
    constexpr int programChange = 0xC0;
    constexpr int pitchWheel = 0xE0;
    constexpr int onLineKind = 3;
    constexpr int offLineKind = 4;
    constexpr int refreshKind = 11;

    constexpr std::uint32_t onLine = 0x03000000u;
    constexpr std::uint32_t offLine = 0x04000000u;
    constexpr std::uint32_t refreshPages = 0x0B000000u;

    constexpr std::uint32_t make (int kind, int channel, int data1, int data2) noexcept
    {
        return ((std::uint32_t) (kind & 0xFF) << 24) | ((std::uint32_t) (channel & 0x0F) << 16)
             | ((std::uint32_t) (data1 & 0x7F) << 8) | (std::uint32_t) (data2 & 0x7F);
    }

    constexpr std::uint32_t makeWheel (int channel, int value14) noexcept
    {
        return ((std::uint32_t) pitchWheel << 24) | ((std::uint32_t) (channel & 0x0F) << 16) | (std::uint32_t) (value14 & 0x3FFF);
    }

    constexpr int kind (std::uint32_t code) noexcept { return (int) (code >> 24); }
    constexpr int channel (std::uint32_t code) noexcept { return (int) ((code >> 16) & 0x0F); }
    constexpr int data1 (std::uint32_t code) noexcept { return (int) ((code >> 8) & 0x7F); }
    constexpr int data2 (std::uint32_t code) noexcept { return (int) (code & 0x7F); }
    constexpr int wheelValue (std::uint32_t code) noexcept { return (int) (code & 0x3FFF); }
} // namespace statecode

/**
    Parameter changes: one 64-bit entry per changed live row. The low word holds
    the value as an unsigned 16-bit number, the high word the row plus 0x10000.
*/
namespace paramchange
{
    struct Change
    {
        bool valid;
        int row;
        int value;
    };

    constexpr std::uint64_t encode (int row, int value) noexcept
    {
        const auto low = (std::uint64_t) (std::uint16_t) value;
        const auto high = (std::uint64_t) (std::uint32_t) (row + 0x10000);
        return (high << 32) | low;
    }

    /** Values from 32770 up are negative; only entries whose high word's upper half is 1 count. */
    constexpr Change decode (std::uint64_t entry) noexcept
    {
        const auto low = (std::uint32_t) entry;
        const auto high = (std::uint32_t) (entry >> 32);
        int value = (int) (low & 0xFFFF);
        if (value >= 32770)
            value -= 65536;
        return { (high >> 16) == 1, (int) (high & 0xFFFF), value };
    }
} // namespace paramchange

} // namespace zr9
