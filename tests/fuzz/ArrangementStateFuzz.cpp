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

    Bytes bank (arrangement::bankSize, 0x5A);
    const Bytes before = bank;
    const int taken = BankState::readInto (blob, bank);
    if (taken < 0 || taken > arrangement::slotCount || bank.size() != before.size())
        std::abort();
    const auto replaced = (size_t) taken * (size_t) arrangement::recordSize;
    if (taken > 0 && std::memcmp (bank.data(), data + BankState::recordsOffset, replaced) != 0)
        std::abort();
    if (std::memcmp (bank.data() + replaced, before.data() + replaced, bank.size() - replaced) != 0)
        std::abort();

    const auto state = BankState::make (ByteView (bank));
    Bytes back (arrangement::bankSize, 0);
    if (state.size() != (size_t) BankState::size || BankState::readInto (ByteView (state), back) != arrangement::slotCount || back != bank)
        std::abort();
    return 0;
}
