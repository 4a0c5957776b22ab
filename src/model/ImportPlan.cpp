#include "ImportPlan.h"

#include "ObjectRecord.h"
#include "ObjectTypes.h"
#include "ProgramCategories.h"

#include <algorithm>
#include <cstring>
#include <set>

namespace zr9
{

namespace
{
    constexpr int programCategoryOffset = 30;

    bool sameRecord (const BankIndex& bank, int n, const Bytes& record)
    {
        const int size = bank.size (n);
        return size == (int) record.size() && size > 0
            && std::memcmp (bank.bytes().data() + bank.offset (n), record.data(), record.size()) == 0;
    }

    /** The bank can take a record under n: its entry's tag is there, and so is the next one's, which measures it. */
    bool hasPlace (const BankIndex& bank, int n)
    {
        return n >= 1 && n <= bank.cap() && bank.offset (n) != 0 && bank.offset (n + 1) != 0;
    }
} // namespace

int ImportPlan::storing() const noexcept
{
    return (int) std::count_if (rows.begin(), rows.end(), [] (const ImportRow& r) { return r.destination > 0 && ! r.identical; });
}

int ImportPlan::replacing() const noexcept
{
    return (int) std::count_if (rows.begin(), rows.end(), [] (const ImportRow& r) { return r.replaces; });
}

int ImportPlan::identical() const noexcept
{
    return (int) std::count_if (rows.begin(), rows.end(), [] (const ImportRow& r) { return r.identical; });
}

int ImportPlan::leftOut() const noexcept
{
    return (int) std::count_if (rows.begin(), rows.end(), [] (const ImportRow& r) { return r.destination == 0; });
}

int applyImport (const ImportPlan& plan, const FileContents& contents, ObjBankHolder& holder)
{
    if (plan.rows.size() != contents.objects.size() || plan.typeId != holder.typeId())
        return 0;
    std::vector<BankIndex::Replacement> records;
    for (size_t i = 0; i < plan.rows.size(); ++i)
        if (plan.rows[i].destination > 0 && ! plan.rows[i].identical)
            records.push_back ({ plan.rows[i].destination, ByteView (contents.objects[i].record) });
    std::sort (records.begin(), records.end(), [] (const auto& a, const auto& b) { return a.number < b.number; });
    return records.empty() ? 0 : holder.storeRecords (records);
}

bool samePlan (const ImportPlan& a, const ImportPlan& b)
{
    if (a.typeId != b.typeId || a.rows.size() != b.rows.size())
        return false;
    for (size_t i = 0; i < a.rows.size(); ++i)
    {
        const auto& x = a.rows[i];
        const auto& y = b.rows[i];
        if (x.destination != y.destination || x.replaces != y.replaces || x.identical != y.identical || x.replacedName != y.replacedName)
            return false;
    }
    return true;
}

std::string shownName (ByteView record, int typeId)
{
    if (typeId == typeAlgorithm)
        return {};
    std::string name;
    for (int i = 0; i < ObjectRecord::nameLength; ++i)
    {
        const int c = record.byte (i);
        name.push_back (c >= 0x20 && c <= 0x7E ? (char) c : ' ');
    }
    name.erase (name.find_last_not_of (' ') + 1);
    return name;
}

ImportPlan planImport (const FileContents& contents, const BankIndex& library, ImportDestination choice)
{
    ImportPlan plan;
    plan.typeId = contents.typeId;
    plan.choice = choice;

    std::set<int> taken;   // free numbers already given to an earlier object of the file
    int nextFree = firstUserObjectNumber;
    for (const auto& object : contents.objects)
    {
        ImportRow row;
        row.fileNumber = object.number;
        row.name = shownName (ByteView (object.record), contents.typeId);
        if (contents.typeId == typeProgram)
            row.category = programCategoryText (ByteView (object.record).signedByte (programCategoryOffset));

        if (choice == ImportDestination::ownNumbers)
        {
            if (object.outsideRange)
                row.why = "number outside the range";
            else if (! hasPlace (library, object.number))
                row.why = "no place in the library for this number";
            else
                row.destination = object.number;
        }
        else
        {
            while (nextFree <= library.cap() && (library.exists (nextFree) || ! hasPlace (library, nextFree) || taken.count (nextFree) > 0))
                ++nextFree;
            if (nextFree <= library.cap())
            {
                row.destination = nextFree;
                taken.insert (nextFree);
            }
            else
            {
                row.why = "no free number left in the user range";
            }
        }

        if (row.destination > 0 && library.exists (row.destination))
        {
            row.identical = sameRecord (library, row.destination, object.record);
            row.replaces = ! row.identical;
            row.replacedName = shownName (ByteView (library.record (row.destination)), contents.typeId);
        }
        plan.rows.push_back (std::move (row));
    }
    return plan;
}

} // namespace zr9
