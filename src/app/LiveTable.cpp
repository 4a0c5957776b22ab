#include "LiveTable.h"

namespace zr9
{

namespace
{
    struct ChannelSlotSpec
    {
        int kind, sourceOffset, minimum, maximum, displayCode;
        const char* nameKey;
    };

    // One channel block; the same for every channel.
    constexpr std::array<ChannelSlotSpec, LiveTable::channelBlockSize> channelBlock { {
        { 12, 84, 0, 8192, 2200, "216" },
        { 1, 83, 0, 1, 778, "201" },
        { 1, 100, 0, 1, 778, "202" },
        { 13, 96, 0, 8192, 2200, "216" },
        { 1, 86, 0, 100, 782, "204" },
        { 1, 95, 0, 1, 778, "205" },
        { 14, 108, 0, 8192, 2200, "216" },
        { 1, 87, 0, 120, 118, "207" },
        { 1, 187, 0, 1, 778, "208" },
        { 1, 58, -64, 64, 107, "209" },
        { 1, 55, -96, 24, 108, "210" },
        { 2, 0, 1, 2048, 2100, "211" },
        { 0, 0, 0, 1, 778, "212" },
        { 0, 0, 0, 1, 778, "213" },
        { 20, 0, 0, 15, 744, "215" },
        { 21, 0, 0, 127, 2102, "217" },
    } };

    struct GlobalRowSpec
    {
        int kind, minimum, maximum, initial, displayCode;
        const char* nameKey;
    };

    constexpr std::array<GlobalRowSpec, LiveTable::globalRowCount> globalRows { {
        { 3, 1, 127, 1, 2800, "410" },
        { 5, 1, 2, 1, 400, "400" },
        { 6, 1, 2048, 1, 2200, "402" },
        { 8, 0, 1, 0, 778, "403" },
        { 10, 0, 255, 0, 0, "404" },
        { 7, 1, 2048, 1, 2200, "405" },
        { 9, 0, 1, 0, 778, "406" },
        { 11, 0, 255, 0, 0, "407" },
        { 22, 0, 15, 1, 744, "409" },
        { 23, 0, 127, 1, 2800, "408" },
    } };

    constexpr int controllerKind = 18;
    constexpr int globalSourceOffset = 84;
} // namespace

LiveTable::LiveTable() : values (new std::atomic<int>[(size_t) rowCount])
{
    rows.reserve ((size_t) rowCount);
    for (int c = 0; c < channelCount; ++c)
        for (int s = 0; s < channelBlockSize; ++s)
        {
            const auto& spec = channelBlock[(size_t) s];
            rows.push_back ({ s, spec.kind, spec.sourceOffset, groupChannel, c, spec.minimum, spec.maximum, spec.displayCode, spec.nameKey });
        }

    for (int c = 0; c < channelCount; ++c)
        for (int n = 0; n < controllerBlockSize; ++n)
            rows.push_back ({ n, controllerKind, n, groupController, c, 0, 127, 0, "" });

    for (int g = 0; g < globalRowCount; ++g)
    {
        const auto& spec = globalRows[(size_t) g];
        rows.push_back ({ g, spec.kind, globalSourceOffset, groupGlobal, 0, spec.minimum, spec.maximum, spec.displayCode, spec.nameKey });
    }

    for (int r = 0; r < rowCount; ++r)
        values[(size_t) r].store (0);
    for (int g = 0; g < globalRowCount; ++g)
        values[(size_t) (firstGlobalRow + g)].store (globalRows[(size_t) g].initial);
}

const LiveRowInfo& LiveTable::info (int row) const noexcept
{
    static const LiveRowInfo none {};
    return isRow (row) ? rows[(size_t) row] : none;
}

} // namespace zr9
