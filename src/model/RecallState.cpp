#include "RecallState.h"

#include <algorithm>

namespace zr9
{

namespace
{
    void append (Bytes& b, const char* text, int n)
    {
        b.insert (b.end(), text, text + n);
    }

    void appendWord (Bytes& b, int value)
    {
        b.push_back ((std::uint8_t) ((value >> 8) & 0xFF));
        b.push_back ((std::uint8_t) (value & 0xFF));
    }

    void appendLong (Bytes& b, int value)
    {
        const auto u = (std::uint32_t) value;
        for (int shift = 24; shift >= 0; shift -= 8)
            b.push_back ((std::uint8_t) ((u >> shift) & 0xFF));
    }
} // namespace

Bytes RecallState::make (ByteView bank, const Recall& recall)
{
    auto b = BankState::make (bank);
    const auto count = std::min<std::size_t> (recall.values.size(), (std::size_t) maxValues);
    b.reserve (b.size() + (std::size_t) valuesOffset + count * (std::size_t) valueSize);
    append (b, tag, tagSize);
    append (b, version, versionSize);
    b.push_back ((std::uint8_t) (recall.slot >= 0 && recall.slot < arrangement::slotCount ? recall.slot : 0));
    const auto record = arrangement::normalised (ByteView (recall.record));
    b.insert (b.end(), record.begin(), record.end());
    appendWord (b, (int) count);
    for (std::size_t i = 0; i < count; ++i)
    {
        appendWord (b, recall.values[i].row);
        appendLong (b, recall.values[i].value);
    }
    return b;
}

std::optional<RecallState::Recall> RecallState::read (ByteView state)
{
    const auto block = state.slice (blockOffset, (long long) state.size());
    if (! block.matches (0, tag, (std::size_t) tagSize) || ! block.contains (0, valuesOffset))
        return std::nullopt;

    Recall r;
    const int slot = block.byte (slotOffset);
    r.slot = slot < arrangement::slotCount ? slot : -1;
    r.record.assign (block.data() + recordOffset, block.data() + recordOffset + arrangement::recordSize);

    const long long whole = ((long long) block.size() - valuesOffset) / valueSize;
    const long long count = std::min<long long> ({ (long long) block.word (countOffset), whole, (long long) maxValues });
    for (long long i = 0; i < count; ++i)
    {
        const long long at = valuesOffset + i * valueSize;
        const int row = block.word (at);
        const auto value = (std::int32_t) (std::uint32_t) block.dword (at + 2);
        if (LiveRowLayout::isRow (row))
            r.values.push_back ({ row, (int) value });
    }
    return r;
}

} // namespace zr9
