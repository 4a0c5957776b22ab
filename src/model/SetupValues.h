#pragma once

#include "ByteView.h"

namespace zr9::setup
{

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
