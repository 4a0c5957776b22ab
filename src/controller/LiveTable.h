#pragma once

#include "model/LiveRowLayout.h"

#include <array>
#include <atomic>
#include <memory>
#include <string>
#include <vector>

namespace zr9
{

class ObjectNameSource;

/** How a change of a live row is sent to the instrument. */
enum class RowKind : int
{
    notSent = 0,          // solo, mute
    addressed = 1,        // a controller-address message
    channelProgram = 2,   // the channel program message
    multi = 3,            // the value message (row 2304)
    playingMode = 5,      // a controller-address message on channel 1
    aux1Override = 6, aux2Override = 7, aux1OverrideOn = 8, aux2OverrideOn = 9,
    aux1OverrideMod = 10, aux2OverrideMod = 11,
    insertChain = 12, aux1Chain = 13, aux2Chain = 14,   // a controller-address message, after the effect selection is rebuilt
    controller = 18,      // one controller message
    programBank = 20, programNumber = 21, multiBank = 22, multiNumber = 23
};

constexpr bool isChainKind (RowKind k) noexcept
{
    return k == RowKind::insertChain || k == RowKind::aux1Chain || k == RowKind::aux2Chain;
}

/** What one live row is, apart from its value. */
struct LiveRowInfo
{
    int slot = 0;
    RowKind kind = RowKind::notSent;
    int sourceOffset = 0;  // channel rows: byte of the program data; controller rows: controller number
    int group = 0;         // 15 channel, 17 controller, 19 global
    int channel = 0;       // 0 to 15
    int minimum = 0;
    int maximum = 0;
    int displayCode = 0;   // how the value reads as text (model/DisplayTypes.h)
    int nameKey = 0;       // key into the parameter-name tables; 0 for controller rows
};

/**
    Every value the program can change on the instrument while it plays:
    16 channel blocks of 16 rows, 16 controller blocks of 128 rows and ten
    global rows, 2,314 rows in all. The row number is also the plug-in
    parameter index.

    Values are single integers written on the MIDI input thread and read on
    the message thread; each is atomic. A row beyond the table reads 0 and
    ignores writes.
*/
class LiveTable : public LiveRowLayout
{
public:

    static constexpr int groupChannel = 15;
    static constexpr int groupController = 17;
    static constexpr int groupGlobal = 19;

    LiveTable();

    static constexpr int size() noexcept { return rowCount; }

    /** The row's description; an all-zero description for a row beyond the table. */
    const LiveRowInfo& info (int row) const noexcept;
    int get (int row) const noexcept { return isRow (row) ? values[(size_t) row].load (std::memory_order_relaxed) : 0; }
    void store (int row, int value) noexcept
    {
        if (isRow (row))
            values[(size_t) row].store (value, std::memory_order_relaxed);
    }

    // ------------------------------------------------- what a plug-in host sees
    /**
        "Pan Ch.3", "MIDI 7 Ch.1", "Playing Mode"; the effect-chain rows
        "Insert FXC Ch.1", "AUX 1 FXC Ch.1", "AUX 2 FXC Ch.1". Empty beyond
        the table.
    */
    std::string name (int row) const;
    /**
        The value within the row's range as 0 to 1; 0 beyond the table. Values
        filled from program bytes can lie outside the range (pan is stored as
        0 to 255), so the result is held to 0 to 1 as a host expects.
    */
    float normalised (int row) const noexcept;
    /** The value as its display code reads it; bank and number together for 2102. Empty beyond the table. */
    std::string text (int row, const ObjectNameSource* names) const;

    /** Channel names 200 to 217 ("Index 214" for a key without one); empty for other keys. */
    static std::string channelParameterName (int key);
    /** Global names 400 to 410; empty for other keys. */
    static std::string globalParameterName (int key);

private:
    std::vector<LiveRowInfo> rows;
    std::unique_ptr<std::atomic<int>[]> values;
};

} // namespace zr9
