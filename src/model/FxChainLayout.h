#pragma once

#include "ByteView.h"

#include <array>

namespace zr9::fxchain
{

// The anchor A is the first offset from 20 to 59 at which bytes, A
// read 0x00 0x00 0x14. The effect count (a signed byte) follows at A + 349 and
// the effect entries at A + 350; the info block follows the last entry.
constexpr int anchorSearchFirst = 20;
constexpr int anchorSearchLast = 59;
constexpr int anchorMarker = 0x14;
constexpr int noAnchor = -1;
constexpr int effectCountFromAnchor = 349;
constexpr int firstEffectFromAnchor = 350;

// Effect entry: type word, four bytes, parameter word count n; 8 + 2n bytes in all.
constexpr int effectTypeOffset = 0;
constexpr int effectWordCountOffset = 6;
constexpr int effectHeadSize = 8;
constexpr int effectWordSize = 2;

/** The decoded chain keeps the first 32 effects; the walk still covers all of them. */
constexpr int maxDecodedEffects = 32;

/** The anchor A of a chain record, or -1 when bytes 20 to 59 hold no 00 00 14. */
int anchor (ByteView record) noexcept;

struct Effect
{
    long long start = 0;
    int type = 0;
    long long length = 0;
};

struct Chain
{
    int count = 0;       // effects in the chain; 0 without an anchor or with a negative count
    std::array<Effect, maxDecodedEffects> effects {};
    long long end = 0;   // behind the last effect: where the info block starts; 0 without an anchor

    int decodedCount() const noexcept { return count < maxDecodedEffects ? count : maxDecodedEffects; }
};

Chain decode (ByteView record) noexcept;

/**
    Size of the chain's info block, which starts at the end of the effect
    list: 4 when its count is 0, else 4 + the sum of (m + 8). A chain without
    an anchor has no info block and gives 0.
*/
long long infoBlockSize (ByteView record) noexcept;

} // namespace zr9::fxchain
