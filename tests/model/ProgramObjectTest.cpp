#include "model/ObjBankHolder.h"
#include "model/ObjProgramEditClass.h"
#include "model/ProgramLayout.h"
#include "support/BankBuilder.h"

#include <gtest/gtest.h>

using namespace zr9;

namespace
{

struct InfoEntry
{
    int a;
    int b;
    Bytes text;
};

Bytes infoBlockOf (const std::vector<InfoEntry>& entries)
{
    Bytes out { 0x01, 0x02, 0x00, (std::uint8_t) entries.size() };
    for (const auto& e : entries)
    {
        const Bytes head { 0, 0, (std::uint8_t) (e.a >> 8), (std::uint8_t) e.a, (std::uint8_t) (e.b >> 8), (std::uint8_t) e.b,
                           0, (std::uint8_t) e.text.size() };
        out.insert (out.end(), head.begin(), head.end());
        out.insert (out.end(), e.text.begin(), e.text.end());
    }
    return out;
}

Bytes text (const std::string& s) { return Bytes (s.begin(), s.end()); }

/** A program record of n layers with the given info block, a route block of `routes` entries and a 152-byte tail. */
Bytes programRecord (int layers, const Bytes& info, int routes)
{
    Bytes r ((size_t) program::infoBlockBase + (size_t) program::layerSize * (size_t) layers, 0);
    r[program::layerCountOffset] = (std::uint8_t) layers;
    for (const auto b : info)
        r.push_back (b);
    for (const std::uint8_t b : { 0, 3, 0, routes })
        r.push_back (b);
    for (int i = 0; i < routes; ++i)
        for (int b = 0; b < 4; ++b)
            r.push_back ((std::uint8_t) (10 * i + b));
    r.resize (r.size() + 152, 0xEE);
    return r;
}

} // namespace

TEST (ProgramObject, InfoEntriesDecodeValuesAndTexts)
{
    const Bytes record = programRecord (2, infoBlockOf ({ { 28, 0xFFFF, text ("Reverb Amount") },
                                                          { 12, 127, text (std::string ("\x01" "Filter Freq") + '\0') },
                                                          { 7, 128, text ("\xC8Wah") } }), 5);
    ObjProgramEditClass edit;
    edit.load (record);
    edit.decodeBlocks();
    const auto lists = edit.infoLists();
    const auto& own = lists.group[ProgramInfoLists::programGroup];

    EXPECT_EQ (own.tag, 0x0102);
    EXPECT_EQ (own.count, 3);
    EXPECT_EQ (own.valueA[0], 28);
    EXPECT_EQ (own.valueB[0], -1);
    EXPECT_EQ (own.valueB[1], 127);
    EXPECT_EQ (own.valueB[2], -1);
    EXPECT_EQ (own.text[0], "Reverb Amount");
    EXPECT_EQ (own.text[1], "Filter Freq") << "a leading control byte is skipped, the zero dropped";
    EXPECT_EQ (own.text[2], "Wah") << "a leading byte above 127 is skipped";
    EXPECT_EQ (own.text[3], "");
    EXPECT_EQ (lists.routeCount, 5);
    EXPECT_EQ (lists.entryCount, 5) << "the larger of the info and route counts";
    EXPECT_EQ (lists.routeByte[2][4], 42);
    EXPECT_EQ (lists.routeByte[3][1], 13);

    // infoText reads the record itself: zero bytes dropped, a control byte kept.
    EXPECT_EQ (edit.infoText (0), "Reverb Amount");
    EXPECT_EQ (edit.infoText (1), "\x01" "Filter Freq");
    EXPECT_EQ (edit.infoText (3), "");
}

TEST (ProgramObject, ShortOrOverfullBlocksDecodeSafely)
{
    // An info block of count 0 is 4 bytes: too short to decode, the lists stay empty.
    ObjProgramEditClass edit;
    edit.load (programRecord (0, infoBlockOf ({}), 0));
    edit.decodeBlocks();
    auto lists = edit.infoLists();
    EXPECT_EQ (lists.group[3].count, 0);
    EXPECT_EQ (lists.group[3].tag, 0);
    EXPECT_EQ (lists.entryCount, 0);
    EXPECT_EQ (edit.infoText (0), "");
    for (const auto& g : lists.group)
        EXPECT_EQ (g.text.size(), 39u);

    // Fifty entries: the lists keep 39 of them, the route block behind is still found.
    std::vector<InfoEntry> many;
    for (int i = 0; i < 50; ++i)
        many.push_back ({ i, i, text ("T" + std::to_string (i)) });
    edit.load (programRecord (1, infoBlockOf (many), 6));
    edit.decodeBlocks();
    lists = edit.infoLists();
    EXPECT_EQ (lists.group[3].count, 50);
    EXPECT_EQ (lists.group[3].text[38], "T38");
    EXPECT_EQ (lists.routeCount, 6);
    EXPECT_EQ (edit.infoText (49), "T49");

    // Decoding again after loading a smaller program leaves nothing of the old one.
    edit.load (programRecord (1, infoBlockOf ({ { 1, 1, text ("Only one entry") } }), 0));
    edit.decodeBlocks();
    lists = edit.infoLists();
    EXPECT_EQ (lists.group[3].text[1], "");
    EXPECT_EQ (lists.routeByte[0][1], 0);

    // A record cut inside its info block decodes what lies inside and no more.
    Bytes cut = programRecord (1, infoBlockOf (many), 6);
    cut.resize (program::infoBlockBase + program::layerSize + 40);
    edit.load (cut);
    edit.decodeBlocks();
    lists = edit.infoLists();
    EXPECT_EQ (lists.group[3].text[0], "T0");
    EXPECT_EQ (lists.group[3].text[5], "");
    EXPECT_EQ (edit.infoText (30), "");
}

TEST (ProgramObject, RouteBytesAreWrittenOnlyInsideALongEnoughBlock)
{
    ObjProgramEditClass edit;
    edit.load (programRecord (1, infoBlockOf ({ { 1, 2, text ("Mod Wheel Depth") } }), 4));
    EXPECT_EQ (edit.routeByte2 (3), 32);
    EXPECT_EQ (edit.routeByte3 (3), 33);
    edit.setRouteByte2 (3, 99);
    edit.setRouteByte3 (0, 77);
    EXPECT_EQ (edit.routeByte2 (3), 99);
    EXPECT_EQ (edit.routeByte3 (0), 77);

    const Bytes before = edit.record();
    edit.setRouteByte2 (4, 1); // behind the last entry: the tail stays untouched
    edit.setRouteByte2 (-1, 1);
    EXPECT_EQ (edit.record(), before);
    EXPECT_EQ (edit.routeByte2 (4), 0);

    // Three routes make a 16-byte block: below 20 bytes nothing is written.
    edit.load (programRecord (1, infoBlockOf ({}), 3));
    const Bytes small = edit.record();
    edit.setRouteByte3 (1, 5);
    EXPECT_EQ (edit.record(), small);
    EXPECT_EQ (edit.routeByte3 (1), 13);
}

TEST (ProgramObject, CommonFieldsFollowTheirBitRules)
{
    ObjProgramEditClass edit;
    edit.load (programRecord (1, infoBlockOf ({}), 0));
    namespace c = program::common;

    edit.set (c::fxSwitch111, 1);
    edit.set (c::fxValue111, 100);
    EXPECT_EQ (edit.record()[111], 0xE4);
    edit.set (c::fxSwitch111, 0);
    EXPECT_EQ (edit.get (c::fxValue111), 100) << "clearing the switch keeps the value";
    edit.set (c::fxValue111, 200);
    EXPECT_EQ (edit.get (c::fxValue111), 200 & 0x7F);
    EXPECT_EQ (edit.get (c::fxSwitch111), 0);

    edit.set (c::switch61 (3), 1);
    edit.set (c::switch61 (0), 1);
    edit.set (c::switch61 (3), 0);
    EXPECT_EQ (edit.record()[61], 0x01);

    edit.set (c::fxWord109, -300);
    EXPECT_EQ (edit.get (c::fxWord109), -300);
    EXPECT_EQ (edit.record()[109], 0xFE) << "high byte first";

    edit.set (c::negated78, 12);
    EXPECT_EQ (edit.record()[78], (std::uint8_t) -12);
    edit.set (c::negated78, -5);
    EXPECT_EQ (edit.get (c::negated78), -5);

    edit.set (c::category, 11);
    EXPECT_EQ (edit.categoryText(), "") << "the edit object has no text for unknown categories";
    edit.set (c::category, 4);
    edit.set (c::subType, 4);
    EXPECT_EQ (edit.categoryText(), "ORGAN");
    EXPECT_EQ (edit.subTypeText(), "Pipe");
    EXPECT_EQ (edit.modeText(), "MOSA");
    edit.set (c::mode, 'x');
    EXPECT_EQ (edit.modeText(), "TW3");

    ObjProgramEditClass tiny;
    tiny.load (Bytes (40, 0));
    tiny.set (c::fxWord133, 1234); // beyond the record: dropped
    EXPECT_EQ (tiny.recordSize(), 40);
    EXPECT_EQ (tiny.get (c::fxWord133), 0);
}

TEST (ProgramObject, BankAndEditAgreeOnEveryLayerCountUpTo32)
{
    for (int layers : { 0, 1, 20, 31, 32 })
    {
        SCOPED_TRACE (layers);
        Bytes record = programRecord (layers, infoBlockOf ({ { 9, 3, text ("Filter Freq Knob") } }), 5);
        for (int i = 0; i < 20; ++i)
            record[(size_t) i] = (std::uint8_t) "Layered Program     "[i];
        record[30] = 11;
        record[31] = 0xFE;
        if (layers > 0)
        {
            const long long last = program::layerOffset (layers - 1);
            record[(size_t) last + 2] = 40;
            putWord (record, last + 142, 777);
            for (int i = 0; i < 20; ++i)
                record[(size_t) (last + 290 + i)] = (std::uint8_t) "Top Layer           "[i];
        }

        ObjProgramBankClass bank;
        bank.indexBank (test::makeBank (typeProgram, { { 5, record }, { 6, {} } }), 8);
        ObjProgramEditClass edit;
        edit.load (record);
        edit.decodeBlocks();

        const long long expectedInfo = 250 + 318LL * layers;
        const Bytes info = bank.infoBlock (5);
        ASSERT_EQ (info.size(), 4u + 8 + 16);
        EXPECT_TRUE (std::equal (info.begin(), info.end(), record.begin() + expectedInfo));
        EXPECT_EQ (bank.routeBlock (5).size(), 24u);
        EXPECT_EQ (edit.infoLists().group[3].text[0], "Filter Freq Knob");
        EXPECT_EQ (edit.infoLists().routeCount, 5);
        EXPECT_EQ (bank.layerCount (5), layers);
        EXPECT_EQ (bank.category (5), 11);
        EXPECT_EQ (bank.categoryText (5), "11") << "the bank shows an unknown category as its number";
        EXPECT_EQ (bank.subType (5), -2) << "signed";
        EXPECT_EQ (bank.name (5), "Layered Program     ");
        EXPECT_EQ (bank.nameBytes (5).size(), 20u);
        EXPECT_EQ (bank.commonBytes (5).size(), 133u);
        if (layers > 0)
        {
            EXPECT_EQ (bank.layerByte (5, layers - 1, 2), 40);
            EXPECT_EQ (bank.layerKeyMap (5, layers - 1), 777);
            EXPECT_EQ (bank.layerName (5, layers - 1), "Top Layer           ");
            const auto layer = edit.layerObject (layers - 1);
            EXPECT_EQ (layer.lowKey(), 40);
            EXPECT_EQ (layer.keyMap(), 777);
            EXPECT_EQ (layer.name(), "Top Layer           ");
        }
        EXPECT_EQ (bank.layerByte (5, 0, 318), 0) << "a layer byte never reaches into the next layer";
    }
}

TEST (ProgramObject, BankReadsOfMissingProgramsAreEmpty)
{
    ObjProgramBankClass bank;
    bank.indexBank (test::makeBank (typeProgram, { { 2, Bytes (22, 'a') } }), 4);
    for (int n : { -1, 0, 2, 3, 99 })
    {
        EXPECT_FALSE (bank.exists (n));
        EXPECT_EQ (bank.layerCount (n), 0);
        EXPECT_EQ (bank.modeText (n), "MOSA");
        EXPECT_EQ (bank.nameBytes (n), Bytes (20, 0));
        EXPECT_EQ (bank.infoBlock (n), Bytes());
        EXPECT_EQ (bank.layerName (n, 0), "");
    }
}
