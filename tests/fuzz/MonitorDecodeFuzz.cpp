// Feeds arbitrary recorded traffic to the MIDI monitor's stream and decoder:
// messages of any bytes and length, either direction, some kept only in
// part, at growing times. Nothing may read outside a message, every message
// gets a meaning, and what is kept never exceeds the limit.

#include "model/MessageMeaning.h"
#include "model/MonitorStream.h"

#include <cstdlib>

using namespace zr9::monitor;

namespace
{
/** Names every row and object, so the decoder's naming paths run too. */
class AnyWords final : public Vocabulary
{
public:
    std::string rowName (int row) const override { return row >= 0 && row < 2314 ? "Row " + std::to_string (row) : std::string(); }
    int rowDisplayType (int row) const override { return row % 3 == 0 ? 107 : row % 3 == 1 ? 2100 : 400; }
    std::string objectName (int typeId, int number) const override { return number % 2 == 0 ? std::to_string (typeId) : std::string(); }
};
} // namespace

extern "C" int LLVMFuzzerTestOneInput (const std::uint8_t* data, size_t size)
{
    AnyWords words;
    Decoder decoder (&words);
    MonitorStream stream ([&decoder] (MonitorMessage&& m) {
        if (m.bytes.size() > m.size || m.bytes.size() > longestKept || m.bytes.empty())
            std::abort();
        const auto meaning = decoder.decode (m);
        if (meaning.text.empty() || meaning.channel < -1 || meaning.channel > 15)
            std::abort();
    });

    // Each message: a flags byte (bit 0 the direction, bit 1 kept only in part,
    // bits 2 to 7 the time since the one before), a length byte, then its bytes.
    double time = 0.0;
    size_t at = 0;
    while (at + 2 <= size)
    {
        const int flags = data[at];
        const size_t length = std::min<size_t> (data[at + 1], size - at - 2);
        at += 2;
        time += (flags >> 2) * 10.0;
        const auto direction = (flags & 1) != 0 ? Direction::out : Direction::in;
        const size_t whole = (flags & 2) != 0 ? length + 5000 : length;
        stream.add (time, direction, 1, data + at, length, whole);
        at += length;
        stream.flushStale (time);
    }
    stream.flushAll();
    return 0;
}
