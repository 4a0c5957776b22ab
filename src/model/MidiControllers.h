#pragma once

namespace zr9
{

/** The MIDI controller numbers the system sends, reads or names, each defined here once. */
namespace midicc
{
    constexpr int count = 128;                 // controllers 0 to 127 on each channel

    constexpr int bankSelectMsb = 0;
    constexpr int modulationWheel = 1;
    constexpr int dataEntryMsb = 6;
    constexpr int pan = 10;
    constexpr int bankSelectLsb = 32;
    constexpr int dataEntryLsb = 38;
    constexpr int firstSwitchPedal = 64;       // sustain, portamento, sostenuto, soft, legato, hold 2
    constexpr int lastSwitchPedal = 69;
    constexpr int dataIncrement = 96;          // 96 to 101: data increment and decrement, NRPN and RPN numbers
    constexpr int lastParameterNumber = 101;
    constexpr int firstChannelMode = 120;      // 120 to 127: sound and notes off, resets, local, omni, mono, poly
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

    /**
        Whether a controller's last value is a setting of the channel, so that
        sending it once more puts the channel back as it was. Not so for
        controllers that act as commands or only mean something as part of a
        run of messages (bank select, data entry and parameter numbers, the
        controller-address message, the channel mode messages), nor for the
        switch pedals, which a project saved while one was held would leave
        holding.
    */
    constexpr bool holdsSetting (int n) noexcept
    {
        return n >= 0 && n < count && n != bankSelectMsb && n != bankSelectLsb && n != dataEntryMsb && n != dataEntryLsb
            && ! (n >= firstSwitchPedal && n <= lastSwitchPedal) && ! (n >= dataIncrement && n <= lastParameterNumber)
            && ! (n >= firstAddress && n <= lastAddress) && n != valueHigh && n != valueLow && n < firstChannelMode;
    }
} // namespace midicc

} // namespace zr9
