// Drives an object fetch with arbitrary events: replies built around the
// outstanding request (information, chunks with any length and size field,
// refusals), raw letters, and time-outs. Whatever arrives, a chunk request
// stays within the announced object, a received object is exactly as long as
// announced, and the fetch always ends once the instrument falls silent.

#include "model/FIFO_Class.h"
#include "model/SevenBitPacking.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

using namespace zr9;

namespace
{
/**
    Appends `length` data bytes of one value packed, and the closing 0xF7,
    exactly as sysex::pack would. Each run of seven data bytes packs on its
    own into eight message bytes, so the run is packed once and its eight
    bytes repeated: a chunk of thousands of bytes costs a few copies.
*/
void appendPackedRun (sysex::Message& m, std::uint8_t value, int length)
{
    const std::uint8_t seven[7] = { value, value, value, value, value, value, value };
    const auto runs = (size_t) (length / 7);
    const auto at = m.size();
    sysex::pack (seven, 7, m);
    m.pop_back();
    m.resize (at + runs * 8);
    for (size_t filled = 8; filled < runs * 8; filled *= 2)
        std::memcpy (m.data() + at + filled, m.data() + at, std::min (filled, runs * 8 - filled));
    sysex::pack (seven, (size_t) (length % 7), m);
}

/** The shortcut above gives what packing the whole chunk gives, for every value and every remainder. */
bool packedRunMatchesPack()
{
    for (int value = 0; value < 256; ++value)
        for (int length = 0; length < 40; ++length)
        {
            const Bytes chunk ((size_t) length, (std::uint8_t) value);
            sysex::Message whole { 1, 2 }, run { 1, 2 };
            sysex::pack (chunk.data(), chunk.size(), whole);
            appendPackedRun (run, (std::uint8_t) value, length);
            if (whole != run)
                return false;
        }
    return true;
}

struct Driver
{
    FIFO_Class fifo;
    int total = 0;

    void check (const TransferAction& a)
    {
        if (a.result == TransferAction::Result::received && (int) a.object.size() != total)
            std::abort();
        if (a.request && a.request->kind == TransferRequest::Kind::data)
        {
            const auto& r = *a.request;
            if (r.length < 1 || r.length > transfer::chunkLimit || r.offset + r.length > fifo.total()
                || r.offset != (int) fifo.accumulator().size())
                std::abort();
        }
        if (a.stopped && fifo.isActive())
            std::abort();
        if (a.request)
            fifo.aboutToSend();
    }

    void deliver (const sysex::Message& m)
    {
        // The body goes through one buffer kept across inputs, so a chunk of
        // thousands of bytes is not allocated once more just to drop its 0xF0.
        static Bytes body;
        body.assign (m.begin() + 1, m.end());
        fifo.handOver (body);
        for (const auto& letter : fifo.takeLetters())
            check (fifo.take (letter));
        total = fifo.total() > 0 ? fifo.total() : total;
    }

    /** A reply header for the outstanding request's object. */
    sysex::Message reply (std::uint8_t subCode) const
    {
        const auto& p = fifo.outstanding();
        auto m = sysex::frame (0, sysex::commandTransfer, { subCode, 0 });
        sysex::appendNumber14Lo (m, p ? p->typeId : fifo.type());
        sysex::appendNumber14Lo (m, p ? p->number : fifo.currentNumber());
        return m;
    }
};
} // namespace

extern "C" int LLVMFuzzerTestOneInput (const std::uint8_t* data, size_t size)
{
    static const bool packedRunsRight = packedRunMatchesPack();
    if (! packedRunsRight)
        std::abort();

    Driver d;
    d.check (d.fifo.startRange (typeProgram, size > 0 && data[0] % 2 == 1, 1, 3));

    size_t at = 1;
    auto next = [&] () -> int { return at < size ? data[at++] : 0; };
    // Once the fetch has stopped nothing can move it again, so the rest of
    // the input is not turned into messages.
    while (at < size && d.fifo.isActive())
    {
        switch (next() % 5)
        {
            case 0:
                d.check (d.fifo.timedOut());
                break;
            case 1:
            {
                auto m = d.reply (5);
                sysex::appendNumber21Lo (m, next() * 64 + next());
                m.push_back (0);
                m.push_back (sysex::end);
                d.deliver (m);
                break;
            }
            case 2:
            {
                // Chunks are built in one buffer kept across inputs.
                static sysex::Message m;
                const auto head = d.reply (1);
                m.assign (head.begin(), head.end());
                const int offset = next() % 3 == 0 ? next() * 16 : (int) d.fifo.accumulator().size();
                const int length = next() * 24 + next() % 24;
                const int sizeField = length + next() % 5 - 2;
                sysex::appendNumber21Lo (m, offset);
                sysex::appendNumber21Lo (m, sizeField < 0 ? 0 : sizeField);
                appendPackedRun (m, (std::uint8_t) next(), length);
                m.pop_back();
                sysex::append (m, { 0, 0, sysex::end });
                d.deliver (m);
                break;
            }
            case 3:
                d.deliver (sysex::frame (0, sysex::commandTransfer, { 3, (std::uint8_t) (next() & 0x7F), sysex::end }));
                break;
            default:
            {
                sysex::Message m { sysex::start };
                const int n = next();
                for (int i = 0; i < n && at < size; ++i)
                    m.push_back ((std::uint8_t) next());
                d.deliver (m);
                break;
            }
        }
    }

    // A silent instrument ends any fetch over three numbers: four sends each,
    // one wait for late answers, and the give-up after three silent numbers.
    for (int i = 0; i < 64 && d.fifo.isActive(); ++i)
        d.check (d.fifo.timedOut());
    if (d.fifo.isActive())
        std::abort();
    return 0;
}
