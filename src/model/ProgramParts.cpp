#include "ProgramParts.h"

#include "ProgramLayout.h"
#include "SysexFormat.h"

#include <algorithm>
#include <cstring>

namespace zr9::program
{

namespace
{
Bytes range (ByteView v, long long from, long long size)
{
    // Bytes outside the view read 0: the part that lies inside it is copied in one go.
    Bytes out (size > 0 ? (std::size_t) size : 0, 0);
    const long long first = std::max (from, 0LL);
    const long long last = std::min (from + size, (long long) v.size());
    if (first < last)
        std::memcpy (out.data() + (first - from), v.data() + first, (std::size_t) (last - first));
    return out;
}

Bytes tail (ByteView v, long long from)
{
    return from < (long long) v.size() ? range (v, from, (long long) v.size() - from) : Bytes();
}
} // namespace

Pieces split (ByteView record)
{
    Pieces p;
    p.head = range (record, 0, headSize);
    p.further = range (record, furtherOffset, furtherSize);
    p.layers = range (record, firstLayerOffset, (long long) layerSize * layerCount (record));
    p.trailing = tail (record, infoBlockOffset (record));
    return p;
}

Bytes compose (const Pieces& pieces)
{
    Bytes out = range (ByteView (pieces.head), 0, headSize);
    const auto further = range (ByteView (pieces.further), 0, furtherSize);
    // Room for the whole record at once: a program of many layers is not copied again at every piece.
    out.reserve ((std::size_t) headSize + (std::size_t) furtherSize + pieces.layers.size() + 1 + pieces.trailing.size());
    out.insert (out.end(), further.begin(), further.end());
    out.insert (out.end(), pieces.layers.begin(), pieces.layers.end());
    out.push_back (0);
    out.insert (out.end(), pieces.trailing.begin(), pieces.trailing.end());
    return out;
}

Bytes writeCommonPart (ByteView record, const std::string& name)
{
    return sysex::withStoredName (range (record, 0, headSize), name);
}

Bytes writeBodyPart (ByteView record)
{
    return range (record, furtherOffset, infoBlockOffset (record) - furtherOffset);
}

Bytes writeInfoPart (ByteView record)
{
    return tail (record, infoBlockOffset (record));
}

Bytes fromWriteParts (ByteView part0, ByteView part5, ByteView part4)
{
    if (part0.size() < (std::size_t) headSize)
        return {};
    Bytes out (part0.data(), part0.data() + headSize);
    out.insert (out.end(), part5.data(), part5.data() + part5.size());
    out.insert (out.end(), part4.data(), part4.data() + part4.size());
    return out;
}

} // namespace zr9::program
