// Reads arbitrary bytes as an arrangement file (".zr9arr") and as a bank state
// or preset bank file: nothing is read past the end, a refused blob leaves the
// bank exactly as it was, a taken blob replaces whole records only, and what
// is written back reads back the same.

#include "model/ArrangementState.h"

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
    return 0;
}
