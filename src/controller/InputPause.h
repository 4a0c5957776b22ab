#pragma once

#include "midi/Clock.h"

#include <atomic>
#include <cstdint>

namespace zr9
{

/**
    Drops incoming MIDI while the instrument changes over: a pause lasts from
    now for the given time, and a new pause starts the time again. Paused on
    the message thread, asked on the MIDI input thread.
*/
class InputPause
{
public:
    explicit InputPause (Clock& c) : clock (c) {}

    void pause (int milliseconds) noexcept { until = clock.nowMs() + (std::uint64_t) (milliseconds > 0 ? milliseconds : 0); }
    bool isPaused() const noexcept { return clock.nowMs() < until.load(); }

private:
    Clock& clock;
    std::atomic<std::uint64_t> until { 0 };
};

} // namespace zr9
