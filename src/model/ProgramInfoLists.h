#pragma once

#include "ByteView.h"

#include <array>
#include <string>

namespace zr9
{

/**
    The decoded trailing blocks of a program: four groups of named controls
    (group 3 the program's own info block, groups 2 to 0 the info blocks of
    the FX chains the program uses) and its control routes. Every list always
    holds 39 entries; entries the blocks do not fill are zero with empty text.
*/
struct ProgramInfoLists
{
    static constexpr int entries = 39;
    static constexpr int groups = 4;
    static constexpr int programGroup = 3;

    struct Group
    {
        std::array<int, entries> valueA {};
        std::array<int, entries> valueB {};
        std::array<std::string, entries> text {};
        int tag = 0;
        int count = 0;
    };

    std::array<Group, groups> group {};
    std::array<std::array<int, entries>, 4> routeByte {}; // bytes 0 to 3 of each route entry
    int routeTag = 0;
    int routeCount = 0;
    int entryCount = 0; // the larger of the program's info count and route count
};

namespace program
{

/** Blocks shorter than this are not decoded (they cannot hold one entry with text). */
constexpr int minDecodedBlockSize = 20;
/** The route block is decoded when it is longer than this. */
constexpr int minDecodedRouteSize = 5;

/**
    Decodes an info block (tag, count, entries of 8-byte head and text) into
    one group. Value B of 128 or more reads -1. Text keeps bytes 1 to 127;
    when its first byte is a control byte (0 to 14) or above 127 the text is
    taken one byte later. Entries beyond the block, or beyond 39, are dropped;
    those up to 39 the block does not name are cleared.
*/
void decodeInfoBlock (ByteView block, ProgramInfoLists::Group& into);

/** Decodes a route block (tag, count, 4-byte entries) into the four byte lists. */
void decodeRouteBlock (ByteView block, ProgramInfoLists& into);

/**
    Decodes the program record's own info block into group 3 and its route
    block into the byte lists, each only when at least 20 bytes long, and
    keeps the larger of the two counts.
*/
void decodeProgramBlocks (ByteView record, ProgramInfoLists& into);

/**
    The text of info entry k read straight from the record's info block,
    keeping every byte that is not 0. Empty when the block is shorter than
    20 bytes or entry k does not lie in it.
*/
std::string infoText (ByteView record, int k);

} // namespace program
} // namespace zr9
