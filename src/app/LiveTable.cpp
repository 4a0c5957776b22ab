#include "LiveTable.h"

#include "model/ValueText.h"

#include <algorithm>
#include <limits>

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

    // Display code of a program number held as bank (the row before) and number in the bank.
    constexpr int displayBankAndNumber = 2102;
    constexpr int programsPerBank = 128;

    constexpr int firstChannelKey = 200;
    constexpr std::array<const char*, 18> channelNames {
        "Insert", "Insert Out", "FX Alloc", "AUX 1 FXC", "Aux 1 Level", "AUX 1 Out", "AUX 2 FXC", "Aux 2 Level",
        "AUX 2 Out", "Pan", "Level", "Program", "Solo", "Mute", nullptr, "Program Bank", "RFU", "Program No."
    };

    constexpr int firstGlobalKey = 400;
    constexpr std::array<const char*, 11> globalNames {
        "Playing Mode", "Multi", "AUX 1 Override", "AUX 1 Ovr On/Off", "AUX 1 Ovr Mod", "AUX 2 Override",
        "AUX 2 Ovr On/Off", "AUX 2 Ovr Mod", "Multi Prog No", "Multi Bank No", "RFU Multi"
    };

    /** The key as a number; -1 when it is empty or not all digits. */
    int keyNumber (const char* key) noexcept
    {
        if (key == nullptr || *key == 0)
            return -1;
        int n = 0;
        for (const char* p = key; *p != 0; ++p)
        {
            if (*p < '0' || *p > '9' || n > 100000)
                return -1;
            n = n * 10 + (*p - '0');
        }
        return n;
    }

    std::string channelSuffix (int channel) { return " Ch." + std::to_string (channel + 1); }
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

std::string LiveTable::channelParameterName (int key)
{
    const int i = key - firstChannelKey;
    if (i < 0 || i >= (int) channelNames.size())
        return {};
    const char* name = channelNames[(size_t) i];
    return name != nullptr ? std::string (name) : "Index " + std::to_string (key);
}

std::string LiveTable::globalParameterName (int key)
{
    const int i = key - firstGlobalKey;
    if (i < 0 || i >= (int) globalNames.size())
        return {};
    return globalNames[(size_t) i];
}

std::string LiveTable::name (int row) const
{
    if (! isRow (row))
        return {};
    const auto& r = rows[(size_t) row];
    switch (r.group)
    {
        case groupChannel:
            return channelParameterName (keyNumber (r.nameKey)) + channelSuffix (r.channel);
        case groupController:
            if (*r.nameKey == 0)
                return "MIDI " + std::to_string (r.sourceOffset) + channelSuffix (r.channel);
            return r.nameKey + channelSuffix (r.channel);
        case groupGlobal:
            return globalParameterName (keyNumber (r.nameKey));
        default:
            return "N " + std::to_string (row);
    }
}

float LiveTable::normalised (int row) const noexcept
{
    if (! isRow (row))
        return 0.0f;
    const auto& r = rows[(size_t) row];
    const double span = (double) r.maximum - (double) r.minimum;
    if (span <= 0.0)
        return 0.0f;
    const double n = ((double) get (row) - (double) r.minimum) / span;
    return (float) std::clamp (n, 0.0, 1.0);
}

std::string LiveTable::text (int row, const ObjectNameSource* names) const
{
    if (! isRow (row))
        return {};
    const auto& r = rows[(size_t) row];
    long long value = get (row);
    if (r.displayCode == displayBankAndNumber)
        value += (long long) programsPerBank * get (row - 1);
    // Stored values are ints; a sum beyond them cannot name any program.
    const int shown = (int) std::clamp<long long> (value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
    return valueText (shown, r.displayCode, names);
}

const LiveRowInfo& LiveTable::info (int row) const noexcept
{
    static const LiveRowInfo none {};
    return isRow (row) ? rows[(size_t) row] : none;
}

} // namespace zr9
