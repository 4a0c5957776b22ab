// Walks arbitrary bytes as a setup record and each of its zones as a zone of
// its own, and reads every setup parameter. The walk must end (huge counts
// are added, never looped) and every zone must start where the one before it
// ended.

#include "model/SetupLayout.h"
#include "model/SetupValues.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

using namespace zr9;

namespace
{
struct Parameter
{
    int kind;
    int number;
};

/**
    The parameters, of kinds 3 to 441 and numbers 0 to 39, that read the
    record or the zone at all. Which bytes a parameter reads depends only on
    its kind, its number and the record's format, never on the bytes, so the
    list is found once: a parameter that reads 0 from both formats of a long
    record of ones and of one of 0x55 bytes, with a zone alike, reads nothing
    whatever the input.
    Those that read nothing are left out of the per-input reads.
*/
const std::vector<Parameter>& parametersThatRead()
{
    static const std::vector<Parameter> list = [] {
        constexpr std::size_t probeSize = 1 << 16;
        std::vector<Parameter> reading;
        // Two fillings, so a value that reads a byte less one (0 from a record of ones) still counts.
        for (const std::uint8_t fill : { std::uint8_t (1), std::uint8_t (0x55) })
        {
            Bytes basic (probeSize, fill), extended (probeSize, fill);
            // The extended format's marks, as setup::isExtended reads them.
            extended[(size_t) setup::formatByte1Offset] = (std::uint8_t) setup::extendedFormatByte1;
            extended[(size_t) setup::formatByte2Offset] = (std::uint8_t) (setup::extendedFormatByte2Above + 1);
            if (setup::isExtended (ByteView (basic)) || ! setup::isExtended (ByteView (extended)))
                std::abort();
            const Bytes zone (probeSize, fill);
            for (int kind : { 3, 4, 7, 13, 15, 17, 19, 21, 23, 25, 27, 29, 31, 33, 35, 271, 272, 311, 312, 441 })
                for (int number = 0; number < 40; ++number)
                {
                    const bool known = std::any_of (reading.begin(), reading.end(), [&] (const Parameter& p)
                                                    { return p.kind == kind && p.number == number; });
                    if (! known && (setup::parameterValue (ByteView (basic), ByteView (zone), kind, number) != 0
                                    || setup::parameterValue (ByteView (extended), ByteView (zone), kind, number) != 0))
                        reading.push_back ({ kind, number });
                }
        }
        if (reading.empty())
            std::abort();
        return reading;
    }();
    return list;
}
} // namespace

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
    for (const auto& p : parametersThatRead())
        (void) setup::parameterValue (record, zone0, p.kind, p.number);
    for (int number = 0; number < 40; ++number)
        (void) setup::commonValue (record, 3000 + number * 5);
    return 0;
}
