#pragma once

#include "MonitorLine.h"

#include <deque>
#include <memory>

namespace zr9
{

/**
    What the MIDI monitor keeps and what its list shows. The history holds
    the latest lines, at most `maxLines` of them and about `maxBytes` of
    memory, so a long session stays flat; the oldest go first. The rows are
    the history's lines that pass the filter, in order.

    While paused the rows stay as they are (lines keep being recorded, and
    the rows keep the lines they show even when the history lets them go);
    going on shows the history again. Plain C++; message thread.
*/
class MonitorLog
{
public:
    static constexpr std::size_t defaultMaxLines = 20000;
    static constexpr std::size_t defaultMaxBytes = 16 * 1024 * 1024;

    using Line = std::shared_ptr<const MonitorLine>;

    explicit MonitorLog (std::size_t maxLines = defaultMaxLines, std::size_t maxBytes = defaultMaxBytes);

    void add (monitor::MonitorMessage&& message, monitor::Meaning&& meaning);
    /** Forgets every line. */
    void clear();

    void setFilter (const MonitorFilter& f);
    const MonitorFilter& filter() const noexcept { return shownBy; }

    void setPaused (bool paused);
    bool isPaused() const noexcept { return paused; }
    /** Lines recorded since the pause began. */
    std::size_t recordedWhilePaused() const noexcept { return pausedLines; }

    std::size_t rowCount() const noexcept { return rows.size(); }
    const MonitorLine& row (std::size_t r) const { return *rows[r]; }
    /** The lines the history holds now. */
    std::size_t lineCount() const noexcept { return history.size(); }
    std::size_t bytesKept() const noexcept { return bytes; }

    /** How many rows left the top of the list because the history let their lines go, since the last call. */
    std::size_t takeRowsDroppedAtTop() noexcept;

private:
    static std::size_t weightOf (const MonitorLine& line) noexcept;
    void evictOldest();
    void refill();

    const std::size_t maxLines, maxBytes;
    std::deque<Line> history;
    std::deque<Line> rows;
    MonitorFilter shownBy;
    std::size_t bytes = 0;
    std::uint64_t nextSequence = 0;
    bool paused = false;
    std::uint64_t pausedAt = 0;      // the first line recorded after the pause began
    std::size_t pausedLines = 0;
    std::size_t droppedAtTop = 0;
};

} // namespace zr9
