#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace zr9::monitor
{

/** Which way a message travelled: from the input into the program, or out through the output. */
enum class Direction : std::uint8_t
{
    in = 0,
    out = 1
};

/** The most bytes of one message the monitor keeps; a longer one keeps its start and its length. */
constexpr std::size_t longestKept = 4096;

/**
    One message as the MIDI monitor keeps it: when it travelled, which way,
    on which port, and its bytes. A System Exclusive message longer than the
    monitor keeps has its start in `bytes` and its whole length in `size`.
*/
struct MonitorMessage
{
    double timeMs = 0.0;
    Direction direction = Direction::in;
    int port = 0;                     // 1-based port number, 0 for none
    std::vector<std::uint8_t> bytes;  // what was kept
    std::size_t size = 0;             // the whole length, at least bytes.size()
    bool addressGroup = false;        // the seven controllers of one controller-address message

    bool isWhole() const noexcept { return bytes.size() == size; }
};

} // namespace zr9::monitor
