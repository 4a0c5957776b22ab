#include "ArrangementLibrary.h"

namespace zr9
{

std::string ArrangementLibrary::name (int i) const
{
    return isIndex (i) ? libentry::name (ByteView (list[(std::size_t) i])) : std::string();
}

ByteView ArrangementLibrary::arrangementData (int i) const noexcept
{
    return isIndex (i) ? libentry::arrangementData (ByteView (list[(std::size_t) i])) : ByteView();
}

void ArrangementLibrary::add (const std::u32string& name, ByteView arrangementData)
{
    list.push_back (libentry::make (name, arrangementData));
    modified = true;
}

bool ArrangementLibrary::rename (int i, const std::u32string& name)
{
    if (! isIndex (i) || ! libentry::rename (list[(std::size_t) i], name))
        return false;
    modified = true;
    return true;
}

bool ArrangementLibrary::remove (int i)
{
    if (! isIndex (i))
        return false;
    list.erase (list.begin() + i);
    modified = true;
    return true;
}

void ArrangementLibrary::clear()
{
    list.clear();
    modified = true;
}

void ArrangementLibrary::replace (std::vector<Bytes> entries)
{
    list = std::move (entries);
    modified = false;
}

} // namespace zr9
