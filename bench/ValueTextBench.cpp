// How long value texts take: a page refresh formats a few hundred values, a
// host may ask for the texts of all 2,314 live rows at once.

#include "controller/LiveTable.h"
#include "model/ValueText.h"

#include <benchmark/benchmark.h>

using namespace zr9;

namespace
{
struct FixedNames final : ObjectNameSource
{
    std::string objectName (int, int) const override { return "Indie Piano 2       "; }
};

/** Every display type from 0 to 2999 with values across the usual stored range. */
void BM_ValueTextEveryDisplayType (benchmark::State& state)
{
    const FixedNames names;
    for (auto _ : state)
        for (int t = 0; t < 3000; ++t)
            for (int v = -130; v <= 260; v += 13)
                benchmark::DoNotOptimize (valueText (v, t, &names));
    state.SetItemsProcessed (state.iterations() * 3000 * 31);
}
BENCHMARK (BM_ValueTextEveryDisplayType)->Unit (benchmark::kMillisecond);

void BM_LiveTableAllTexts (benchmark::State& state)
{
    const LiveTable table;
    const FixedNames names;
    for (auto _ : state)
        for (int row = 0; row < LiveTable::rowCount; ++row)
            benchmark::DoNotOptimize (table.text (row, &names));
    state.SetItemsProcessed (state.iterations() * LiveTable::rowCount);
}
BENCHMARK (BM_LiveTableAllTexts)->Unit (benchmark::kMicrosecond);
} // namespace
