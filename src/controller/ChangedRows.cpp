#include "ChangedRows.h"

namespace zr9
{

std::vector<int> ChangedRows::marked() const
{
    std::vector<int> rows;
    for (int row = 0; row < LiveTable::rowCount; ++row)
        if (flags[(size_t) row].load (std::memory_order_relaxed))
            rows.push_back (row);
    return rows;
}

void ChangedRows::clear() noexcept
{
    for (auto& f : flags)
        f.store (false, std::memory_order_relaxed);
    arrangements.fetch_add (1, std::memory_order_acq_rel);
}

} // namespace zr9
