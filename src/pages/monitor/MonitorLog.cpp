#include "MonitorLog.h"

namespace zr9
{

namespace
{
    // What a line costs beyond its bytes and its text: the line, its pointers and its place in the lists.
    constexpr std::size_t lineOverhead = 160;
} // namespace

MonitorLog::MonitorLog (std::size_t lines, std::size_t memory) : maxLines (std::max<std::size_t> (1, lines)), maxBytes (memory) {}

std::size_t MonitorLog::weightOf (const MonitorLine& line) noexcept
{
    return lineOverhead + line.message.bytes.capacity() + line.meaning.text.capacity();
}

void MonitorLog::add (monitor::MonitorMessage&& message, monitor::Meaning&& meaning)
{
    auto line = std::make_shared<MonitorLine>();
    line->sequence = nextSequence++;
    line->message = std::move (message);
    line->meaning = std::move (meaning);
    bytes += weightOf (*line);
    history.push_back (line);
    if (paused)
        ++pausedLines;
    else if (shownBy.passes (*line))
        rows.push_back (std::move (line));

    while (history.size() > maxLines || (bytes > maxBytes && history.size() > 1))
        evictOldest();
}

void MonitorLog::evictOldest()
{
    const auto oldest = std::move (history.front());
    history.pop_front();
    bytes -= std::min (bytes, weightOf (*oldest));
    // The rows follow the history in order, so the line that goes can only be the first row.
    if (! paused && ! rows.empty() && rows.front() == oldest)
    {
        rows.pop_front();
        ++droppedAtTop;
    }
}

void MonitorLog::clear()
{
    history.clear();
    rows.clear();
    bytes = 0;
    pausedLines = 0;
    droppedAtTop = 0;
}

void MonitorLog::setFilter (const MonitorFilter& f)
{
    if (f == shownBy)
        return;
    shownBy = f;
    refill();
}

void MonitorLog::setPaused (bool p)
{
    if (p == paused)
        return;
    paused = p;
    pausedLines = 0;
    pausedAt = nextSequence;
    if (! paused)
        refill();
}

void MonitorLog::refill()
{
    // While paused, a new filter applies to the lines recorded up to the pause.
    const auto end = paused ? pausedAt : nextSequence;
    std::deque<Line> chosen;
    for (const auto& line : history)
        if (line->sequence < end && shownBy.passes (*line))
            chosen.push_back (line);
    rows = std::move (chosen);
    droppedAtTop = 0;
}

std::size_t MonitorLog::takeRowsDroppedAtTop() noexcept
{
    const auto n = droppedAtTop;
    droppedAtTop = 0;
    return n;
}

} // namespace zr9
