#pragma once

#include "BankIndex.h"
#include "ObjBankHolderBase.h"
#include "ObjectFileContents.h"

#include <string>
#include <vector>

namespace zr9
{

/** Where imported objects go: each under its own number, or to the first numbers of the user range the library leaves free. */
enum class ImportDestination { ownNumbers, firstFreeUserNumbers };

/** One object of a file and what importing it would do to the library. */
struct ImportRow
{
    int fileNumber = 0;
    std::string name;          // as a list shows it
    std::string category;      // programs: the category's name; empty for other types
    int destination = 0;       // 0: it cannot go anywhere (see `why`)
    bool replaces = false;     // the library holds another object there, which it would lose
    std::string replacedName;  // that object's name
    bool identical = false;    // the library holds exactly this object there already: nothing changes
    std::string why;           // destination 0: the reason
};

/**
    What an import would do, worked out before anything changes: for every
    object of the file, where it would go and which library object it would
    replace. Nothing is stored here.
*/
struct ImportPlan
{
    int typeId = 0;
    ImportDestination choice = ImportDestination::ownNumbers;
    std::vector<ImportRow> rows;

    int storing() const noexcept;    // rows that change the library
    int replacing() const noexcept;  // of those, rows that replace an object
    int identical() const noexcept;
    int leftOut() const noexcept;    // rows without a destination
};

/**
    Plans the import of `contents` into `library` (the bank of the file's
    type). With own numbers an object goes under its number unless that
    number lies outside the type's range or the bank has no place for it.
    With free numbers the objects take, in the order of the file, the
    numbers from 1025 up that the bank holds no object under and has a place
    for; when they run out the rest stays out.
*/
ImportPlan planImport (const FileContents& contents, const BankIndex& library, ImportDestination choice);

/**
    Does what the plan says: every row with a destination whose object the
    library does not hold already goes into the holder's bank, all in one
    change (a reader never sees half an import). `plan` must have been made
    from `contents`. Returns how many objects were stored.
*/
int applyImport (const ImportPlan& plan, const FileContents& contents, ObjBankHolder& holder);

/** True when both plans put the same objects in the same places and replace the same ones. */
bool samePlan (const ImportPlan& a, const ImportPlan& b);

/** The name of a record as lists show it: printable characters, blanks at the end dropped. */
std::string shownName (ByteView record, int typeId);

} // namespace zr9
