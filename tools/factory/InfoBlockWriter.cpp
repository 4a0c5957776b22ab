#include "InfoBlockWriter.h"

#include "model/ProgramLayout.h"

namespace zr9::factory
{

namespace
{

long long textLength (const InfoEntry& e)
{
    return (long long) e.text.size() + (e.terminated ? 1 : 0);
}

void appendWord (Bytes& out, int value)
{
    out.push_back ((std::uint8_t) ((value >> 8) & 0xFF));
    out.push_back ((std::uint8_t) (value & 0xFF));
}

} // namespace

long long infoBlockBytes (const std::vector<InfoEntry>& entries)
{
    long long size = program::infoHeaderSize;
    for (const auto& e : entries)
        size += program::infoEntryHeadSize + textLength (e);
    return size;
}

void appendInfoBlock (Bytes& out, const std::vector<InfoEntry>& entries)
{
    appendWord (out, program::infoBlockTag);
    appendWord (out, (int) entries.size());
    for (const auto& e : entries)
    {
        appendWord (out, 0);
        appendWord (out, e.control);
        appendWord (out, e.valueB);
        appendWord (out, (int) textLength (e));
        out.insert (out.end(), e.text.begin(), e.text.end());
        if (e.terminated)
            out.push_back (0);
    }
}

} // namespace zr9::factory
