#include "ArrangementListFile.h"

#include <limits>

namespace zr9
{

void arrlist::appendNumber (Bytes& out, std::uint64_t v)
{
    for (int i = 0; i < numberSize; ++i)
    {
        out.push_back ((std::uint8_t) (v % numberBase));
        v /= numberBase;
    }
}

std::optional<std::uint64_t> arrlist::readNumber (ByteView bytes, long long pos) noexcept
{
    if (! bytes.contains (pos, numberSize))
        return std::nullopt;
    constexpr auto largest = std::numeric_limits<std::uint64_t>::max();
    std::uint64_t value = 0;
    bool tooLarge = false;
    // Most significant digit first, so each step can tell whether the next one still fits.
    for (int i = numberSize - 1; i >= 0; --i)
    {
        const int digit = bytes.byte (pos + i);
        if (digit >= numberBase)
            return std::nullopt;
        if (value > (largest - (std::uint64_t) digit) / numberBase)
            tooLarge = true;
        else
            value = value * numberBase + (std::uint64_t) digit;
    }
    return tooLarge ? largest : value;
}

Bytes arrlist::encode (const std::vector<Bytes>& entries)
{
    std::size_t total = numberSize;
    for (const auto& e : entries)
        total += numberSize + e.size();
    Bytes out;
    out.reserve (total);
    appendNumber (out, entries.size());
    for (const auto& e : entries)
    {
        appendNumber (out, e.size());
        out.insert (out.end(), e.begin(), e.end());
    }
    return out;
}

arrlist::Decoded arrlist::decode (ByteView file)
{
    Decoded d;
    if (file.size() < (std::size_t) smallestList)
        return d;
    const auto count = readNumber (file, 0);
    if (! count.has_value())
        return d;
    d.statedCount = *count;
    if (*count == 0)
    {
        d.status = Decoded::Status::empty;
        return d;
    }

    // The count is outside data: the entries are only ever as many as the bytes hold.
    long long pos = numberSize;
    for (std::uint64_t i = 0; i < *count; ++i)
    {
        const auto length = readNumber (file, pos);
        if (! length.has_value())
        {
            d.status = Decoded::Status::cut;
            return d;
        }
        const auto start = pos + numberSize;
        const auto left = (std::uint64_t) ((long long) file.size() - start);
        if (*length > left)
        {
            d.status = Decoded::Status::cut;
            return d;
        }
        d.entries.emplace_back (file.data() + start, file.data() + start + (long long) *length);
        pos = start + (long long) *length;
    }
    d.status = Decoded::Status::whole;
    return d;
}

} // namespace zr9
