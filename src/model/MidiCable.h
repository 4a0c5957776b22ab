#pragma once

namespace zr9
{

/** A MIDI cable carries 31,250 bits a second, ten bits a byte: a byte takes 320 microseconds. */
constexpr int midiCableMicrosecondsPerByte = 320;

/** Milliseconds `bytes` bytes take on a MIDI cable, rounded up. */
constexpr long long midiCableMs (long long bytes) noexcept
{
    return (bytes * midiCableMicrosecondsPerByte + 999) / 1000;
}

} // namespace zr9
