#pragma once

namespace zr9
{

/** The MIDI controller numbers the system sends, reads or names, each defined here once. */
namespace midicc
{
    constexpr int count = 128;                 // controllers 0 to 127 on each channel

    constexpr int bankSelectMsb = 0;
    constexpr int modulationWheel = 1;
    constexpr int pan = 10;
    constexpr int bankSelectLsb = 32;
    constexpr int allNotesOff = 123;

    /**
        A controller-address message: controllers 110 to 114 carry the five
        address numbers, 118 and 119 the value offset by addressValueOffset,
        high then low seven bits.
    */
    constexpr int firstAddress = 110;
    constexpr int lastAddress = 114;
    constexpr int addressLength = lastAddress - firstAddress + 1;
    constexpr int valueHigh = 118;
    constexpr int valueLow = 119;
    constexpr int addressValueOffset = 8192;
} // namespace midicc

} // namespace zr9
