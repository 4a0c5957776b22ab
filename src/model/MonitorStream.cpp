#include "MonitorStream.h"

#include "MidiControllers.h"

#include <algorithm>

namespace zr9::monitor
{

namespace
{
    constexpr std::uint8_t sysExStart = 0xF0;
    constexpr std::uint8_t sysExEnd = 0xF7;
    constexpr std::uint8_t firstStatus = 0x80;
    constexpr std::uint8_t firstRealTime = 0xF8;
    constexpr std::uint8_t controllerStatus = 0xB0;
    constexpr std::size_t controllerLength = 3;

    // The controllers of one controller-address message, in the order they are sent.
    constexpr std::array<int, 7> addressControllers {
        midicc::firstAddress, midicc::firstAddress + 1, midicc::firstAddress + 2, midicc::firstAddress + 3,
        midicc::lastAddress, midicc::valueHigh, midicc::valueLow
    };

    bool isController (const MonitorMessage& m) noexcept
    {
        return m.size == controllerLength && m.bytes.size() == controllerLength && (m.bytes[0] & 0xF0) == controllerStatus;
    }

    /** The last byte is the end of a System Exclusive message; a message kept only in part is taken as ended. */
    bool endsSysEx (const MonitorMessage& m) noexcept
    {
        return ! m.isWhole() || (! m.bytes.empty() && m.bytes.back() == sysExEnd);
    }
} // namespace

MonitorStream::MonitorStream (Sink s) : sink (std::move (s)) {}

void MonitorStream::add (double timeMs, Direction direction, int port, const std::uint8_t* bytes, std::size_t kept,
                         std::size_t size)
{
    if (bytes == nullptr || kept == 0)
        return;
    MonitorMessage m;
    m.timeMs = timeMs;
    m.direction = direction;
    m.port = port;
    m.bytes.assign (bytes, bytes + std::min (kept, longestKept));
    m.size = std::max (size, m.bytes.size());
    addToDirection (waiting[direction == Direction::out ? 1 : 0], std::move (m));
}

void MonitorStream::addToDirection (Waiting& w, MonitorMessage&& m)
{
    const std::uint8_t first = m.bytes.front();
    // Real-time bytes may travel anywhere, even inside a System Exclusive message.
    if (first >= firstRealTime)
    {
        emit (std::move (m));
        return;
    }

    if (w.sysEx.has_value())
    {
        if (first < firstStatus)
        {
            auto& whole = *w.sysEx;
            const auto room = longestKept - std::min (longestKept, whole.bytes.size());
            whole.bytes.insert (whole.bytes.end(), m.bytes.begin(), m.bytes.begin() + (std::ptrdiff_t) std::min (room, m.bytes.size()));
            whole.size += m.size;
            if (endsSysEx (m))
                flushSysEx (w);
            return;
        }
        flushSysEx (w); // cut short by the next status
    }

    if (! w.controllers.empty())
    {
        const auto& head = w.controllers.front();
        const int expected = addressControllers[w.controllers.size()];
        if (isController (m) && m.bytes[0] == head.bytes[0] && m.bytes[1] == expected)
        {
            continueAddress (w, std::move (m));
            return;
        }
        flushControllers (w);
    }

    if (first == sysExStart)
    {
        if (endsSysEx (m))
            emit (std::move (m));
        else
            w.sysEx = std::move (m);
        return;
    }
    if (isController (m) && m.bytes[1] == addressControllers.front())
    {
        w.controllers.push_back (std::move (m));
        return;
    }
    emit (std::move (m));
}

void MonitorStream::continueAddress (Waiting& w, MonitorMessage&& m)
{
    w.controllers.push_back (std::move (m));
    if (w.controllers.size() < addressControllers.size())
        return;

    // The whole message: one line at the time of its first controller.
    MonitorMessage group = std::move (w.controllers.front());
    for (std::size_t i = 1; i < w.controllers.size(); ++i)
        group.bytes.insert (group.bytes.end(), w.controllers[i].bytes.begin(), w.controllers[i].bytes.end());
    group.size = group.bytes.size();
    group.addressGroup = true;
    w.controllers.clear();
    emit (std::move (group));
}

void MonitorStream::flushControllers (Waiting& w)
{
    for (auto& c : w.controllers)
        emit (std::move (c));
    w.controllers.clear();
}

void MonitorStream::flushSysEx (Waiting& w)
{
    if (w.sysEx.has_value())
        emit (std::move (*w.sysEx));
    w.sysEx.reset();
}

void MonitorStream::flushStale (double nowMs)
{
    for (auto& w : waiting)
    {
        if (w.sysEx.has_value() && nowMs - w.sysEx->timeMs > sysExWaitMs)
            flushSysEx (w);
        if (! w.controllers.empty() && nowMs - w.controllers.front().timeMs > addressWaitMs)
            flushControllers (w);
    }
}

void MonitorStream::flushAll()
{
    for (auto& w : waiting)
    {
        flushSysEx (w);
        flushControllers (w);
    }
}

} // namespace zr9::monitor
