// Reads arbitrary bytes as an arrangement file (".zr9arr"), as a bank state
// or preset bank file, and as the recall block that follows the bank in a
// plug-in state: nothing is read past the end, a refused blob leaves the
// bank exactly as it was, a taken blob replaces whole records only, a block
// gives only whole values of rows in the table, and what is written back
// reads back the same.

#include "model/ArrangementState.h"
#include "model/RecallState.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

using namespace zr9;

extern "C" int LLVMFuzzerTestOneInput (const std::uint8_t* data, size_t size)
{
    const ByteView blob (data, size);

    if (const auto record = ArrangementState::read (blob))
    {
        if (record->size() != (size_t) arrangement::recordSize || std::memcmp (record->data(), data + ArrangementState::recordOffset, record->size()) != 0)
            std::abort();
        const auto again = ArrangementState::make (ByteView (*record));
        if (again.size() != (size_t) ArrangementState::size || ArrangementState::read (ByteView (again)) != record)
            std::abort();
        for (const auto& field : arrangement::liveFields())
        {
            Bytes copy = *record;
            arrangement::writeField (copy, field, arrangement::readField (ByteView (*record), field));
            if (copy != *record)
                std::abort();
        }
    }

    // Every input starts from the same bank, 0x5A throughout. It is kept from
    // one input to the next and put back afterwards by restoring the records
    // the blob replaced, so no input pays for a whole-bank copy it does not cause.
    static const Bytes before (arrangement::bankSize, 0x5A);
    static Bytes bank = before;
    static Bytes back;
    const int taken = BankState::readInto (blob, bank);
    if (taken < 0 || taken > arrangement::slotCount || bank.size() != before.size())
        std::abort();
    const auto replaced = (size_t) taken * (size_t) arrangement::recordSize;
    if (taken > 0 && std::memcmp (bank.data(), data + BankState::recordsOffset, replaced) != 0)
        std::abort();
    if (std::memcmp (bank.data() + replaced, before.data() + replaced, bank.size() - replaced) != 0)
        std::abort();

    // What is written back reads back the same. The bank a blob leaves as it
    // was is always the same bank, so it is checked on the first such input
    // only; every changed bank is checked anew.
    static bool unchangedChecked = false;
    if (taken > 0 || ! unchangedChecked)
    {
        const auto state = BankState::make (ByteView (bank));
        back.assign ((size_t) arrangement::bankSize, 0);
        if (state.size() != (size_t) BankState::size || BankState::readInto (ByteView (state), back) != arrangement::slotCount || back != bank)
            std::abort();
        unchangedChecked = unchangedChecked || taken == 0;
    }
    std::memcpy (bank.data(), before.data(), replaced);

    // The same bytes as the block after a bank. The bank in front is always
    // the untouched one, so its state is made once.
    static const Bytes baseState = BankState::make (ByteView (before));
    static Bytes withBlock;
    withBlock.assign (baseState.begin(), baseState.end());
    withBlock.insert (withBlock.end(), data, data + size);
    if (const auto recall = RecallState::read (ByteView (withBlock)))
    {
        const auto whole = ((long long) size - RecallState::valuesOffset) / RecallState::valueSize;
        if (recall->record.size() != (size_t) arrangement::recordSize || (long long) recall->values.size() > whole
            || recall->slot < -1 || recall->slot >= arrangement::slotCount)
            std::abort();
        for (const auto& v : recall->values)
            if (! LiveRowLayout::isRow (v.row))
                std::abort();
        auto written = *recall;
        written.slot = std::max (0, recall->slot);
        const auto again = RecallState::read (ByteView (RecallState::make (ByteView (before), written)));
        if (! again.has_value() || again->slot != written.slot || again->record != written.record || again->values != written.values)
            std::abort();
        Bytes slots (arrangement::bankSize, 0);
        if (BankState::readInto (ByteView (withBlock), slots) != arrangement::slotCount || slots != before)
            std::abort();
    }
    return 0;
}
