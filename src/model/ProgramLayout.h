#pragma once

#include "ByteView.h"

namespace zr9::program
{

// Program record: a common part, n layers of 318 bytes from offset 249, one
// zero byte, then the info block and the control route block.
constexpr int layerCountOffset = 60;
constexpr int firstLayerOffset = 249;
constexpr int layerSize = 318;
constexpr int infoBlockBase = 250; // info block offset of a program without layers

// Info block (also the last block of an FX chain): tag word, count word whose
// low byte alone counts the entries, then entries of an 8-byte head and m text bytes.
constexpr int infoBlockTag = 0x0102;
constexpr int infoCountLowOffset = 3;
constexpr int infoHeaderSize = 4;
constexpr int infoEntryValueAOffset = 2;
constexpr int infoEntryValueBOffset = 4;
constexpr int infoEntryTextLengthOffset = 6;    // word; the walk uses its low byte
constexpr int infoEntryTextLengthLowOffset = 7;
constexpr int infoEntryHeadSize = 8;

// Control route block: tag word, count word, entries of four single bytes.
constexpr int routeBlockTag = 0x0003;
constexpr int routeCountOffset = 2;
constexpr int routeHeaderSize = 4;
constexpr int routeEntrySize = 4;

/** Layer count n (byte 60). */
int layerCount (ByteView record) noexcept;

/** Offset of layer k's first byte. */
long long layerOffset (int k) noexcept;

/** B = 250 + 318 n: where the info block starts (the edit object's placement). */
long long infoBlockOffset (ByteView record) noexcept;

/**
    Size of the info block starting at `start`: 4 + the sum of (m + 8) over
    the entries counted by the low byte at start + 3, m being each entry's
    text length low byte. Bytes beyond the view read 0.
*/
long long infoBlockSizeAt (ByteView bytes, long long start) noexcept;

/** Size of the route block starting at `start`: 4 + 4 × its count word. */
long long routeBlockSizeAt (ByteView bytes, long long start) noexcept;

/** Where the two blocks behind the layers lie. */
struct TrailingBlocks
{
    long long infoStart = 0;
    long long infoSize = 0;
    long long routeStart = 0;
    long long routeSize = 0;

    /** First byte behind the route block, where the uninterpreted tail begins. */
    long long end() const noexcept { return routeStart + routeSize; }
};

TrailingBlocks trailingBlocks (ByteView record) noexcept;

} // namespace zr9::program
