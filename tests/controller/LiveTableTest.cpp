#include "controller/LiveTable.h"
#include "model/ObjectTypes.h"
#include "model/ValueText.h"

#include <gtest/gtest.h>

#include <climits>

using namespace zr9;

namespace
{
struct ProgramNames final : ObjectNameSource
{
    std::string objectName (int typeId, int number) const override
    {
        return typeId == typeProgram ? "Prog" + std::to_string (number) : "Other";
    }
};
} // namespace

TEST (LiveTable, BlocksRepeatPerChannelAndControllerRowsFollowTheirNumber)
{
    const LiveTable table;
    ASSERT_EQ (LiveTable::size(), 2314);
    for (int c = 0; c < 16; ++c)
        for (int s = 0; s < 16; ++s)
        {
            const auto& row = table.info (16 * c + s);
            const auto& first = table.info (s);
            EXPECT_EQ (row.slot, s);
            EXPECT_EQ (row.channel, c);
            EXPECT_EQ (row.group, 15);
            EXPECT_EQ (row.kind, first.kind);
            EXPECT_EQ (row.displayCode, first.displayCode);
            EXPECT_EQ (row.minimum, first.minimum);
            EXPECT_EQ (row.maximum, first.maximum);
            EXPECT_EQ (table.get (16 * c + s), 0);
        }
    for (int c = 0; c < 16; ++c)
        for (int n = 0; n < 128; ++n)
        {
            const auto& row = table.info (256 + 128 * c + n);
            EXPECT_EQ (row.slot, n);
            EXPECT_EQ (row.sourceOffset, n);
            EXPECT_EQ (row.channel, c);
            EXPECT_EQ (row.kind, RowKind::controller);
            EXPECT_EQ (row.group, 17);
            EXPECT_EQ (row.maximum, 127);
            EXPECT_EQ (row.nameKey, 0);
        }
    const int initial[] = { 1, 1, 1, 0, 0, 1, 0, 0, 1, 1 };
    for (int g = 0; g < 10; ++g)
    {
        EXPECT_EQ (table.info (2304 + g).slot, g);
        EXPECT_EQ (table.info (2304 + g).group, 19);
        EXPECT_EQ (table.info (2304 + g).sourceOffset, 84);
        EXPECT_EQ (table.get (2304 + g), initial[g]) << 2304 + g;
    }
}

TEST (LiveTable, ParameterNamesByGroup)
{
    const LiveTable table;
    EXPECT_EQ (table.name (41), "Pan Ch.3");
    EXPECT_EQ (table.name (0), "Insert FXC Ch.1") << "the chain rows are named for their chains, not the table's \"RFU\"";
    EXPECT_EQ (table.name (16 + 3), "AUX 1 FXC Ch.2");
    EXPECT_EQ (table.name (16 * 15 + 6), "AUX 2 FXC Ch.16");
    EXPECT_EQ (LiveTable::channelParameterName (table.info (0).nameKey), "RFU");
    EXPECT_EQ (table.name (1), "Insert Out Ch.1");
    EXPECT_EQ (table.name (255), "Program No. Ch.16");
    EXPECT_EQ (table.name (254), "Program Bank Ch.16");
    EXPECT_EQ (table.name (263), "MIDI 7 Ch.1");
    EXPECT_EQ (table.name (2303), "MIDI 127 Ch.16");
    const char* globals[] = { "RFU Multi", "Playing Mode", "AUX 1 Override", "AUX 1 Ovr On/Off", "AUX 1 Ovr Mod",
                              "AUX 2 Override", "AUX 2 Ovr On/Off", "AUX 2 Ovr Mod", "Multi Bank No", "Multi Prog No" };
    for (int g = 0; g < 10; ++g)
        EXPECT_EQ (table.name (2304 + g), globals[g]);
    for (const int row : { -1, 2314, INT_MIN, INT_MAX })
        EXPECT_EQ (table.name (row), "");

    EXPECT_EQ (LiveTable::channelParameterName (200), "Insert");
    EXPECT_EQ (LiveTable::channelParameterName (214), "Index 214");
    EXPECT_EQ (LiveTable::channelParameterName (199), "");
    EXPECT_EQ (LiveTable::channelParameterName (218), "");
    EXPECT_EQ (LiveTable::globalParameterName (401), "Multi");
    EXPECT_EQ (LiveTable::globalParameterName (411), "");
    EXPECT_EQ (LiveTable::globalParameterName (INT_MIN), "");
}

TEST (LiveTable, NormalisedValuesSpanTheRowRangeAndStayWithinIt)
{
    LiveTable table;
    const int pan = LiveTable::channelRow (2, LiveTable::slotPan);
    const struct { int row, value; float expected; } cases[] = {
        { pan, -64, 0.0f }, { pan, 0, 0.5f }, { pan, 64, 1.0f }, { pan, 200, 1.0f }, { pan, INT_MIN, 0.0f },
        { LiveTable::channelRow (0, LiveTable::slotLevel), 24, 1.0f },
        { LiveTable::channelRow (0, LiveTable::slotLevel), -36, 0.5f },
        { LiveTable::channelRow (0, LiveTable::slotProgram), 1, 0.0f },
        { LiveTable::channelRow (0, LiveTable::slotProgram), 2048, 1.0f },
        { LiveTable::rowPlayingMode, 2, 1.0f }, { LiveTable::controllerRow (3, 1), 127, 1.0f },
        { LiveTable::controllerRow (3, 1), INT_MAX, 1.0f } };
    for (const auto& c : cases)
    {
        table.store (c.row, c.value);
        EXPECT_FLOAT_EQ (table.normalised (c.row), c.expected) << c.row << " " << c.value;
    }
    EXPECT_FLOAT_EQ (table.normalised (-1), 0.0f);
    EXPECT_FLOAT_EQ (table.normalised (2314), 0.0f);
}

TEST (LiveTable, TextsFollowTheDisplayCodeWithBankAndNumberCombined)
{
    LiveTable table;
    const ProgramNames names;
    table.store (LiveTable::channelRow (1, LiveTable::slotProgramBank), 2);
    table.store (LiveTable::channelRow (1, LiveTable::slotProgramNumber), 5);
    EXPECT_EQ (table.text (LiveTable::channelRow (1, LiveTable::slotProgramNumber), &names), "261 Prog261");
    EXPECT_EQ (table.text (LiveTable::channelRow (1, LiveTable::slotProgramBank), &names), "Bank 3");

    table.store (LiveTable::channelRow (1, LiveTable::slotPan), -20);
    EXPECT_EQ (table.text (LiveTable::channelRow (1, LiveTable::slotPan), &names), "L: 20");
    table.store (LiveTable::channelRow (1, LiveTable::slotAux2Level), 0);
    EXPECT_EQ (table.text (LiveTable::channelRow (1, LiveTable::slotAux2Level), &names), "OFF");
    table.store (LiveTable::channelRow (1, LiveTable::slotInsertChain), 0);
    EXPECT_EQ (table.text (LiveTable::channelRow (1, LiveTable::slotInsertChain), &names), "NONE");
    EXPECT_EQ (table.text (LiveTable::rowPlayingMode, &names), "PROGRAM");
    EXPECT_EQ (table.text (2313, &names), "1 Other");
    table.store (LiveTable::controllerRow (0, 64), 127);
    EXPECT_EQ (table.text (LiveTable::controllerRow (0, 64), &names), "127");
    EXPECT_EQ (table.text (2314, &names), "");
    EXPECT_EQ (table.text (-1, &names), "");

    // Extreme values in both halves of a program number still give a text.
    table.store (LiveTable::channelRow (1, LiveTable::slotProgramBank), INT_MAX);
    table.store (LiveTable::channelRow (1, LiveTable::slotProgramNumber), INT_MAX);
    EXPECT_EQ (table.text (LiveTable::channelRow (1, LiveTable::slotProgramNumber), &names), "2147483647 Prog2147483647");
    table.store (LiveTable::channelRow (1, LiveTable::slotProgramBank), INT_MIN);
    EXPECT_EQ (table.text (LiveTable::channelRow (1, LiveTable::slotProgramNumber), &names), "NONE");
}
