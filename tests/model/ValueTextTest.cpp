#include "model/ObjectTypes.h"
#include "model/ParameterNames.h"
#include "model/ValueText.h"

#include <gtest/gtest.h>

#include <climits>
#include <map>

using namespace zr9;

namespace
{
/** Names every object "<type>-<number>" and remembers which type it was asked for. */
struct NamingSource final : ObjectNameSource
{
    std::string objectName (int typeId, int number) const override
    {
        lastType = typeId;
        return std::to_string (typeId) + "-" + std::to_string (number);
    }
    mutable int lastType = 0;
};

struct Case
{
    int type, value;
    const char* text;
};

void expectTexts (std::initializer_list<Case> cases)
{
    for (const auto& c : cases)
        EXPECT_EQ (valueText (c.value, c.type), c.text) << "type " << c.type << " value " << c.value;
}
} // namespace

TEST (ValueText, FamiliesAndUnits)
{
    expectTexts ({
        { 50, -7, "-7" }, { -5, 3, "3" }, { 99, 12, "12" }, { 650, 3, "" }, { 600, 1, "" }, { 2000, 5, "" },
        { 744, 0, "Bank 1" }, { 744, 15, "Bank 16" }, { 777, 60, "C4" }, { 777, 61, "C#4" }, { 777, 0, "C-1" },
        { 778, 0, "OFF" }, { 778, -3, "ON" }, { 779, -1, "OFF" }, { 779, 0, "0" }, { 780, -12, "-12 ST" },
        { 781, 50, "50 ct" }, { 782, 100, "100%" }, { 783, -1, "NONE" }, { 783, 5, "5" }, { 784, -6, "-6 dB" },
        { 400, 0, "NONE" }, { 400, 1, "PROGRAM" }, { 400, 2, "MULTI" }, { 400, 3, "3" }, { 401, 0, "0" },
        { 499, -1, "-1" } });
}

TEST (ValueText, TableOneScalesAndChoices)
{
    expectTexts ({
        { 103, 21, "5.3 Key/s" }, { 104, -118, "-5300 ct" }, { 104, 124, "" }, { 105, 3, "MIDI 3" },
        { 105, 200, "" }, { 106, 0, "Fixed" }, { 106, 1, "+MIDI" }, { 106, 2, "1.4 Key/s" },
        { 107, 0, "< 0 >" }, { 107, 20, "R: 20" }, { 107, -64, "L: 64" }, { 107, INT_MIN, "L: 2147483648" },
        { 108, -10, "-10 dB" }, { 109, 0, "OFF" }, { 109, 1, "Halv 1" }, { 109, 2, "Halv 2" }, { 109, 3, "3 dB" },
        { 118, 0, "OFF" }, { 118, 96, "0 dB" }, { 119, 120, "24 dB" }, { 118, INT_MIN, "-2147483744 dB" },
        { 120, 0, "Pre" }, { 120, 7, "Post" }, { 121, 0, "MAIN" }, { 121, 1, "SEC." }, { 122, 1, "ON" },
        { 126, 0, "dB" }, { 126, 1, "%" }, { 126, 0 + 100, "4 dB" }, { 112, 5, "" }, { 127, 5, "" },
        { 110, 5, "5" }, { 199, -2, "-2" } });
}

TEST (ValueText, TableTwoSortsEveryTypeIntoItsRule)
{
    expectTexts ({
        { 200, 4, "4" }, { 201, 4, "4" }, { 202, 4, "" }, { 204, 20, "22 ct" }, { 254, 20, "22 ct" },
        { 259, 20, "22 ct" }, { 206, 0, "OFF" }, { 260, 2, "ON" }, { 207, 12, "12 ST" }, { 255, -1, "-1 ST" },
        { 209, 64, "Sustain" }, { 214, 7, "Volume" }, { 243, -1, "NONE" }, { 249, 139, "Multi Incr" },
        { 252, 141, "Multi GoTo" }, { 245, 3, "3 dB" }, { 256, 7, "7 ct" }, { 261, 0, "Pre" }, { 261, 1, "Post" },
        { 215, 9, "9" }, { 220, 9, "9" }, { 241, 9, "9" }, { 262, 9, "9" }, { 263, 9, "" }, { 264, 9, "9" },
        { 299, 9, "9" }, { 208, 9, "" }, { 250, 9, "" } });
}

TEST (ValueText, TableThreeWordListsAtTheirEnds)
{
    expectTexts ({
        { 303, 1, "MULTI" }, { 306, 100, "10 mS" }, { 307, 255, "3000 mS" }, { 308, 60, "0.50" },
        { 309, 21, "55 Hz" }, { 310, 89, "INF" }, { 311, -128, "OFF" }, { 313, 2, "RIGHT" },
        { 314, 0, "(L + R) / 2" }, { 320, 0, "Zone Mutes " }, { 321, 2, "Once" }, { 321, 3, "" },
        { 324, 0, "Channel 1" }, { 324, INT_MAX, "Channel 2147483648" }, { 327, 1, "Muted" }, { 327, 3, "" },
        { 327, 5, "Solo + Muted" }, { 327, 6, "Solo" }, { 327, 7, "" }, { 328, 7, "USB_MIDI+MIDI+LOCAL" },
        { 328, 0, "" }, { 329, 4, "Q5500" }, { 329, 5, "" }, { 330, -1, "NONE" }, { 330, -2, "-2" },
        { 332, 12, "Constant" }, { 332, 13, "" }, { 332, -1, "" }, { 336, 9, "Rvrs Crossfade" }, { 336, 0, "" },
        { 344, 0, "OFF" }, { 344, 3, "Arp 3" }, { 352, -1, "PROG" }, { 352, 2, "2 ST" }, { 353, 0, "0 ct" },
        { 354, -5, "NONE" }, { 356, 16, "1/16" }, { 357, 10, "Stop Wait" }, { 357, 11, "" },
        { 358, -1, "ALL" }, { 358, 0, "1" }, { 359, 120, "120 bpm" }, { 363, -1, "NONE" }, { 363, 60, "C4" },
        { 364, -1, "PRG" }, { 366, 5, "5%" }, { 370, 0, "AUTO" }, { 384, 4, "4" }, { 375, 2, "PRE" },
        { 375, 3, "" }, { 376, 0, "None" }, { 376, INT_MIN, "None" }, { 376, 1, "1 Local + MIDI" },
        { 376, 16, "16 Local + MIDI" }, { 376, 17, "1 MIDI" }, { 376, 32, "16 MIDI" }, { 376, 33, "Any Local + MIDI" },
        { 376, 34, "Any MIDI" }, { 376, 35, "" }, { 379, -1, "NONE" }, { 379, 1, "ON" }, { 380, 0, "EXTERNAL" },
        { 380, -1, "MULTI" }, { 380, -2, "SEQUENCE" }, { 380, 120, "BPM" }, { 381, 0, "OFF" }, { 381, -1, "OFF" },
        { 381, 3, "MIDI 3" }, { 381, 255, "Soft Pd+ MW" }, { 381, 200, "" }, { 382, -1, "OFF" }, { 382, 1, "Chord" },
        { 385, 0, "Traditional" }, { 385, 2, "Fixed" }, { 317, 1, "" }, { 369, 1, "" }, { 300, 1, "1" },
        { 399, 1, "1" } });
}

// Outside their listed values the two- and three-way choices show the stored number.
TEST (ValueText, ChoicesShowTheNumberOutsideTheirList)
{
    expectTexts ({ { 303, 2, "2" }, { 304, -1, "-1" }, { 313, 3, "3" }, { 318, 9, "9" }, { 377, 0, "0" },
                   { 379, 2, "2" }, { 382, 2, "2" } });
}

TEST (ValueText, RiffSourcesByValue)
{
    expectTexts ({
        { 355, 0, "First Riff Avl" }, { 355, 1, "First Arp Avl" }, { 355, 2, "Riff 1" }, { 355, 17, "Riff 16" },
        { 355, 18, "Arp 1" }, { 355, 33, "Arp 16" }, { 355, 34, "Main Seq." }, { 355, 35, "First Available" },
        { 355, 36, "" }, { 355, -1, "" } });
}

TEST (ValueText, TableFiveWordListsAtTheirEnds)
{
    expectTexts ({
        { 500, 1, "ON" }, { 501, 9, "1NoteAutoHi" }, { 501, 10, "" }, { 502, 8, "Simultaneous" }, { 502, 9, "" },
        { 504, 8, "1/8" }, { 505, -1, "Off" }, { 505, 1, "Step Sequencer" }, { 505, 2, "" }, { 505, -2, "" },
        { 506, 6, "Float Bipolar" }, { 506, 7, "" }, { 507, 0, "Fixed" }, { 507, 3, "Pattern" }, { 508, 2, "" },
        { 509, 50, "50%" }, { 511, 6, "Pattern" }, { 511, 7, "Human1" }, { 511, 10, "Human4" },
        { 511, 11, "Chimp1" }, { 511, 14, "Chimp4" }, { 511, 15, "MissNotes1" }, { 511, 23, "MissNotes9" },
        { 511, 24, "" }, { 511, -1, "" }, { 512, 3, "3 ST" }, { 513, -1, "NONE" }, { 513, 0, "NONE" },
        { 513, 7, "16 Short" }, { 513, 8, "8" }, { 515, 19, "System" }, { 515, 20, "20 bpm" }, { 516, 5, ".05" },
        { 516, 10, ".10" }, { 518, -1, "NONE" }, { 518, 61, "C#4" }, { 519, 1, "NONE" }, { 519, 2, "Any Beat" },
        { 519, 3, "3" }, { 503, 3, "3" } });
}

TEST (ValueText, ObjectReferencesAskTheRightBank)
{
    const std::map<int, int> types {
        { 2100, typeProgram }, { 2102, typeProgram }, { 2200, typeFxChain }, { 2300, typeSong },
        { 2400, typeShiftPattern }, { 2500, typeVelocityPattern }, { 2600, typeIntonation }, { 2700, typeKeyMap },
        { 2800, typeSetup }, { 2900, typeArpeggiator } };
    NamingSource names;
    for (const auto& [display, type] : types)
    {
        const auto id = std::to_string (type);
        EXPECT_EQ (valueText (5, display, &names), "5 " + id + "-5") << display;
        EXPECT_EQ (names.lastType, type) << display;
        if (display != 2102)
        {
            EXPECT_EQ (valueText (5, display + 1, &names), id + "-5") << display + 1;
        }
        EXPECT_EQ (valueText (0, display, &names), "NONE");
        EXPECT_EQ (valueText (INT_MIN, display, &names), "NONE");
    }
    EXPECT_EQ (valueText (1, 2900, &names), "Edited Arp");
    EXPECT_EQ (valueText (1, 2901, &names), std::to_string (typeArpeggiator) + "-1");
    EXPECT_EQ (valueText (2, 2900, &names), "2 " + std::to_string (typeArpeggiator) + "-2");

    names.lastType = 0;
    EXPECT_EQ (valueText (5, 2001, &names), "5 ");
    EXPECT_EQ (valueText (5, 2150, &names), "5 ");
    EXPECT_EQ (valueText (5, 3000, &names), "5 ");
    EXPECT_EQ (valueText (0, 2001, &names), "NONE");
    EXPECT_EQ (names.lastType, 0) << "types without a bank ask for no name";
    EXPECT_EQ (valueText (5, 2100), "5 ") << "without a name source the name is empty";
}

TEST (ValueText, NameTables)
{
    EXPECT_EQ (controllerDestinationName (-2), "MIDI -2");
    EXPECT_EQ (controllerDestinationName (83), "MIDI 83");
    EXPECT_EQ (controllerDestinationName (127), "Mono OFF");
    EXPECT_EQ (controllerDestinationName (128), "Pitch");
    EXPECT_EQ (controllerDestinationName (163), "Unused");
    EXPECT_EQ (controllerDestinationName (181), "ChIntKey");
    EXPECT_EQ (controllerDestinationName (182), "");
    EXPECT_EQ (controllerDestinationName (INT_MAX), "");
    EXPECT_EQ (controlSourceName (19), "Control D");
    EXPECT_EQ (controlSourceName (83), "Control H");
    EXPECT_EQ (controlSourceName (133), "");
    EXPECT_EQ (physicalControlName (-1), "NONE");
    EXPECT_EQ (physicalControlName (28), "KNOB REVERB");
    EXPECT_EQ (physicalControlName (0), "Controller #0");
    EXPECT_EQ (physicalControlName (127), "Controller #127");
    EXPECT_EQ (physicalControlName (128), "Description");
    EXPECT_EQ (physicalControlName (129), "CC# 129");
    EXPECT_EQ (fxCategoryName (0), "------");
    EXPECT_EQ (fxCategoryName (17), "EQ");
    EXPECT_EQ (fxCategoryName (18), "18");
    EXPECT_EQ (fxCategoryName (-1), "-1");
}

// Any value with any display type gives a short, printable text: nothing comes from outside a table.
TEST (ValueText, EveryTypeSurvivesEveryValue)
{
    NamingSource names;
    std::vector<int> values { INT_MIN, INT_MIN + 1, -1000000, INT_MAX, INT_MAX - 1, 1000000 };
    for (int v = -300; v <= 300; ++v)
        values.push_back (v);
    std::vector<int> types { INT_MIN, INT_MAX, -1 };
    for (int t = 0; t <= 3100; ++t)
        types.push_back (t);

    for (const int t : types)
        for (const int v : values)
        {
            const auto text = valueText (v, t, &names);
            ASSERT_LE (text.size(), 40u) << t << " " << v;
            for (const char c : text)
                ASSERT_TRUE (c >= 0x20 && c < 0x7F) << t << " " << v;
        }
}
