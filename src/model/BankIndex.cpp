#include "BankIndex.h"

#include "ProgramCategories.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace zr9
{

namespace
{
    constexpr int tagLength = 10;
    constexpr int numberDigits = 4;
    constexpr int searchTagLength = tagLength + numberDigits;
    // Four decimal digits can name at most 9999; the highest number indexed is cap + 1.
    constexpr int maxCap = 9998;

    constexpr int minSizeForRecord = 24;
    constexpr int minSizeForName = 25;
    constexpr int minGapForByte = 50;
    constexpr int minGapForWord = 20;
    constexpr int arpModeOffset = 61;
    constexpr int arpStepSequenceOffset = 71;
    constexpr int lastFactoryNumber = 1024;

    /** The number written as four decimal digits at p, or -1 when they are not all digits. */
    int readNumber (const std::uint8_t* p) noexcept
    {
        int v = 0;
        for (int i = 0; i < numberDigits; ++i)
        {
            if (p[i] < '0' || p[i] > '9')
                return -1;
            v = v * 10 + (p[i] - '0');
        }
        return v;
    }

    struct TagHit
    {
        int number;
        int position;
    };

    /**
        Every place where the record open tag stands followed by four digits, in
        ascending position. One pass: find the tag's first byte with memchr, then
        compare the rest.
    */
    std::vector<TagHit> findTags (const Bytes& bytes, const char* openTag, int highestNumber)
    {
        std::vector<TagHit> hits;
        const auto* const begin = bytes.data();
        const auto size = (long long) bytes.size();
        const auto lastStart = size - searchTagLength;
        long long i = 0;
        while (i <= lastStart)
        {
            const auto* p = static_cast<const std::uint8_t*> (std::memchr (begin + i, (unsigned char) openTag[0], (size_t) (lastStart - i + 1)));
            if (p == nullptr)
                break;
            i = p - begin;
            if (std::memcmp (p + 1, openTag + 1, tagLength - 1) == 0)
            {
                const int number = readNumber (p + tagLength);
                if (number >= 1 && number <= highestNumber)
                    hits.push_back ({ number, (int) i });
            }
            ++i;
        }
        return hits;
    }
} // namespace

void BankIndex::index (int typeId, Bytes bank, int cap)
{
    cap = std::clamp (cap, 0, maxCap);
    typeId_ = typeId;
    cap_ = cap;
    bytes_.clear();
    // Numbers 0 to cap, plus cap + 1 so that record cap has a successor to measure against.
    offsets_.assign ((size_t) cap + 2, 0);
    total_ = 0;

    const auto* info = findBankType (typeId);
    if (info == nullptr || bank.size() > (size_t) std::numeric_limits<int>::max() / 2)
        return;

    skip_ = info->skip();
    gapOverhead_ = info->gapOverhead();
    firstKeyOffset_ = info->firstKeyOffset;
    secondKeyOffset_ = info->secondKeyOffset;
    bytes_ = std::move (bank);
    total_ = (int) bytes_.size();

    // Each number's search starts behind the previous hit, so entries must stand in
    // ascending order. Rather than rescanning the tail for every missing number, all
    // tag positions are collected in one pass and grouped by number; the search for
    // k then becomes "first hit of k at or after searchPos".
    const int highest = cap + 1;
    const auto hits = findTags (bytes_, info->recordTag, highest);

    std::vector<int> firstHit ((size_t) highest + 2, 0);
    for (const auto& h : hits)
        ++firstHit[(size_t) h.number + 1];
    for (size_t k = 1; k < firstHit.size(); ++k)
        firstHit[k] += firstHit[k - 1];
    std::vector<int> positions (hits.size());
    {
        auto fill = firstHit;
        for (const auto& h : hits)
            positions[(size_t) fill[(size_t) h.number]++] = h.position;
    }

    int searchPos = 0;
    for (int k = 1; k <= highest; ++k)
    {
        const auto first = positions.begin() + firstHit[(size_t) k];
        const auto last = positions.begin() + firstHit[(size_t) k + 1];
        const auto found = std::lower_bound (first, last, searchPos);
        if (found != last)
        {
            searchPos = *found + skip_;
            offsets_[(size_t) k] = searchPos;
        }
    }
}

int BankIndex::size (int n) const noexcept
{
    if (n < 0 || n + 1 >= (int) offsets_.size())
        return 0;
    const int a = offsets_[(size_t) n];
    const int b = offsets_[(size_t) n + 1];
    if (a == 0 || b == 0)
        return 0;
    return std::max (0, b - a - gapOverhead_);
}

int BankIndex::gap (int n) const noexcept
{
    if (n < 0 || n + 1 >= (int) offsets_.size() || offsets_[(size_t) n] == 0 || offsets_[(size_t) n + 1] == 0)
        return 0;
    return offsets_[(size_t) n + 1] - offsets_[(size_t) n];
}

Bytes BankIndex::record (int n) const
{
    const int s = size (n);
    if (s < minSizeForRecord)
        return {};
    Bytes out ((size_t) s, 0);
    const ByteView bank (bytes_);
    const int start = offsets_[(size_t) n];
    const auto avail = bank.slice (start, s);
    if (! avail.empty())
        std::memcpy (out.data(), avail.data(), avail.size());
    return out;
}

std::string BankIndex::name (int n) const
{
    const ByteView bank (bytes_);
    if (size (n) < minSizeForName || ! bank.contains (offsets_[(size_t) n], 20))
        return {};
    return nameFromBytes (bank, offsets_[(size_t) n]);
}

int BankIndex::byteAt (int n, int p) const noexcept
{
    if (gap (n) < minGapForByte || p < 0 || p >= size (n))
        return 0;
    return ByteView (bytes_).byte ((long long) offsets_[(size_t) n] + p);
}

int BankIndex::wordAt (int n, int p) const noexcept
{
    if (gap (n) < minGapForWord || p < 0 || p + 2 > size (n))
        return 0;
    return ByteView (bytes_).word ((long long) offsets_[(size_t) n] + p);
}

int BankIndex::firstKey (int n) const noexcept
{
    return (int) (std::int8_t) (std::uint8_t) byteAt (n, firstKeyOffset_);
}

int BankIndex::secondKey (int n) const noexcept
{
    return (int) (std::int8_t) (std::uint8_t) byteAt (n, secondKeyOffset_);
}

std::string BankIndex::programCategory (int n) const
{
    if (typeId_ != typeProgram || size (n) < minSizeForRecord)
        return {};
    return programCategoryText (firstKey (n));
}

std::string BankIndex::arpModeText (int n) const
{
    if (typeId_ != typeArpeggiator || size (n) < minSizeForRecord)
        return {};
    switch (byteAt (n, arpModeOffset))
    {
        case 0: return "CLASSIC";
        case 1: return "STEP. SEQ: " + std::to_string (byteAt (n, arpStepSequenceOffset));
        default: return {};
    }
}

bool BankIndex::store (int n, ByteView record)
{
    if (n < 1 || n >= (int) offsets_.size() || offsets_[(size_t) n] == 0)
        return false;

    const auto shiftLater = [this, n] (long long delta)
    {
        for (size_t k = (size_t) n + 1; k < offsets_.size(); ++k)
            if (offsets_[k] != 0)
                offsets_[k] = (int) (offsets_[k] + delta);
    };

    const auto start = (size_t) std::min<long long> (offsets_[(size_t) n], (long long) bytes_.size());
    const int old = size (n);
    if (old > 0)
    {
        const auto end = std::min (bytes_.size(), start + (size_t) old);
        bytes_.erase (bytes_.begin() + (std::ptrdiff_t) start, bytes_.begin() + (std::ptrdiff_t) end);
        shiftLater (-(long long) (end - start));
    }
    if (! record.empty())
    {
        bytes_.insert (bytes_.begin() + (std::ptrdiff_t) start, record.data(), record.data() + record.size());
        shiftLater ((long long) record.size());
    }
    return true;
}

int BankIndex::storeMany (const std::vector<Replacement>& records)
{
    for (std::size_t i = 1; i < records.size(); ++i)
        if (records[i].number <= records[i - 1].number)
            return 0;

    Bytes rebuilt;
    std::size_t grown = bytes_.size();
    for (const auto& r : records)
        grown += r.record.size();
    rebuilt.reserve (grown);

    std::vector<int> moved = offsets_;
    std::size_t cursor = 0;     // old bytes before this are in `rebuilt`
    long long delta = 0;        // how far the records stored so far moved what follows them
    int stored = 0;
    std::size_t next = 0;
    for (int k = 1; k < (int) offsets_.size(); ++k)
    {
        if (offsets_[(size_t) k] != 0)
            moved[(size_t) k] = (int) (offsets_[(size_t) k] + delta);
        while (next < records.size() && records[next].number < k)
            ++next; // numbers below 1
        if (next >= records.size() || records[next].number != k)
            continue;
        const auto& r = records[next++];
        if (offsets_[(size_t) k] == 0)
            continue;
        const auto start = std::min ((std::size_t) offsets_[(size_t) k], bytes_.size());
        const auto end = std::min (bytes_.size(), start + (std::size_t) size (k));
        if (start < cursor)
            return 0; // offsets that do not rise cannot come from indexing; nothing was changed
        rebuilt.insert (rebuilt.end(), bytes_.begin() + (std::ptrdiff_t) cursor, bytes_.begin() + (std::ptrdiff_t) start);
        rebuilt.insert (rebuilt.end(), r.record.data(), r.record.data() + r.record.size());
        cursor = end;
        delta += (long long) r.record.size() - (long long) (end - start);
        ++stored;
    }
    rebuilt.insert (rebuilt.end(), bytes_.begin() + (std::ptrdiff_t) cursor, bytes_.end());
    bytes_ = std::move (rebuilt);
    offsets_ = std::move (moved);
    return stored;
}

std::vector<int> BankIndex::idList (int mode, int subMode) const
{
    std::vector<int> ids;
    const int top = cap();
    const auto addWhere = [&] (int from, int to, auto&& keep)
    {
        for (int k = std::max (1, from); k <= to; ++k)
            if (keep (k))
                ids.push_back (k);
    };
    const auto any = [] (int) { return true; };
    const auto existing = [this] (int k) { return exists (k); };

    switch (mode)
    {
        case 0: addWhere (1, top, any); break;
        case 1:
            if (subMode == 0) addWhere (1, std::min (top, lastFactoryNumber), existing);
            else if (subMode == 1) addWhere (firstUserObjectNumber, top, existing);
            else if (subMode == 100) addWhere (firstUserObjectNumber, top, any);
            break;
        case 2: addWhere (1, top, [this, subMode] (int k) { return firstKey (k) == subMode; }); break;
        case 4: addWhere (1, top, existing); break;
        default: break;
    }
    return ids;
}

} // namespace zr9
