#include "BankFileFormat.h"

#include "ObjectRecord.h"
#include "ObjectTypes.h"

#include <algorithm>
#include <cstring>

namespace zr9::bankfile
{

namespace
{
    constexpr int tagLength = 10;
    constexpr int digits = 4;
    constexpr int largestNumber = 9999;

    struct Tags
    {
        const ObjectTypeInfo* type = nullptr;
        char bankClose[tagLength];
        char recordClose[tagLength];
        char innerClose[tagLength];
    };

    Tags tagsOf (const ObjectTypeInfo& type)
    {
        Tags t;
        t.type = &type;
        makeCloseTag (type.bankTag, t.bankClose);
        makeCloseTag (type.recordTag, t.recordClose);
        if (type.wrapped())
            makeCloseTag (type.innerTag, t.innerClose);
        return t;
    }

    void appendText (Bytes& out, const char* text, std::size_t n)
    {
        out.insert (out.end(), text, text + n);
    }

    void appendNumber (Bytes& out, int number)
    {
        char d[digits];
        for (int i = digits - 1; i >= 0; --i, number /= 10)
            d[i] = (char) ('0' + number % 10);
        appendText (out, d, digits);
    }

    void appendEntry (Bytes& out, const Tags& t, int number, ByteView record)
    {
        appendText (out, t.type->recordTag, tagLength);
        appendNumber (out, number);
        if (t.type->wrapped())
            appendText (out, t.type->innerTag, tagLength);
        out.insert (out.end(), record.data(), record.data() + record.size());
        if (t.type->wrapped())
            appendText (out, t.innerClose, tagLength);
        appendText (out, t.recordClose, tagLength);
        appendNumber (out, number);
    }

    int numberAt (ByteView bytes, std::size_t at) noexcept
    {
        if (! bytes.contains ((long long) at, digits))
            return -1;
        int v = 0;
        for (int i = 0; i < digits; ++i)
        {
            const int c = bytes.byte ((long long) at + i);
            if (c < '0' || c > '9')
                return -1;
            v = v * 10 + (c - '0');
        }
        return v;
    }

    const ObjectTypeInfo* bankTypeAtStart (ByteView bytes) noexcept
    {
        for (const auto& t : bankTypes())
            if (bytes.matches (0, t.bankTag, tagLength))
                return &t;
        return nullptr;
    }

    /** The close sequence of entry `number`: inner close tag (wrapped types), record close tag, the four digits. */
    Bytes closeSequence (const Tags& t, int number)
    {
        Bytes s;
        if (t.type->wrapped())
            appendText (s, t.innerClose, tagLength);
        appendText (s, t.recordClose, tagLength);
        appendNumber (s, number);
        return s;
    }

    /** What may follow a whole entry: the next entry, the bank's close tag, or the end of the bytes. */
    bool entryMayEndAt (ByteView bytes, const Tags& t, std::size_t at) noexcept
    {
        return at == bytes.size() || bytes.matches ((long long) at, t.type->recordTag, tagLength)
            || bytes.matches ((long long) at, t.bankClose, tagLength)
            || ! bytes.contains ((long long) at, tagLength); // a cut tail: reported when reading gets there
    }

    /** Where the record of an entry ends (the close sequence's start), or npos when no whole close follows. */
    std::size_t findRecordEnd (ByteView bytes, const Tags& t, std::size_t from, const Bytes& close)
    {
        const auto* data = bytes.data();
        const std::size_t size = bytes.size();
        std::size_t at = from;
        while (at + close.size() <= size)
        {
            const auto* hit = static_cast<const std::uint8_t*> (std::memchr (data + at, close[0], size - close.size() - at + 1));
            if (hit == nullptr)
                break;
            at = (std::size_t) (hit - data);
            if (std::memcmp (hit, close.data(), close.size()) == 0 && entryMayEndAt (bytes, t, at + close.size()))
                return at;
            ++at;
        }
        return std::string::npos;
    }
} // namespace

Bytes write (int typeId, std::vector<Entry> entries)
{
    const auto* type = findBankType (typeId);
    if (type == nullptr)
        return {};
    const auto t = tagsOf (*type);

    entries.erase (std::remove_if (entries.begin(), entries.end(), [] (const Entry& e) {
        return e.number < 1 || e.number > largestNumber || e.record.size() <= (std::size_t) ObjectRecord::nameLength;
    }), entries.end());
    std::stable_sort (entries.begin(), entries.end(), [] (const Entry& a, const Entry& b) { return a.number < b.number; });
    entries.erase (std::unique (entries.begin(), entries.end(), [] (const Entry& a, const Entry& b) { return a.number == b.number; }),
                   entries.end());

    // Each entry takes its tags and digits (gapOverhead) and its record; each may be followed by an empty one.
    std::size_t size = 2 * tagLength;
    for (const auto& e : entries)
        size += 2 * (std::size_t) type->gapOverhead() + e.record.size();
    Bytes out;
    out.reserve (size);
    appendText (out, type->bankTag, tagLength);
    for (std::size_t i = 0; i < entries.size(); ++i)
    {
        const int n = entries[i].number;
        appendEntry (out, t, n, entries[i].record);
        const bool nextWritten = i + 1 < entries.size() && entries[i + 1].number == n + 1;
        if (! nextWritten && n < largestNumber)
            appendEntry (out, t, n + 1, {});
    }
    appendText (out, t.bankClose, tagLength);
    return out;
}

bool looksLikeBank (ByteView bytes) noexcept
{
    return bankTypeAtStart (bytes) != nullptr;
}

FileContents read (ByteView bytes)
{
    FileContents contents;
    const auto* type = bankTypeAtStart (bytes);
    if (type == nullptr)
    {
        contents.problems.push_back ("It is not a ZR9 bank file: it does not begin with a bank tag.");
        return contents;
    }
    contents.format = FileContents::Format::bank;
    contents.typeId = type->id;
    const auto t = tagsOf (*type);

    std::size_t at = tagLength;
    bool closed = false;
    while (at < bytes.size())
    {
        if (bytes.matches ((long long) at, t.bankClose, tagLength))
        {
            closed = true;
            break;
        }
        const bool cut = ! bytes.contains ((long long) at, tagLength + digits + (type->wrapped() ? tagLength : 0));
        const int number = numberAt (bytes, at + tagLength);
        const std::size_t recordStart = at + tagLength + digits + (type->wrapped() ? tagLength : 0);
        if (cut)
        {
            contents.problems.push_back ("The file is cut short: it ends inside an entry.");
            break;
        }
        if (! bytes.matches ((long long) at, type->recordTag, tagLength) || number < 0
            || (type->wrapped() && ! bytes.matches ((long long) (at + tagLength + digits), type->innerTag, tagLength)))
        {
            contents.problems.push_back ("The file is damaged at byte " + std::to_string (at)
                                         + ": what stands there is not an entry, so nothing after it was read.");
            break;
        }
        const auto close = closeSequence (t, number);
        const auto end = findRecordEnd (bytes, t, recordStart, close);
        if (end == std::string::npos)
        {
            // The entry's close is there but not followed by an entry: damage; no close at all: the file ends early.
            const auto* data = bytes.data();
            const auto found = std::search (data + recordStart, data + bytes.size(), close.begin(), close.end());
            contents.problems.push_back (found != data + bytes.size()
                                             ? "The file is damaged after the entry of number " + std::to_string (number)
                                                   + ": what follows it is not an entry, so nothing after it was read."
                                             : "The file is cut short: the entry of number " + std::to_string (number) + " has no end.");
            break;
        }
        if (end - recordStart > (std::size_t) ObjectRecord::nameLength)
            contents.objects.push_back ({ number, Bytes (bytes.data() + recordStart, bytes.data() + end), false, false });
        at = end + close.size();
    }
    if (! closed && contents.problems.empty())
        contents.problems.push_back ("The file is cut short: the bank's closing tag is missing.");

    checkObjects (contents);
    return contents;
}

} // namespace zr9::bankfile
