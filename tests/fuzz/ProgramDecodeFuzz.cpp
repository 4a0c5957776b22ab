// Decodes arbitrary bytes as a program record: the trailing blocks, the info
// and route lists, every info text and every common and layer field. Nothing
// may read outside the record, and the lists always keep their 39 entries.

#include "model/ProgramFields.h"
#include "model/ProgramInfoLists.h"
#include "model/ProgramLayout.h"

#include <algorithm>
#include <cstdlib>

using namespace zr9;

extern "C" int LLVMFuzzerTestOneInput (const std::uint8_t* data, size_t size)
{
    const ByteView record (data, size);
    ProgramInfoLists lists;
    program::decodeProgramBlocks (record, lists);

    const auto t = program::trailingBlocks (record);
    if (t.infoSize < 4 || t.routeSize < 4)
        std::abort();
    const int count = record.byte (t.infoStart + 3);
    for (int k = 0; k <= count; ++k)
        if (program::infoText (record, k).size() > 255)
            std::abort();

    if (lists.entryCount != std::max (lists.group[3].count, lists.routeCount))
        std::abort();
    for (int k = 0; k < ProgramInfoLists::entries; ++k)
        if (lists.group[3].text[(size_t) k].size() > 255 || lists.group[3].valueB[(size_t) k] > 127)
            std::abort();

    // Fields written into a copy never change its size.
    Bytes copy (data, data + size);
    for (int offset = 0; offset < 160; ++offset)
        for (auto kind : { program::FieldKind::bit, program::FieldKind::low7, program::FieldKind::signedWord })
        {
            const program::Field f { offset, kind, offset % 8 };
            program::writeField (copy, f, program::readField (record, f) + 1);
        }
    if (copy.size() != size)
        std::abort();
    return 0;
}
