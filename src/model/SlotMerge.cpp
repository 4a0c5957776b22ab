#include "SlotMerge.h"

#include <algorithm>
#include <cstring>

namespace zr9::slotmerge
{

namespace
{
    /** Whether slot i of `a` holds the same bytes as slot i of `b`; bytes beyond either block read as 0. */
    bool sameSlot (ByteView a, ByteView b, long long start, long long size) noexcept
    {
        for (long long p = start; p < start + size; ++p)
            if (a.byte (p) != b.byte (p))
                return false;
        return true;
    }
} // namespace

Result merge (ByteView base, ByteView mine, ByteView theirs, int slotSize)
{
    Result result;
    result.bytes.assign (mine.data(), mine.data() + mine.size());
    if (slotSize <= 0)
        return result;

    const auto size = (long long) slotSize;
    const auto slots = (long long) mine.size() / size;
    for (long long s = 0; s < slots; ++s)
    {
        const long long start = s * size;
        const bool oursChanged = ! sameSlot (base, mine, start, size);
        const bool theirsReach = theirs.contains (start, size);
        const bool theirsChanged = theirsReach && ! sameSlot (base, theirs, start, size);
        if (oursChanged)
        {
            ++result.ours;
            if (theirsChanged)
                ++result.both;
        }
        else if (theirsChanged)
        {
            ++result.theirs;
            std::memcpy (result.bytes.data() + start, theirs.data() + start, (std::size_t) size);
        }
    }
    return result;
}

} // namespace zr9::slotmerge
