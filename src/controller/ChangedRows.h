#pragma once

#include "LiveTable.h"

#include <array>
#include <atomic>
#include <vector>

namespace zr9
{

/**
    Which live rows changed since the current arrangement was applied: from
    a page, from the host or from the instrument. A plug-in's state carries
    these rows' values, so a project brings back what the musician did on top
    of the arrangement.

    Any thread: one atomic flag per row, marked where a change is stored and
    cleared when an arrangement has been applied. Each clearing starts a new
    arrangement count, which tells work left over from an earlier
    arrangement that it is out of date.
*/
class ChangedRows
{
public:
    void mark (int row) noexcept
    {
        if (LiveTable::isRow (row))
            flags[(size_t) row].store (true, std::memory_order_relaxed);
    }
    bool isMarked (int row) const noexcept
    {
        return LiveTable::isRow (row) && flags[(size_t) row].load (std::memory_order_relaxed);
    }
    /** Every marked row, in row order. */
    std::vector<int> marked() const;

    /** An arrangement was applied: nothing has changed since. */
    void clear() noexcept;
    /** How many arrangements were applied so far. */
    unsigned arrangementCount() const noexcept { return arrangements.load (std::memory_order_acquire); }

private:
    std::array<std::atomic<bool>, LiveTable::rowCount> flags {};
    std::atomic<unsigned> arrangements { 0 };
};

} // namespace zr9
