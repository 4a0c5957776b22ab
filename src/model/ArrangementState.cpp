#include "ArrangementState.h"

#include <algorithm>
#include <cstring>

namespace zr9
{

namespace
{
    void append (Bytes& b, const char* text, int n)
    {
        b.insert (b.end(), text, text + n);
    }
} // namespace

Bytes ArrangementState::make (ByteView record)
{
    Bytes b;
    b.reserve ((std::size_t) size);
    append (b, tag, tagSize);
    append (b, version, versionSize);
    const auto r = arrangement::normalised (record);
    b.insert (b.end(), r.begin(), r.end());
    return b;
}

std::optional<Bytes> ArrangementState::read (ByteView blob)
{
    if (! blob.matches (0, tag, (std::size_t) tagSize) || ! blob.contains (recordOffset, arrangement::recordSize))
        return std::nullopt;
    return Bytes (blob.data() + recordOffset, blob.data() + recordOffset + arrangement::recordSize);
}

Bytes BankState::make (ByteView bank)
{
    Bytes b;
    b.reserve ((std::size_t) size);
    append (b, tag, tagSize);
    append (b, version, versionSize);
    // The bank's bytes up to the 64th record, then zeros for a shorter bank.
    const auto kept = std::min (bank.size(), (std::size_t) arrangement::bankSize);
    b.insert (b.end(), bank.data(), bank.data() + kept);
    b.resize ((std::size_t) size, 0);
    return b;
}

int BankState::readInto (ByteView blob, Bytes& bank)
{
    if (! blob.matches (0, tag, (std::size_t) tagSize) || ! blob.contains (recordsOffset))
        return 0;
    const auto carried = (long long) blob.size() - recordsOffset;
    const int records = (int) std::min<long long> (carried / arrangement::recordSize, arrangement::slotCount);
    if (records <= 0)
        return 0;
    const auto bytes = (std::size_t) records * (std::size_t) arrangement::recordSize;
    if (bank.size() < bytes)
        bank.resize (bytes, 0);
    std::memcpy (bank.data(), blob.data() + recordsOffset, bytes);
    return records;
}

} // namespace zr9
