#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

namespace zr9::sysex
{

/**
    Collects the pieces in which a MIDI input delivers a System Exclusive
    message and hands each complete one (0xF0 ... 0xF7) on once. A new 0xF0
    always restarts collecting, so a message cut short by the next one is
    dropped; pieces that arrive with nothing being collected are dropped.

    One unterminated message may collect at most `maxMessageBytes`; past that
    the collection is dropped and the rest of it ignored until the next 0xF0,
    so endless garbage cannot grow memory.
*/
class Assembler
{
public:
    static constexpr std::size_t maxMessageBytes = 64 * 1024;
    using Handler = std::function<void (const std::vector<std::uint8_t>&)>;

    explicit Assembler (Handler h) : handler (std::move (h)) {}

    /** One message or piece as the input delivered it. */
    void add (const std::uint8_t* bytes, std::size_t size);

    /** The input reports an unfinished message: what was collected goes on as it is. */
    void flushPartial();

    bool isCollecting() const noexcept { return ! buffer.empty(); }
    std::size_t collected() const noexcept { return buffer.size(); }

private:
    Handler handler;
    std::vector<std::uint8_t> buffer;
};

} // namespace zr9::sysex
