#pragma once

#include "ByteView.h"
#include "SysexFormat.h"

namespace zr9::sysex
{

// Part messages as the instrument sends them in answer to a part request,
// and as the editor sends the same parts back into the instrument's edit
// buffer. Each carries kind 1 at byte 11 and its data packed from byte 12;
// the two common parts (program part 0 and setup part 0) carry the 20-byte
// name at bytes 12 to 31 and their packed data from byte 32. The receiver
// (PartData.h) checks the lengths these give.
constexpr std::size_t partDataAt = 12;
constexpr std::size_t partNameAt = 12;
constexpr std::size_t commonPartDataAt = 32;
constexpr int partNameLength = 20;

/** Program part 0 of a slot: the record's name and its 133-byte common block (185 bytes). */
Message programCommonPart (int device, int slot, ByteView record);
/** Program part 2: the 91 further bytes behind the common block and one byte not examined (119 bytes). */
Message programFurtherPart (int device, int slot, ByteView record);
/** Program part 1 for layer k: the 318 bytes of that layer (377 bytes). */
Message programLayerPart (int device, int slot, int k, ByteView record);
/** Program part 4: the info block, the route block and the bytes behind them (any length). */
Message programInfoPart (int device, int slot, ByteView record);

/** Setup part 0: the setup's name and its 45-byte header, bytes 23 to 67 (85 bytes). */
Message setupHeaderPart (int device, ByteView record);
/** Setup part 1: the common block, 394 bytes in the extended format (464 bytes), 319 in the basic. */
Message setupCommonPart (int device, ByteView record);
/** Setup part 2 of zone z: the zone's bytes (any length). */
Message setupZonePart (int device, int z, ByteView zone);

} // namespace zr9::sysex
