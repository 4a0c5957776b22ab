#pragma once

#include "model/MidiChannels.h"

#include <array>
#include <mutex>
#include <string>

namespace zr9
{

class BankIndex;

/** The three effect chains a channel's program plays through, by number and name. */
struct ChannelEffects
{
    static constexpr int insert = 0, aux1 = 1, aux2 = 2;
    std::array<int, 3> chains {};
    std::array<std::string, 3> names {};
};

/**
    Each channel's effect selection: the insert, aux 1 and aux 2 chain
    numbers of the channel's program with the chains' names from the FX chain
    bank. Rebuilt when a program lands on a channel and whenever one of the
    three chain rows of the live table changes; read by the pages.

    Rebuilds run on the MIDI input thread as well as the message thread, so
    every access takes the lock.
*/
class EffectSelection
{
public:

    /** Names the three chains from the bank (empty for a number the bank does not hold) and keeps them. */
    void rebuild (int channel, const std::array<int, 3>& chains, const BankIndex& fxChainBank);
    /** A copy of channel c's selection; all zero and empty for a channel outside 0 to 15. */
    ChannelEffects channel (int c) const;

private:
    mutable std::mutex lock;
    std::array<ChannelEffects, channelCount> channels;
};

} // namespace zr9
