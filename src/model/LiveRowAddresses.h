#pragma once

#include "LiveRowLayout.h"
#include "MidiControllers.h"

#include <array>
#include <optional>

namespace zr9::liveaddress
{

/** The five numbers of a controller-address message (controllers 110 to 114). */
using Address = std::array<int, midicc::addressLength>;

/** The playing mode (live row 2305) is sent with this address, always on MIDI channel 1. */
constexpr Address playingMode { 12, 0, 0, 0, 11 };
constexpr int playingModeChannel = 0; // 0-based: MIDI channel 1

/** A program's category and sub-type, sent on the MIDI channel of the edited slot. */
constexpr Address programCategory { 1, 0, 0, 0, 0 };
constexpr Address programSubType { 1, 0, 0, 0, 1 };

/** The address a channel row's slot is sent with; none for the slots that are not sent as one. */
std::optional<Address> ofChannelSlot (int slot) noexcept;

/**
    The live row a controller-address message on MIDI channel 0 to 15
    changes: the channel row whose slot is sent with this address, or the
    playing mode on channel 1. -1 for an address no live row is sent with.
*/
int rowOf (const Address& address, int channel) noexcept;

} // namespace zr9::liveaddress
