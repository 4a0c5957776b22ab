#pragma once

#include "SysexFormat.h"

#include <optional>

namespace zr9::sysex
{

/** Where a received object part goes. */
enum class PartTarget
{
    none,            // read and not kept
    programCommon,   // program part 0: the name and the common block
    programLayer,    // a layer of the slot's program edit object (element = layer)
    programPart2,    // the further bytes behind the common block
    programPart4,    // the info block, the route block and what follows them
    programArp,      // the arpeggiator part (the program's side block)
    masterPart,      // global part 0 to 3 (lands in master part part + 1)
    setupCommon,     // with the 20-byte name
    setupPart1,
    setupZone        // element = zone
};

/** A received part, unpacked, with its address. */
struct PartData
{
    std::uint8_t command = 0;
    int slot = 0, part = 0, element = 0;
    PartTarget target = PartTarget::none;
    std::vector<std::uint8_t> data;
    std::string name; // the common parts (program part 0, setup part 0) only: 20 bytes
};

/**
    Reads a part-data message (a protocol message the receiver acts on: at
    least 14 bytes, kind byte 1, not number-addressed), checking its length
    against what its command and part require. Empty for every message that is
    to be ignored, including slots beyond the 16 program edit objects.

    The packed data of a part starts right behind the kind byte (byte 12), as
    in the part dumps the editor sends; the two common parts carry their
    20-byte name there (bytes 12 to 31) and their data from byte 32. These
    are the offsets under which each required length carries exactly its
    part: 318 bytes of a layer in 377, the 133-byte common block in 185,
    the 45-byte setup header in 85 and the 394-byte setup common block in 464.
*/
std::optional<PartData> readPartData (Reader m);

} // namespace zr9::sysex
