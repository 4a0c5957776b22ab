// Merges three banks made of the input's bytes (a base and two changed
// copies) by record, and three blocks by slot. Whatever comes in, the merge
// stays inside its banks, a side that changed nothing gives back the other
// side byte for byte, and a slot merge is as long as this side's block.

#include "model/BankMerge.h"
#include "model/SlotMerge.h"

#include <cstdlib>

using namespace zr9;

namespace
{
BankIndex indexed (int type, ByteView bytes, int cap)
{
    BankIndex b;
    b.index (type, bytes, cap);
    return b;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput (const std::uint8_t* data, size_t size)
{
    if (size < 5)
        return 0;
    static const int types[] = { 138, 155, 156, 133, 103, 163, 164, 168, 112, 149, 158, 151 };
    const int type = types[data[0] % (sizeof (types) / sizeof (types[0]))];
    const int cap = data[1] % 40;
    const int slotSize = 1 + data[4] % 64;
    // The rest is cut into base, mine and theirs at points the input chooses.
    const ByteView rest (data + 5, size - 5);
    const size_t first = rest.size() * data[2] / 255;
    const size_t second = first + (rest.size() - first) * data[3] / 255;
    const auto baseBytes = rest.slice (0, (long long) first);
    const auto mineBytes = rest.slice ((long long) first, (long long) (second - first));
    const auto theirsBytes = rest.slice ((long long) second, (long long) (rest.size() - second));

    const auto base = indexed (type, baseBytes, cap);
    const auto mine = indexed (type, mineBytes, cap);
    const auto theirs = indexed (type, theirsBytes, cap);

    const auto merged = bankmerge::merge (base, mine, theirs);
    if (bankmerge::merge (base, base, theirs).bytes != theirs.bytes())
        std::abort();
    if (bankmerge::merge (mine, mine, mine).bytes != mine.bytes())
        std::abort();
    (void) bankmerge::isWholeBank (type, ByteView (merged.bytes));
    (void) bankmerge::holdsRecords (merged.ours.empty() ? base : mine);

    const auto slots = slotmerge::merge (baseBytes, mineBytes, theirsBytes, slotSize);
    if (slots.bytes.size() != mineBytes.size())
        std::abort();
    if (slotmerge::merge (baseBytes, baseBytes, theirsBytes, slotSize).ours != 0)
        std::abort();
    return 0;
}
