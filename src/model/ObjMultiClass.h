#pragma once

#include "BankIndex.h"
#include "ObjectChangeNotifier.h"
#include "ObjectRecord.h"
#include "SetupLayout.h"
#include "SetupValues.h"

#include <array>

namespace zr9
{

class ObjBankHolder;

/** The name, header and common block of the setup being edited (369 or 462 bytes). */
class subObjMltCommon
{
public:
    bool extended = true;
    Bytes bytes;
};

/** One zone of the setup being edited; it walks its own bytes as the setup walks them. */
class subObjZone
{
public:
    bool extended = true;
    Bytes bytes;

    /** The zone walked from its own first byte: list A, list B and segment C offsets within the zone. */
    setup::Zone walk() const noexcept { return setup::walkZone (ByteView (bytes), 0, extended); }
};

/**
    The setup (multi) being edited: its record, a second byte block, a bank
    index of its own, the common part and 16 zones, and the nine per-zone
    working lists that the zone walk fills.

    Change codes: 0 to 15 a zone was loaded, 16 the header was replaced,
    17 the common block was replaced.

    Used on the message thread; parts received from the instrument are put
    in by the controller there.
*/
class ObjMultiClass : public ObjectChangeNotifier
{
public:
    static constexpr int zoneCount = 16;
    static constexpr int workingListCount = 9;
    static constexpr int codeHeader = 16;
    static constexpr int codeCommon = 17;
    static constexpr int headerOffset = 23;
    static constexpr int headerSize = 45;

    // The nine working lists, in the order zoneLists holds them.
    enum WorkingList
    {
        listZoneStart, listZoneLength, listSegmentCPlusOne, listSegmentD, listSegmentFPlusOne,
        listBEntries, listAStart, listACount, listBCount
    };

    /** Reads setup n from the setup bank and loads it; a missing setup loads an empty record. */
    void loadFromBank (const ObjBankHolder& setupBank, int n);
    /** Copies the record, its common part and its zones, and walks the zone table. */
    void load (ByteView bytes);

    /** Zone count byte of the record's format (not limited to 16). */
    int numberOfZones() const noexcept { return setup::zoneCount (record.view()); }
    bool extended() const noexcept { return setup::isExtended (record.view()); }
    /** S(z) and L(z) from the working lists; zoneStart(0) is the end of the common block. */
    int zoneStart (int z) const noexcept;
    int zoneLength (int z) const noexcept;

    /**
        Puts received bytes into zone z when z is below 16 and at most the
        zone count + 1, lays the record out anew from its common part and its
        zones (so the record is always the setup as far as it arrived) and
        walks it again; broadcasts code z.
    */
    bool loadZone (int z, ByteView bytes);

    /** Writes bytes 0 to 19: the text cut or padded with blanks, characters outside 0x20 to 0x7E as blanks; code 16. */
    void setName (const std::string& text);
    /** Writes a common value into the record and the common part; code 17. */
    void setCommonValue (setup::CommonValueField field, int value);
    /** A field of zone z (0 for a zone not loaded). */
    int zoneValue (int z, setup::ZoneValueField field) const noexcept;
    /** Writes a field of zone z into the zone and the record; code z. Nothing for a zone not loaded. */
    void setZoneValue (int z, setup::ZoneValueField field, int value);
    /** Writes the name and, when exactly 45 bytes, the header block at 23; broadcasts code 16. */
    void setHeader (const std::string& name, ByteView header);
    void setHeader (ByteView name, ByteView header);
    /** Writes a common block of exactly 394 (extended) or 319 (basic) bytes; broadcasts code 17 either way. */
    bool setCommon (ByteView common);

    /** A setup parameter by kind and number; zone kinds read zone `zone` (kind 4 always zone 0). */
    int value (int kind, int number, int zone = 0) const noexcept;
    std::string name() const { return record.name(); }

    ObjectRecord record;
    Bytes secondBlock;
    BankIndex bank;
    subObjMltCommon common;
    std::array<subObjZone, zoneCount> zones;
    std::array<std::array<int, zoneCount>, workingListCount> zoneLists {};

private:
    void walkZoneTable();
    /** Lengthens the record with zeros to at least `size` bytes. */
    void makeRoom (long long size);
    /** The record made again of its common part, the loaded zones and whatever lay behind the walked zones. */
    void rebuildRecord();
    /** Writes a 20-byte name into bytes 0 to 19, zero bytes as blanks. */
    void writeName (ByteView name);
};

} // namespace zr9
