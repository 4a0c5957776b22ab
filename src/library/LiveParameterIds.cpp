#include "LiveParameterIds.h"

#include "controller/LiveTable.h"

namespace zr9
{

namespace
{
    const char* const channelSlotIds[LiveTable::channelBlockSize] {
        "insert_chain", "insert_out", "fx_alloc", "aux1_chain", "aux1_level", "aux1_out", "aux2_chain", "aux2_level",
        "aux2_out", "pan", "level", "program", "solo", "mute", "program_bank", "program_no"
    };

    const char* const globalIds[LiveTable::globalRowCount] {
        "multi", "playing_mode", "aux1_override", "aux1_override_on", "aux1_override_mod",
        "aux2_override", "aux2_override_on", "aux2_override_mod", "multi_bank_no", "multi_prog_no"
    };

    juce::String channelPrefix (int channel)
    {
        return "ch" + juce::String (channel + 1).paddedLeft ('0', 2) + "_";
    }
} // namespace

juce::String liveParameterId (int row)
{
    if (! LiveTable::isRow (row))
        return {};
    if (row < LiveTable::firstControllerRow)
        return channelPrefix (row / LiveTable::channelBlockSize) + channelSlotIds[row % LiveTable::channelBlockSize];
    if (row < LiveTable::firstGlobalRow)
    {
        const int r = row - LiveTable::firstControllerRow;
        return channelPrefix (r / LiveTable::controllerBlockSize) + "cc" + juce::String (r % LiveTable::controllerBlockSize).paddedLeft ('0', 3);
    }
    return globalIds[row - LiveTable::firstGlobalRow];
}

} // namespace zr9
