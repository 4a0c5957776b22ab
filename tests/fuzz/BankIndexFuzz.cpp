// Indexes arbitrary bytes as a bank of a type chosen by the input, then reads
// every record and stores into and clears numbers the input chooses. Every
// read must stay inside the bank, and a store must splice exactly: the old
// record's bytes go, the new ones stand where it stood.

#include "model/BankIndex.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

using namespace zr9;

extern "C" int LLVMFuzzerTestOneInput (const std::uint8_t* data, size_t size)
{
    if (size < 4)
        return 0;
    static const int types[] = { 138, 155, 156, 133, 103, 163, 164, 168, 112, 149, 158, 151 };
    const int type = types[data[0] % (sizeof (types) / sizeof (types[0]))];
    const int cap = data[1] % 40;
    const int storeAt = data[2] % 44;
    const int recordLength = data[3];
    data += 4;
    size -= 4;

    BankIndex bank;
    bank.index (type, ByteView (data, size), cap);
    for (int n = -1; n <= cap + 3; ++n)
    {
        const auto r = bank.record (n);
        if (r.size() > bank.bytes().size())
            std::abort();
        (void) bank.name (n);
        (void) bank.wordAt (n, n);
        (void) bank.firstKey (n);
        (void) bank.arpModeText (n);
        (void) bank.programCategory (n);
    }
    (void) bank.idList (2, 0);

    const Bytes record ((size_t) recordLength, 0x5A);
    const int before = bank.size (storeAt);
    const size_t total = bank.bytes().size();
    const size_t at = std::min<size_t> ((size_t) bank.offset (storeAt), total);
    if (bank.store (storeAt, ByteView (record)))
    {
        // The old record is cut out, the new one spliced in at its place.
        if (bank.bytes().size() != total - (size_t) before + record.size())
            std::abort();
        if (! record.empty() && std::memcmp (bank.bytes().data() + at, record.data(), record.size()) != 0)
            std::abort();
    }
    else if (bank.bytes().size() != total)
    {
        std::abort();
    }
    bank.clear ((storeAt * 7) % 44);

    BankIndex again;
    again.index (type, bank.bytes(), cap);
    return 0;
}
