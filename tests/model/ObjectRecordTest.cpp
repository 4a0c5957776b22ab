#include "model/ObjectRecord.h"

#include <gtest/gtest.h>

using namespace zr9;

TEST (ObjectRecord, ReadsBeyondTheEndGiveZeroAndNeverHalfAWord)
{
    ObjectRecord r (Bytes { 0x12, 0x34, 0xFF });
    EXPECT_EQ (r.word (0), 0x1234);
    EXPECT_EQ (r.word (1), 0x34FF);
    EXPECT_EQ (r.word (2), 0) << "the second byte lies beyond the end";
    EXPECT_EQ (r.byte (3), 0);
    EXPECT_EQ (r.byte (-1), 0);
    EXPECT_EQ (r.signedByte (2), -1);
    EXPECT_EQ (ObjectRecord (Bytes { 0xFF, 0xFE }).signedWord (0), -2);
}

TEST (ObjectRecord, WritesBeyondTheEndAreDroppedAndWordsAreBigEndian)
{
    ObjectRecord r (Bytes (4, 0));
    r.setWord (0, 0x0105);
    r.setWord (3, 0x7777);
    r.setByte (4, 9);
    r.setByte (-1, 9);
    EXPECT_EQ (r.bytes(), (Bytes { 0x01, 0x05, 0x00, 0x00 }));
    r.setWord (2, -300);
    EXPECT_EQ (r.signedWord (2), -300);
}

TEST (ObjectRecord, FlagSettersTouchOnlyTheirBit)
{
    ObjectRecord r (Bytes { 0b10110011 });
    r.setFlag (0, 2, true);
    EXPECT_EQ (r.byte (0), 0b10110111);
    EXPECT_TRUE (r.flag (0, 2));
    r.setFlag (0, 2, false);
    EXPECT_EQ (r.byte (0), 0b10110011);
    r.setFlag (0, 8, true);
    r.setFlag (1, 0, true);
    EXPECT_EQ (r.bytes(), (Bytes { 0b10110011 }));
}

TEST (ObjectRecord, NamesKeepSevenBitTextAndPadding)
{
    ObjectRecord r (Bytes (24, ' '));
    r.setName ("Caf\xE9 Grand");
    EXPECT_EQ (r.name(), "Caf Grand" + std::string (10, ' ')) << "0xE9 is dropped, the blanks are kept";
    EXPECT_EQ (ObjectRecord (Bytes (20, ' ')).name(), std::string (20, ' '));

    r.setName ("A name much longer than twenty characters");
    EXPECT_EQ (r.name(), "A name much longer t");
    EXPECT_EQ (r.byte (20), ' ');

    ObjectRecord shortRecord (Bytes (5, 0));
    shortRecord.setName ("Piano");
    EXPECT_EQ (shortRecord.name(), "Piano");
    EXPECT_EQ (shortRecord.size(), 5);
}
