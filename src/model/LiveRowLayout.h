#pragma once

#include "MidiChannels.h"

namespace zr9
{

/**
    Where each live value lies in the table of 2,314 live rows: 16 channel
    blocks of 16 rows, then 16 controller blocks of 128 rows, then ten
    global rows. The row number is also the plug-in parameter index, and the
    arrangement record names its fields by these rows.
*/
struct LiveRowLayout
{
    static constexpr int channelBlockSize = 16;
    static constexpr int controllerBlockSize = 128;
    static constexpr int firstControllerRow = channelCount * channelBlockSize;                  // 256
    static constexpr int firstGlobalRow = firstControllerRow + channelCount * controllerBlockSize; // 2304
    static constexpr int globalRowCount = 10;
    static constexpr int rowCount = firstGlobalRow + globalRowCount;                             // 2314

    /** Slots of a channel block. */
    enum ChannelSlot
    {
        slotInsertChain = 0, slotInsertOut = 1, slotFxAlloc = 2, slotAux1Chain = 3, slotAux1Level = 4,
        slotAux1Out = 5, slotAux2Chain = 6, slotAux2Level = 7, slotAux2Out = 8, slotPan = 9, slotLevel = 10,
        slotProgram = 11, slotSolo = 12, slotMute = 13, slotProgramBank = 14, slotProgramNumber = 15
    };

    /** The global rows, in their order. */
    static constexpr int rowMulti = firstGlobalRow;             // 2304
    static constexpr int rowPlayingMode = firstGlobalRow + 1;   // 2305
    static constexpr int rowAux1Override = firstGlobalRow + 2;
    static constexpr int rowAux1OverrideOn = firstGlobalRow + 3;
    static constexpr int rowAux1OverrideMod = firstGlobalRow + 4;
    static constexpr int rowAux2Override = firstGlobalRow + 5;
    static constexpr int rowAux2OverrideOn = firstGlobalRow + 6;
    static constexpr int rowAux2OverrideMod = firstGlobalRow + 7; // 2311
    static constexpr int rowMultiBank = firstGlobalRow + 8;
    static constexpr int rowMultiNumber = firstGlobalRow + 9;

    static constexpr int channelRow (int channel, int slot) noexcept { return channel * channelBlockSize + slot; }
    static constexpr int controllerRow (int channel, int controller) noexcept
    {
        return firstControllerRow + channel * controllerBlockSize + controller;
    }
    static constexpr bool isRow (int row) noexcept { return row >= 0 && row < rowCount; }
};

} // namespace zr9
