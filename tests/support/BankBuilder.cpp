#include "BankBuilder.h"

#include <cstdio>
#include <cstring>

namespace zr9::test
{

namespace
{
    void append (Bytes& b, const char* text, size_t n) { b.insert (b.end(), text, text + n); }

    void appendNumber (Bytes& b, int n)
    {
        char digits[8];
        std::snprintf (digits, sizeof (digits), "%04d", n);
        append (b, digits, 4);
    }

    void appendClose (Bytes& b, const char* openTag)
    {
        char close[10];
        makeCloseTag (openTag, close);
        append (b, close, 10);
    }
} // namespace

Bytes makeRecord (const std::string& name, size_t size)
{
    Bytes r (size);
    for (size_t i = 0; i < size; ++i)
        r[i] = i < 20 ? (std::uint8_t) (i < name.size() ? name[i] : ' ') : (std::uint8_t) (i * 7);
    return r;
}

Bytes makeEntry (int typeId, int number, const Bytes& record)
{
    const auto* info = findBankType (typeId);
    Bytes e;
    append (e, info->recordTag, 10);
    appendNumber (e, number);
    if (info->wrapped())
        append (e, info->innerTag, 10);
    e.insert (e.end(), record.begin(), record.end());
    if (info->wrapped())
        appendClose (e, info->innerTag);
    appendClose (e, info->recordTag);
    appendNumber (e, number);
    return e;
}

Bytes makeBank (int typeId, const std::vector<std::pair<int, Bytes>>& entries)
{
    const auto* info = findBankType (typeId);
    Bytes b;
    append (b, info->bankTag, 10);
    for (const auto& [n, record] : entries)
    {
        const auto e = makeEntry (typeId, n, record);
        b.insert (b.end(), e.begin(), e.end());
    }
    appendClose (b, info->bankTag);
    return b;
}

Bytes makeFullBank (int typeId, int last, const std::map<int, Bytes>& records)
{
    std::vector<std::pair<int, Bytes>> entries;
    for (int n = 1; n <= last; ++n)
    {
        const auto it = records.find (n);
        entries.emplace_back (n, it != records.end() ? it->second : Bytes());
    }
    return makeBank (typeId, entries);
}

} // namespace zr9::test
