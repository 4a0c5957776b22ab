#include "controller/FavoritesBlock.h"

#include <gtest/gtest.h>

using namespace zr9;

TEST (FavoritesBlock, SlotsAreKindAndABigEndianNumberThreeBytesApart)
{
    FavoritesBlock block;
    ASSERT_EQ (block.bytes().size(), 96u);
    EXPECT_TRUE (block.isStorable());
    EXPECT_TRUE (block.slot (0).isEmpty());

    ASSERT_TRUE (block.assign (5, FavoritesBlock::kindProgram, 1025));
    EXPECT_EQ (block.bytes()[15], 0x00);
    EXPECT_EQ (block.bytes()[16], 0x04);
    EXPECT_EQ (block.bytes()[17], 0x01);
    EXPECT_EQ (block.slot (5).number, 1025);

    ASSERT_TRUE (block.assign (31, FavoritesBlock::kindSetup, 65535));
    EXPECT_EQ (block.slot (31).kind, 1);
    EXPECT_EQ (block.slot (31).number, 65535);

    // Nothing outside the slots, the two kinds and a two-byte number is written.
    const auto before = block.bytes();
    EXPECT_FALSE (block.assign (32, 0, 1));
    EXPECT_FALSE (block.assign (-1, 0, 1));
    EXPECT_FALSE (block.assign (0, 2, 1));
    EXPECT_FALSE (block.assign (0, 0, 65536));
    EXPECT_FALSE (block.assign (0, 0, -1));
    EXPECT_EQ (block.bytes(), before);
    EXPECT_TRUE (block.slot (32).isEmpty());
    EXPECT_TRUE (block.slot (-5).isEmpty());
}

TEST (FavoritesBlock, ABlockOfAnotherLengthIsReadWithinItsEndAndNeverStorable)
{
    FavoritesBlock block;
    Bytes shortFile (50, 0);
    shortFile[45] = 1;
    shortFile[46] = 0;
    shortFile[47] = 9; // slot 15: setup 9
    shortFile[48] = 0;
    shortFile[49] = 7; // slot 16 is cut by the end: its bytes are not read
    block.replace (ByteView (shortFile));

    EXPECT_FALSE (block.isStorable());
    EXPECT_EQ (block.slot (15).kind, 1);
    EXPECT_EQ (block.slot (15).number, 9);
    EXPECT_TRUE (block.slot (16).isEmpty()) << "a slot cut by the end is empty, not half read";
    EXPECT_TRUE (block.slot (31).isEmpty());
    EXPECT_FALSE (block.assign (16, 0, 3)) << "nothing is written beyond the end either";
    EXPECT_EQ (block.bytes().size(), 50u);

    block.replace (ByteView());
    EXPECT_TRUE (block.slot (0).isEmpty());
    EXPECT_FALSE (block.assign (0, 0, 1));
    block.clear();
    EXPECT_TRUE (block.isStorable());
}
