#include "LibrarySaving.h"

#include "BankFiles.h"

namespace zr9
{

LibrarySaver::LibrarySaver (MidiCntrState& c, LibraryFolder folder, bool keep)
    : controller (c), library (std::move (folder)), persistent (keep)
{
    controller.bulkReceive().addListener (this);
}

LibrarySaver::~LibrarySaver()
{
    controller.bulkReceive().removeListener (this);
}

void LibrarySaver::saveAtShutdown()
{
    if (! persistent)
        return;
    controller.settings().save();
    for (const auto type : savedBankTypes)
        saveBankFile (controller.model(), library, type);
}

void LibrarySaver::saveBank (int typeId)
{
    if (persistent)
        saveBankFile (controller.model(), library, typeId);
}

void LibrarySaver::receiveStopped()
{
    if (! persistent)
        return;
    // In the shutdown order, so the files change in the order they always do.
    const auto& changed = controller.bulkReceive().changedTypes();
    for (const auto type : savedBankTypes)
        if (changed.count (type) > 0)
            saveBankFile (controller.model(), library, type);
}

} // namespace zr9
