// Reads arbitrary bytes as an arrangement library list file (".zr9arrlib"):
// nothing is read past the end, no entry is kept in part, what is read is
// never more than the bytes hold, every entry's name keeps only the bytes
// it may, and the entries written back read back the same and whole.

#include "model/ArrangementLibrary.h"
#include "model/ArrangementListFile.h"

#include <cstdlib>

using namespace zr9;

extern "C" int LLVMFuzzerTestOneInput (const std::uint8_t* data, size_t size)
{
    const auto decoded = arrlist::decode (ByteView (data, size));

    size_t held = decoded.entries.empty() ? 0 : (size_t) arrlist::numberSize;
    for (const auto& entry : decoded.entries)
        held += (size_t) arrlist::numberSize + entry.size();
    if (held > size)
        std::abort();
    if (decoded.status == arrlist::Decoded::Status::whole && decoded.entries.size() != decoded.statedCount)
        std::abort();
    if (decoded.status != arrlist::Decoded::Status::whole && decoded.status != arrlist::Decoded::Status::cut && ! decoded.entries.empty())
        std::abort();

    ArrangementLibrary library;
    library.replace (decoded.entries);
    for (int i = 0; i < library.size(); ++i)
    {
        for (const char c : library.name (i))
            if ((unsigned char) c < libentry::firstNameByte || (unsigned char) c > libentry::lastNameByte)
                std::abort();
        const auto arrangement = library.arrangementData (i);
        const auto& entry = library.entries()[(size_t) i];
        if (entry.size() >= (size_t) libentry::headerSize ? arrangement.size() != entry.size() - libentry::headerSize : ! arrangement.empty())
            std::abort();
        if (library.rename (i, U"Renamed") != (entry.size() >= (size_t) libentry::headerSize))
            std::abort();
    }

    if (! library.empty())
    {
        const auto again = arrlist::decode (ByteView (arrlist::encode (library.entries())));
        if (again.status != arrlist::Decoded::Status::whole || again.entries != library.entries())
            std::abort();
    }
    return 0;
}
