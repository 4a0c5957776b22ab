#include "model/ObjMultiClass.h"
#include "model/SetupValues.h"

#include <gtest/gtest.h>

using namespace zr9;

namespace
{

Bytes setupRecord (int format1, int format2, int zones, std::size_t size = 4000)
{
    Bytes r (size, 0);
    r[23] = (std::uint8_t) format1;
    r[24] = (std::uint8_t) format2;
    r[setup::isExtended (r) ? 67 : 49] = (std::uint8_t) zones;
    return r;
}

struct CodeRecorder : ObjectChangeListener
{
    std::vector<int> codes;
    void objectChanged (ObjectChangeNotifier&, int code) override { codes.push_back (code); }
};

} // namespace

TEST (SetupObject, CommonValuesByNumberInBothFormats)
{
    for (const bool extended : { true, false })
    {
        SCOPED_TRACE (extended);
        Bytes r = extended ? setupRecord (3, 11, 0) : setupRecord (3, 10, 0);
        const int shift = extended ? 0 : 18; // the basic common block starts 18 bytes earlier
        r[(size_t) (70 + 5 - shift)] = 0;
        r[(size_t) (86 + 5 - shift)] = 9;
        r[(size_t) (70 + 6 - shift)] = 4;
        r[(size_t) (86 + 6 - shift)] = 9;
        r[(size_t) (199 + 2 * 15 - shift)] = 33;
        putWord (r, 102 + 2 * 2 - shift, -7);
        putWord (r, 134 + 2 * 15 - shift, 1000);
        r[(size_t) (231 - shift)] = 44;

        ObjMultiClass multi;
        multi.load (r);
        EXPECT_EQ (multi.extended(), extended);
        EXPECT_EQ (multi.value (13, 5), 0) << "a first byte of 0 reads 0 whatever the second";
        EXPECT_EQ (multi.value (13, 6), 13);
        EXPECT_EQ (multi.value (19, 15), 33);
        EXPECT_EQ (multi.value (17, 2), -7);
        EXPECT_EQ (multi.value (23, 15), 1000);
        EXPECT_EQ (multi.value (25, 0), 44);
        EXPECT_EQ (multi.value (15, 3100 + 15), 33);
        EXPECT_EQ (multi.value (46, 3016), 0) << "one past a run of 16";
        EXPECT_EQ (multi.value (999, 3006), 0);
    }

    // The single common values and the kinds that read them directly.
    Bytes ext = setupRecord (3, 11, 0);
    Bytes basic = setupRecord (2, 50, 0);
    const struct { int kind; int extended; int basic; } bytes[] = {
        { 27, 301, 217 }, { 29, 307, 221 }, { 31, 303, 219 }, { 33, 309, 223 }, { 271, 312, 224 }, { 311, 313, 225 }
    };
    for (const auto& b : bytes)
    {
        ext[(size_t) b.extended] = (std::uint8_t) b.kind;
        basic[(size_t) b.basic] = (std::uint8_t) b.kind;
    }
    putWord (ext, 294, -2);
    putWord (basic, 214, 515);
    ext[39] = 16;
    ext[48] = 24;
    ObjMultiClass e, s;
    e.load (ext);
    s.load (basic);
    for (const auto& b : bytes)
    {
        EXPECT_EQ (e.value (b.kind, 0), b.kind & 0xFF) << b.kind;
        EXPECT_EQ (s.value (b.kind, 0), b.kind & 0xFF) << b.kind;
    }
    EXPECT_EQ (e.value (272, 0), -2);
    EXPECT_EQ (e.value (21, 3162), -2);
    EXPECT_EQ (s.value (312, 0), 515);
    EXPECT_EQ (s.value (15, 3164), 515);
    EXPECT_EQ (e.value (3, 16), 16);
    EXPECT_EQ (e.value (3, 24), 24);
    EXPECT_EQ (e.value (3, 17), 0);
}

TEST (SetupObject, LoadCopiesCommonPartAndZonesAndShortRecordsHaveNoTable)
{
    Bytes r = setupRecord (3, 11, 2);
    // Zone 0 of zero bytes is 261 bytes long; give zone 1's head a value to find.
    r[462 + 261 + 13] = 0x5A;
    putWord (r, 462 + 261 + 11, -3);
    r.resize (1100);

    ObjMultiClass multi;
    multi.load (r);
    EXPECT_EQ (multi.common.bytes.size(), 462u);
    EXPECT_EQ (multi.zoneStart (1), 462 + 261);
    EXPECT_EQ (multi.zoneLength (1), 261);
    EXPECT_EQ (multi.zones[1].bytes.size(), 261u);
    EXPECT_TRUE (multi.zones[2].bytes.empty());
    EXPECT_EQ (multi.value (7, 13, 1), 0x5A);
    EXPECT_EQ (multi.value (70, 11, 1), -3);
    EXPECT_EQ (multi.value (4, 13, 1), 0) << "kind 4 always reads zone 0";
    EXPECT_EQ (multi.value (7, 13, 16), 0);

    // A setup of 999 bytes is not walked: every start and length but zone 0's start is 0.
    Bytes small = setupRecord (3, 11, 3, 999);
    multi.load (small);
    for (int z = 0; z < 16; ++z)
    {
        EXPECT_EQ (multi.zoneLength (z), 0);
        if (z > 0)
        {
            EXPECT_EQ (multi.zoneStart (z), 0);
        }
        for (const auto& list : multi.zoneLists)
            EXPECT_EQ (list[(size_t) z], 0);
    }
    EXPECT_EQ (multi.zoneStart (0), 462);

    // Twenty zones in the count: only 16 are loaded, none beyond the record.
    Bytes many = setupRecord (3, 11, 20, 1500);
    multi.load (many);
    EXPECT_EQ (multi.numberOfZones(), 20);
    EXPECT_EQ (multi.zoneLength (15), 261);
}

TEST (SetupObject, HeaderCommonAndZonesReplacePartsWithTheirChangeCodes)
{
    ObjMultiClass multi;
    multi.load (setupRecord (3, 11, 1));
    CodeRecorder recorder;
    multi.addChangeListener (&recorder);

    // A 44-byte header is ignored; the name is still written, zero bytes as blanks.
    multi.setHeader (std::string ("Split\0Pad", 9), Bytes (44, 7));
    EXPECT_EQ (multi.name(), "Split Pad           ");
    EXPECT_EQ (multi.record.byte (30), 0);

    Bytes header (45, 0);
    header[0] = 3;
    header[1] = 10; // the header turns the setup basic
    header[26] = 2; // the basic zone count, byte 49
    header[44] = 0x77;
    multi.setHeader ("A very long setup name here", header);
    EXPECT_EQ (multi.name(), "A very long setup na");
    EXPECT_EQ (multi.record.byte (67), 0x77);
    EXPECT_FALSE (multi.extended());
    EXPECT_EQ (multi.common.bytes.size(), 369u);

    EXPECT_FALSE (multi.setCommon (Bytes (320, 1))) << "a 320-byte block in the basic format";
    EXPECT_EQ (multi.record.byte (50), 0);
    EXPECT_FALSE (multi.setCommon (Bytes (394, 1)));
    EXPECT_TRUE (multi.setCommon (Bytes (319, 2)));
    EXPECT_EQ (multi.record.byte (50), 2);
    EXPECT_EQ (multi.record.byte (368), 2);
    EXPECT_EQ (multi.record.byte (369), 0);

    // The zone count is now byte 49, 2: zones up to count + 1 are accepted.
    EXPECT_TRUE (multi.loadZone (3, Bytes (10, 1)));
    EXPECT_FALSE (multi.loadZone (4, Bytes (10, 1)));
    EXPECT_FALSE (multi.loadZone (-1, Bytes (10, 1)));
    EXPECT_EQ (multi.zones[3].bytes.size(), 10u);

    multi.deliverPendingChanges();
    EXPECT_EQ (recorder.codes, (std::vector<int> { 16, 16, 17, 17, 17, 3 }));
    multi.removeChangeListener (&recorder);
}
