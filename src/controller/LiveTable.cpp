#include "LiveTable.h"

#include "model/DisplayTypes.h"
#include "model/MidiChannels.h"
#include "model/ValueText.h"

#include <algorithm>
#include <limits>

namespace zr9
{

namespace
{
    struct ChannelSlotPlan
    {
        RowKind kind;
        int sourceOffset, minimum, maximum, displayCode, nameKey;
    };

    // One channel block; the same for every channel.
    constexpr std::array<ChannelSlotPlan, LiveTable::channelBlockSize> channelBlock { {
        { RowKind::insertChain, 84, 0, 8192, display::fxChainName, 216 },
        { RowKind::addressed, 83, 0, 1, display::onOff, 201 },
        { RowKind::addressed, 100, 0, 1, display::onOff, 202 },
        { RowKind::aux1Chain, 96, 0, 8192, display::fxChainName, 216 },
        { RowKind::addressed, 86, 0, 100, display::percent, 204 },
        { RowKind::addressed, 95, 0, 1, display::onOff, 205 },
        { RowKind::aux2Chain, 108, 0, 8192, display::fxChainName, 216 },
        { RowKind::addressed, 87, 0, 120, display::decibelsFrom96, 207 },
        { RowKind::addressed, 187, 0, 1, display::onOff, 208 },
        { RowKind::addressed, 58, -64, 64, display::panPosition, 209 },
        { RowKind::addressed, 55, -96, 24, display::levelDecibels, 210 },
        { RowKind::channelProgram, 0, 1, 2048, display::programName, 211 },
        { RowKind::notSent, 0, 0, 1, display::onOff, 212 },
        { RowKind::notSent, 0, 0, 1, display::onOff, 213 },
        { RowKind::programBank, 0, 0, 15, display::bankNumber, 215 },
        { RowKind::programNumber, 0, 0, 127, display::programBankAndNumber, 217 },
    } };

    struct GlobalRowPlan
    {
        RowKind kind;
        int minimum, maximum, initial, displayCode, nameKey;
    };

    constexpr std::array<GlobalRowPlan, LiveTable::globalRowCount> globalRows { {
        { RowKind::multi, 1, 127, 1, display::setupName, 410 },
        { RowKind::playingMode, 1, 2, 1, display::playingMode, 400 },
        { RowKind::aux1Override, 1, 2048, 1, display::fxChainName, 402 },
        { RowKind::aux1OverrideOn, 0, 1, 0, display::onOff, 403 },
        { RowKind::aux1OverrideMod, 0, 255, 0, display::plainNumber, 404 },
        { RowKind::aux2Override, 1, 2048, 1, display::fxChainName, 405 },
        { RowKind::aux2OverrideOn, 0, 1, 0, display::onOff, 406 },
        { RowKind::aux2OverrideMod, 0, 255, 0, display::plainNumber, 407 },
        { RowKind::multiBank, 0, 15, 1, display::bankNumber, 409 },
        { RowKind::multiNumber, 0, 127, 1, display::setupName, 408 },
    } };

    constexpr int globalSourceOffset = 84;

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

    /** Entry `key - first` of a name table; nullptr when the key lies outside it (any int may arrive). */
    template <size_t n>
    const char* const* nameEntry (const std::array<const char*, n>& table, int first, int key) noexcept
    {
        // Compared before subtracting: key - first overflows for keys near INT_MIN.
        if (key < first || key > first + (int) n - 1)
            return nullptr;
        return &table[(size_t) (key - first)];
    }

    std::string channelSuffix (int channel) { return " Ch." + std::to_string (channel + 1); }

    /**
        The name table gives the three effect-chain rows of a channel the one
        key "RFU"; a host lists the rows by name, so each is named for its
        chain instead.
    */
    const char* chainRowName (RowKind kind) noexcept
    {
        if (kind == RowKind::insertChain)
            return "Insert FXC";
        if (kind == RowKind::aux1Chain)
            return "AUX 1 FXC";
        if (kind == RowKind::aux2Chain)
            return "AUX 2 FXC";
        return nullptr;
    }
} // namespace

LiveTable::LiveTable() : values (new std::atomic<int>[(size_t) rowCount])
{
    rows.reserve ((size_t) rowCount);
    for (int c = 0; c < channelCount; ++c)
        for (int s = 0; s < channelBlockSize; ++s)
        {
            const auto& plan = channelBlock[(size_t) s];
            rows.push_back ({ s, plan.kind, plan.sourceOffset, groupChannel, c, plan.minimum, plan.maximum, plan.displayCode, plan.nameKey });
        }

    for (int c = 0; c < channelCount; ++c)
        for (int n = 0; n < controllerBlockSize; ++n)
            rows.push_back ({ n, RowKind::controller, n, groupController, c, 0, 127, display::plainNumber, 0 });

    for (int g = 0; g < globalRowCount; ++g)
    {
        const auto& plan = globalRows[(size_t) g];
        rows.push_back ({ g, plan.kind, globalSourceOffset, groupGlobal, 0, plan.minimum, plan.maximum, plan.displayCode, plan.nameKey });
    }

    for (int r = 0; r < rowCount; ++r)
        values[(size_t) r].store (0);
    for (int g = 0; g < globalRowCount; ++g)
        values[(size_t) (firstGlobalRow + g)].store (globalRows[(size_t) g].initial);
}

std::string LiveTable::channelParameterName (int key)
{
    const auto* entry = nameEntry (channelNames, firstChannelKey, key);
    if (entry == nullptr)
        return {};
    return *entry != nullptr ? std::string (*entry) : "Index " + std::to_string (key);
}

std::string LiveTable::globalParameterName (int key)
{
    const auto* entry = nameEntry (globalNames, firstGlobalKey, key);
    return entry != nullptr ? std::string (*entry) : std::string();
}

std::string LiveTable::name (int row) const
{
    if (! isRow (row))
        return {};
    const auto& r = rows[(size_t) row];
    switch (r.group)
    {
        case groupChannel:
            if (const auto* chain = chainRowName (r.kind))
                return chain + channelSuffix (r.channel);
            return channelParameterName (r.nameKey) + channelSuffix (r.channel);
        case groupController:
            // Controller rows carry no name key: they are named by their controller number.
            return "MIDI " + std::to_string (r.sourceOffset) + channelSuffix (r.channel);
        case groupGlobal:
            return globalParameterName (r.nameKey);
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
    if (r.displayCode == display::programBankAndNumber)
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
