#include "LiveRowAddresses.h"

namespace zr9::liveaddress
{

namespace
{
    struct SlotAddress
    {
        int slot;
        Address address;
    };

    // The channel slots the instrument hears of through a controller-address message.
    constexpr std::array<SlotAddress, 8> channelSlots { {
        { LiveRowLayout::slotInsertChain, { 1, 0, 5, 0, 1 } },
        { LiveRowLayout::slotInsertOut, { 1, 0, 5, 0, 0 } },
        { LiveRowLayout::slotAux1Chain, { 1, 0, 5, 1, 1 } },
        { LiveRowLayout::slotAux1Level, { 1, 0, 5, 0, 2 } },
        { LiveRowLayout::slotAux2Chain, { 1, 0, 5, 2, 1 } },
        { LiveRowLayout::slotAux2Level, { 1, 0, 5, 0, 3 } },
        { LiveRowLayout::slotPan, { 1, 0, 1, 0, 22 } },
        { LiveRowLayout::slotLevel, { 1, 0, 1, 0, 20 } },
    } };
} // namespace

std::optional<Address> ofChannelSlot (int slot) noexcept
{
    for (const auto& s : channelSlots)
        if (s.slot == slot)
            return s.address;
    return std::nullopt;
}

int rowOf (const Address& address, int channel) noexcept
{
    if (channel < 0 || channel >= channelCount)
        return -1;
    if (address == playingMode)
        return channel == playingModeChannel ? LiveRowLayout::rowPlayingMode : -1;
    for (const auto& s : channelSlots)
        if (s.address == address)
            return LiveRowLayout::channelRow (channel, s.slot);
    return -1;
}

} // namespace zr9::liveaddress
