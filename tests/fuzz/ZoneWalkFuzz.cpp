// Walks arbitrary bytes as a setup record and each of its zones as a zone of
// its own, and reads every setup parameter. The walk must end (huge counts
// are added, never looped) and every zone must start where the one before it
// ended.

#include "model/SetupLayout.h"
#include "model/SetupValues.h"

#include <cstdlib>

using namespace zr9;

extern "C" int LLVMFuzzerTestOneInput (const std::uint8_t* data, size_t size)
{
    const ByteView record (data, size);
    const auto table = setup::walkZones (record);
    if (table.walked > setup::maxZones || (size < 1000 && table.walked != 0))
        std::abort();

    long long start = setup::commonBlockEnd (record);
    for (int z = 0; z < table.walked; ++z)
    {
        const auto& zone = table.zones[(size_t) z];
        if (zone.start != start || zone.length <= 0)
            std::abort();
        start = zone.end();
        (void) setup::walkZone (record.slice (zone.start, zone.length), 0, setup::isExtended (record));
    }

    const ByteView zone0 = table.walked > 0 ? record.slice (table.zones[0].start, table.zones[0].length) : ByteView();
    for (int kind : { 3, 4, 7, 13, 15, 17, 19, 21, 23, 25, 27, 29, 31, 33, 35, 271, 272, 311, 312, 441 })
        for (int number = 0; number < 40; ++number)
            (void) setup::parameterValue (record, zone0, kind, number);
    for (int number = 0; number < 40; ++number)
        (void) setup::commonValue (record, 3000 + number * 5);
    return 0;
}
