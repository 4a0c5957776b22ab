#pragma once

#include "ObjectSelector.h"
#include "ui/PageCommands.h"

namespace zr9
{

/**
    The effect-chain selector, opened for one channel and one of its three
    chain slots (page types 0 insert, 3 aux 1, 6 aux 2): the FX chains of
    the bank with their effects abbreviated, grouped by the 17 FX
    categories. The channel's chain is lit; selecting sets the channel's
    chain row with sending, which also rebuilds the channel's effect
    selection.
*/
class FxcSelClass : public ObjectSelector
{
public:
    explicit FxcSelClass (MidiCntrState& controller);

    /** Works on chain slot `slot` (0, 3 or 6; others are taken as 0) of channel 0 to 15. */
    void setTarget (int slot, int channel);
    int slot() const noexcept { return chainSlot; }
    int channel() const noexcept { return chainChannel; }
    juce::String targetText() const { return target.getText(); }

protected:
    int currentNumber() const override;
    void apply (int number) override;
    /** The chain row, and the channel's program row: a new program brings its own chains. */
    bool followsRow (int row) const override
    {
        return row == chainRow() || row == LiveTable::channelRow (chainChannel, LiveTable::slotProgram);
    }
    std::vector<SelectorEntry> buildEntries() override;

private:
    int chainRow() const noexcept { return LiveTable::channelRow (chainChannel, chainSlot); }

    int chainSlot = selectortype::insertChain;
    int chainChannel = 0;
    juce::Label target;
};

} // namespace zr9
