#pragma once

#include <cstdint>

namespace zr9
{

/**
    One channel message of at most three bytes with a time on the output's
    clock, in microseconds: a plain value that a lock-free ring can carry
    between the host's audio thread and the other threads.
*/
struct ShortMessage
{
    static constexpr int maxSize = 3;

    std::uint64_t timeUs = 0;
    std::uint8_t bytes[maxSize] {};
    std::uint8_t size = 0;

    /** A note, controller, program change, pressure or pitch wheel, whole: the messages a host and the instrument exchange. */
    static bool isChannelVoice (const std::uint8_t* data, int length) noexcept
    {
        if (data == nullptr || length < 1 || data[0] < 0x80 || data[0] >= 0xF0)
            return false;
        const int status = data[0] & 0xF0;
        const int expected = status == 0xC0 || status == 0xD0 ? 2 : 3;
        return length == expected;
    }

    /** The message of `length` bytes (one that isChannelVoice) at the given time. */
    static ShortMessage of (const std::uint8_t* data, int length, std::uint64_t timeUs) noexcept
    {
        ShortMessage m;
        m.timeUs = timeUs;
        m.size = (std::uint8_t) (length < maxSize ? length : maxSize);
        for (int i = 0; i < m.size; ++i)
            m.bytes[i] = data[i];
        return m;
    }
};

} // namespace zr9
