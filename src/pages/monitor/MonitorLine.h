#pragma once

#include "model/MessageMeaning.h"
#include "model/MonitorMessage.h"

#include <cstdint>

namespace zr9
{

/** One line of the MIDI monitor: a message and what it means, numbered in the order it was recorded. */
struct MonitorLine
{
    std::uint64_t sequence = 0;
    monitor::MonitorMessage message;
    monitor::Meaning meaning;
};

/** Which lines the monitor's list shows. */
struct MonitorFilter
{
    static constexpr int allChannels = -1;

    bool in = true, out = true;
    bool channelMessages = true, sysEx = true, liveRows = true;
    int channel = allChannels; // 0 to 15: only the lines that concern that MIDI channel

    bool passes (const MonitorLine& line) const noexcept
    {
        const bool direction = line.message.direction == monitor::Direction::in ? in : out;
        const auto kinds = line.meaning.kinds;
        const bool kind = (channelMessages && (kinds & monitor::kind::channel) != 0)
                       || (sysEx && (kinds & monitor::kind::systemExclusive) != 0)
                       || (liveRows && (kinds & monitor::kind::liveRow) != 0);
        return direction && kind && (channel == allChannels || line.meaning.channel == channel);
    }

    bool operator== (const MonitorFilter& o) const noexcept
    {
        return in == o.in && out == o.out && channelMessages == o.channelMessages && sysEx == o.sysEx
            && liveRows == o.liveRows && channel == o.channel;
    }
    bool operator!= (const MonitorFilter& o) const noexcept { return ! (*this == o); }
};

} // namespace zr9
