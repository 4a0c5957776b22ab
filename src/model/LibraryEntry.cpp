#include "LibraryEntry.h"

#include <algorithm>

namespace zr9
{

namespace
{
    void writeNameField (Bytes& entry, const std::u32string& name)
    {
        std::fill (entry.begin(), entry.begin() + libentry::nameSize, (std::uint8_t) 0);
        const auto n = std::min (name.size(), (std::size_t) libentry::nameSize);
        for (std::size_t i = 0; i < n; ++i)
            entry[i] = libentry::storedByte (name[i]);
    }
} // namespace

Bytes libentry::make (const std::u32string& name, ByteView arrangementData)
{
    Bytes entry ((std::size_t) headerSize, 0);
    writeNameField (entry, name);
    if (! arrangementData.empty())
        entry.insert (entry.end(), arrangementData.data(), arrangementData.data() + arrangementData.size());
    return entry;
}

std::string libentry::name (ByteView entry)
{
    if (entry.size() < (std::size_t) headerSize)
        return {};
    std::string s;
    for (int i = 0; i < nameSize; ++i)
    {
        const int c = entry.byte (i);
        if (c >= firstNameByte && c <= lastNameByte)
            s.push_back ((char) c);
    }
    // Of the bytes kept, the blank is the only white space.
    while (! s.empty() && s.back() == ' ')
        s.pop_back();
    return s;
}

ByteView libentry::arrangementData (ByteView entry) noexcept
{
    return entry.slice (headerSize, (long long) entry.size());
}

bool libentry::rename (Bytes& entry, const std::u32string& name)
{
    if (entry.size() < (std::size_t) headerSize)
        return false;
    writeNameField (entry, name);
    return true;
}

} // namespace zr9
