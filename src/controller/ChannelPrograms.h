#pragma once

#include "EffectSelection.h"
#include "LiveTable.h"

#include "model/ByteView.h"

#include <array>
#include <atomic>
#include <mutex>
#include <optional>

namespace zr9
{

class RK2Class;

/**
    Which program each MIDI channel plays, and what follows from it: the
    channel's program edit object loaded from the program bank, the channel's
    block of the live table filled from the program's bytes, and the channel's
    effect selection.

    A program can land on a channel from the MIDI input thread (a program
    change, the global-part check) and from the message thread (a page, an
    arrangement) at the same time: one program change runs at a time, under
    the lock, from the check to the last filled value. The program bank is
    read through its published snapshot.
*/
class ChannelPrograms
{
public:

    ChannelPrograms (RK2Class& model, LiveTable& table);

    /**
        Sets channel c's program p (from 1): loads it into the channel's edit
        object when the bank holds it and fills the channel's block from its
        bytes. False, and nothing changes, for p below 1, a channel outside 0
        to 15, or the program the channel already plays.
    */
    bool set (int program, int channel);

    /** The channel's current program; 1 when it has none yet or the channel does not exist. */
    int current (int channel) const noexcept;

    /** Channel c's insert, aux 1 and aux 2 chains with their names from the FX chain bank. */
    ChannelEffects effects (int channel) const { return selection.channel (channel); }
    /** Names the channel's three chains again, with `value` in place of chain row `changedSlot` (-1 for none). */
    void rebuildEffects (int channel, int changedSlot, int value);

    // What incoming bank selects and program changes leave behind (MIDI input thread).
    void setBankSelect (int channel, int value);
    /** Records a program change and combines it with the bank select; the combined number when it is new for the channel. */
    std::optional<int> combineProgramChange (int channel, int program);

private:
    struct ChannelState
    {
        int bankSelect = 0;
        int combinedProgram = 0;
    };

    void fillChannelBlock (int channel, int program, ByteView data);

    RK2Class& model;
    LiveTable& table;
    EffectSelection selection;
    mutable std::mutex lock; // one program change at a time; the incoming-change bookkeeping
    std::array<ChannelState, channelCount> channels {};
    std::array<std::atomic<int>, channelCount> currentPrograms;
};

} // namespace zr9
