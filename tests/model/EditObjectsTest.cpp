// The setup being edited put together from its parts and changed field by
// field, and where the write dialog proposes to store.

#include "model/BankIndex.h"
#include "model/BlankBank.h"
#include "model/FactoryBanks.h"
#include "model/ObjMultiClass.h"
#include "model/ObjectTypes.h"
#include "model/PartData.h"
#include "model/PartMessages.h"
#include "model/SetupValues.h"
#include "model/WriteDestination.h"

#include <gtest/gtest.h>

using namespace zr9;

namespace
{
BankIndex factorySetups()
{
    BankIndex bank;
    bank.index (typeSetup, Factory_Banks_ZR9::image (typeSetup), 2048);
    return bank;
}

sysex::PartData read (const sysex::Message& m)
{
    const auto part = sysex::readPartData (sysex::Reader (m));
    EXPECT_TRUE (part.has_value());
    return part.value_or (sysex::PartData {});
}

/** A bank holding a record at each of the given numbers. */
BankIndex bankHolding (int first, int last)
{
    BankIndex bank;
    bank.index (typeProgram, ByteView (blankBankImage (typeProgram, 2049)), 2048);
    for (int n = first; n <= last; ++n)
        bank.store (n, ByteView (Bytes (40, 'x')));
    return bank;
}
} // namespace

TEST (EditObjects, ASetupTheLibraryDoesNotHoldIsPutTogetherFromItsParts)
{
    const auto bank = factorySetups();
    const auto wanted = bank.record (7);
    const ByteView r (wanted);
    const auto table = setup::walkZones (r);
    ASSERT_GT (table.walked, 1);

    ObjMultiClass multi;
    multi.load (ByteView()); // nothing in the library
    const auto header = read (sysex::setupHeaderPart (0, r));
    multi.setHeader (header.name, ByteView (header.data));
    EXPECT_TRUE (multi.setCommon (ByteView (read (sysex::setupCommonPart (0, r)).data)));
    for (int z = 0; z < table.walked; ++z)
    {
        const auto& zone = table.zones[(size_t) z];
        const auto part = read (sysex::setupZonePart (0, z, r.slice (zone.start, zone.length)));
        ASSERT_EQ (part.element, z);
        ASSERT_TRUE (multi.loadZone (z, ByteView (part.data)));
    }
    EXPECT_EQ (multi.record.bytes(), wanted);
    EXPECT_EQ (multi.zoneStart (1), (int) table.zones[1].start) << "the zone walk follows the record";
    EXPECT_EQ (multi.name(), bank.name (7));
}

TEST (EditObjects, ZoneAndCommonChangesKeepRecordZonesAndWalkInStep)
{
    const auto bank = factorySetups();
    ObjMultiClass multi;
    multi.load (ByteView (bank.record (3)));
    const int size = multi.record.size();
    const int zones = multi.numberOfZones();
    ASSERT_GE (zones, 2);

    // Zone 0 replaced by a zone of another length moves every zone behind it, and the walk follows.
    const auto first = multi.zones[0].bytes, second = multi.zones[1].bytes;
    ASSERT_NE (first.size(), second.size());
    ASSERT_TRUE (multi.loadZone (0, ByteView (second)));
    EXPECT_EQ (multi.record.size(), size - (int) first.size() + (int) second.size());
    EXPECT_EQ (multi.zoneLength (0), (int) second.size());
    EXPECT_EQ (multi.zoneStart (1), multi.zoneStart (0) + (int) second.size());
    EXPECT_EQ (multi.zones[1].bytes, second) << "the other zones stay as they were";
    ASSERT_TRUE (multi.loadZone (0, ByteView (first)));
    EXPECT_EQ (multi.record.bytes(), bank.record (3));

    const setup::ZoneValueField volume { 13, setup::ValueAccess::byte };
    const setup::ZoneValueField transpose { 15, setup::ValueAccess::signedByte };
    multi.setZoneValue (1, volume, 99);
    multi.setZoneValue (1, transpose, -12);
    EXPECT_EQ (multi.zoneValue (1, volume), 99);
    EXPECT_EQ (multi.zoneValue (1, transpose), -12);
    EXPECT_EQ (multi.value (7, 13, 1), 99) << "the setup's own reading by parameter kind sees it";
    EXPECT_EQ (multi.record.byte (multi.zoneStart (1) + 13), 99);

    const auto before = multi.record.bytes();
    multi.setZoneValue (zones, volume, 1);
    multi.setZoneValue (-1, volume, 1);
    EXPECT_EQ (multi.record.bytes(), before) << "no zone beyond the setup's";

    multi.setCommonValue (setup::commonValueField (3162), 140);
    EXPECT_EQ (multi.value (272, 0), 140);
    multi.setCommonValue (setup::commonValueField (3003), 50);
    EXPECT_EQ (multi.record.bytes()[(size_t) 73], before[73]) << "a sum of two bytes names no single value to write";

    multi.setName ("Split \xC3\x9C" "ber\tAll");
    EXPECT_EQ (multi.name(), "Split   ber All     ");
}

TEST (EditObjects, TheWriteDialogProposesTheFirstFreeUserNumber)
{
    EXPECT_EQ (writedestination::propose (bankHolding (1025, 1030)), 1031);
    EXPECT_EQ (writedestination::propose (bankHolding (1025, 2048)), 1025) << "all held: the first of the range";
    EXPECT_EQ (writedestination::propose (bankHolding (1, 1024)), 1025);
    EXPECT_EQ (writedestination::propose (bankHolding (1026, 1100)), 1025);
}
