// Reads arbitrary bytes as a file of objects (a bank file or a ".syx" file,
// by what the bytes hold; the first byte picks the name's extension) and
// plans an import of what it found. Whatever the bytes: every object is
// whole (more than its name), its name is printable, a bank file's objects
// written again read back the same, and the plan gives each object a place
// of its own or a reason.

#include "model/BankFileFormat.h"
#include "model/ImportPlan.h"
#include "model/ObjectFileReader.h"

#include <cstdlib>
#include <map>
#include <set>

using namespace zr9;

namespace
{
BankIndex smallLibrary (int typeId)
{
    // A bank with entries 1 to 1030, so plans meet taken, free and missing places.
    Bytes record (40, 'x');
    std::vector<bankfile::Entry> entries;
    for (int n = 1; n <= 1030; ++n)
        entries.push_back ({ n, n % 3 == 0 ? ByteView (record) : ByteView() });
    BankIndex bank;
    const auto* type = findBankType (typeId);
    if (type != nullptr)
        bank.index (typeId, ByteView (bankfile::write (typeId, entries)), type->cap);
    return bank;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput (const std::uint8_t* data, size_t size)
{
    static const char* const extensions[] = { ".zr9bank", ".syx", ".dat", "" };
    const std::string extension = size > 0 ? extensions[data[0] % 4] : "";
    const ByteView bytes (size > 0 ? data + 1 : data, size > 0 ? size - 1 : 0);

    const auto contents = readObjectFile (bytes, extension);
    std::set<int> numbers;
    for (const auto& o : contents.objects)
    {
        if (o.record.size() <= 20 || ! numbers.insert (o.number).second)
            std::abort();
        if (contents.typeId != typeAlgorithm)
            for (size_t i = 0; i < 20; ++i)
                if (o.record[i] < 0x20 || o.record[i] > 0x7E)
                    std::abort();
    }

    if (contents.format == FileContents::Format::bank)
    {
        std::vector<bankfile::Entry> entries;
        for (const auto& o : contents.objects)
            entries.push_back ({ o.number, ByteView (o.record) });
        const auto again = bankfile::read (ByteView (bankfile::write (contents.typeId, entries)));
        size_t inRange = 0;
        for (const auto& o : contents.objects)
            inRange += o.number >= 1 && o.number <= 9999 ? 1 : 0;
        if (again.objects.size() != inRange)
            std::abort();
    }

    // The library depends only on the type, so each type's is built once and
    // kept: planImport reads it and never changes it.
    static std::map<int, BankIndex> libraries;
    auto found = libraries.find (contents.typeId);
    if (found == libraries.end())
        found = libraries.emplace (contents.typeId, smallLibrary (contents.typeId)).first;
    const BankIndex& library = found->second;
    for (const auto choice : { ImportDestination::ownNumbers, ImportDestination::firstFreeUserNumbers })
    {
        const auto plan = planImport (contents, library, choice);
        if (plan.rows.size() != contents.objects.size())
            std::abort();
        std::set<int> places;
        for (const auto& row : plan.rows)
            if ((row.destination > 0 && ! places.insert (row.destination).second) || (row.destination == 0 && row.why.empty()))
                std::abort();
    }
    return 0;
}
