#pragma once

#include "BankIndex.h"
#include "ObjectChangeNotifier.h"
#include "ObjectRecord.h"

#include <array>

namespace zr9
{

/** The name, header and common block of the setup being edited. */
class subObjMltCommon
{
public:
    bool extended = true;
    Bytes bytes;
};

/** One zone of the setup being edited. */
class subObjZone
{
public:
    bool extended = true;
    Bytes bytes;
};

/**
    The setup (multi) being edited: its record, a second byte block, a bank
    index of its own, the common part and 16 zones, and the nine per-zone
    working lists that the zone walk fills.

    Change codes: 0 to 15 a zone was loaded, 16 the header was replaced,
    17 the common block was replaced.
*/
class ObjMultiClass : public ObjectChangeNotifier
{
public:
    static constexpr int zoneCount = 16;
    static constexpr int workingListCount = 9;
    static constexpr int codeHeader = 16;
    static constexpr int codeCommon = 17;

    ObjectRecord record;
    Bytes secondBlock;
    BankIndex bank;
    subObjMltCommon common;
    std::array<subObjZone, zoneCount> zones;
    std::array<std::array<int, zoneCount>, workingListCount> zoneLists {};
};

} // namespace zr9
