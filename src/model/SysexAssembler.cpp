#include "SysexAssembler.h"

namespace zr9::sysex
{

void Assembler::add (const std::uint8_t* bytes, std::size_t size)
{
    if (size == 0 || bytes == nullptr)
        return;

    if (bytes[0] == 0xF0)
        buffer.clear();
    else if (buffer.empty())
        return; // no message in progress: a stray remainder

    if (buffer.size() + size > maxMessageBytes)
    {
        buffer.clear();
        buffer.shrink_to_fit();
        return;
    }
    buffer.insert (buffer.end(), bytes, bytes + size);

    if (buffer.front() == 0xF0 && buffer.back() == 0xF7)
    {
        std::vector<std::uint8_t> complete;
        complete.swap (buffer);
        handler (complete);
    }
}

void Assembler::flushPartial()
{
    if (buffer.empty())
        return;
    std::vector<std::uint8_t> partial;
    partial.swap (buffer);
    handler (partial);
}

} // namespace zr9::sysex
