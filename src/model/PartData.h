#pragma once

#include "SysexFormat.h"

#include <optional>

namespace zr9::sysex
{

/** Where a received object part goes. */
enum class PartTarget
{
    none,            // read and not kept
    programLayer,    // a layer of the slot's program edit object (element = layer)
    programPart2,
    programPart4,
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
    std::string name; // setup common part only
};

/**
    Reads a part-data message (a protocol message the receiver acts on: at
    least 14 bytes, kind byte 1, not number-addressed), checking its length
    against what its command and part require. Empty for every message that is
    to be ignored, including slots beyond the 16 program edit objects.
*/
std::optional<PartData> readPartData (Reader m);

} // namespace zr9::sysex
