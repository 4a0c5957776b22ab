#pragma once

#include "ByteView.h"

namespace zr9::setup
{

/** How a setup value sits in its bytes. */
enum class ValueAccess
{
    byte,        // one unsigned byte
    signedByte,  // one byte read as -128 to 127
    signedWord,  // big-endian 16 bits
    sumIfFirst   // 0 when the first byte is 0, else the first byte plus the byte 16 behind it (read only)
};

/** Where a common value lies in each format of the record, and how. */
struct CommonValueField
{
    int extended = 0;
    int basic = 0;
    ValueAccess access = ValueAccess::byte;
    bool valid = false;
};

/** The field of common value number 3000 + i ... 3175; not valid for any other number. */
CommonValueField commonValueField (int number) noexcept;

/** Reads a common field at the offset of the record's format. */
int readCommonField (ByteView record, CommonValueField f) noexcept;

/**
    Writes a common field at the offset of the record's format; a field
    beyond the record, an invalid one and a sum of two bytes (which names no
    single pair) write nothing.
*/
void writeCommonField (Bytes& record, CommonValueField f, int value) noexcept;

/** A zone field: its offset within the zone and how it is read. */
struct ZoneValueField
{
    int offset = 0;
    ValueAccess access = ValueAccess::byte;
};

int readZoneField (ByteView zone, ZoneValueField f) noexcept;
/** Writes a zone field; one beyond the zone writes nothing. */
void writeZoneField (Bytes& zone, ZoneValueField f, int value) noexcept;

/**
    The setup common value with the given parameter number (3000 + i, 3100 + i,
    ... 3175), read at the offset its number has in the record's format.
    Any other number reads 0.
*/
int commonValue (ByteView record, int number) noexcept;

/** Parameter kinds that name a zone field, and those that name a field of a zone's lists and segments. */
bool isZoneKind (int kind) noexcept;
bool isZoneListKind (int kind) noexcept;

/**
    A zone head field b: the signed words at 11, 21, 27 and 29, any other
    head byte (0 to 34) as a byte, 0 beyond the head.
*/
int zoneHeadField (ByteView zone, int b) noexcept;

/**
    The value of a setup parameter of kind `kind` and number `number`; a zone
    kind reads the zone bytes the caller passes (zone 0 for kind 4). Kinds
    the record does not lay out read 0.
*/
int parameterValue (ByteView record, ByteView zone, int kind, int number) noexcept;

} // namespace zr9::setup
