#include "LibraryFiles.h"

#include "BankFiles.h"

namespace zr9
{

namespace
{
    juce::String objects (int n)
    {
        return juce::String (n) + (n == 1 ? " object" : " objects");
    }
} // namespace

LibraryFiles::LibraryFiles (MidiCntrState& c, LibraryFolder folder, bool keep)
    : controller (c), library (std::move (folder)), persistent (keep), folderLock (library.folder()),
      favoritesFile (library, { &folderLock, &noticeBoard }),
      presetBankFile (library.file (PresetBankFile::fileName)),
      watch (c.clock().makeTimer ([this] { checkForChanges(); }))
{
    controller.bulkReceive().addListener (this);
}

LibraryFiles::~LibraryFiles()
{
    watch->stop();
    controller.bulkReceive().removeListener (this);
}

void LibraryFiles::loadAtStartup()
{
    const auto reads = loadStartupBanks (controller.model(), library, persistent);
    if (! persistent)
        return;

    for (const auto type : savedBankTypes)
    {
        auto* holder = controller.model().holderFor (type);
        if (holder == nullptr)
            continue;
        auto sync = std::make_unique<BankFileSync> (*holder, library.file (bankFileName (type)));
        const auto read = reads.find (type);
        if (read != reads.end())
            sync->takeAsRead (read->second.stamp, read->second.heldNoBank);
        else
            sync->takeAsRead ({});
        banks.push_back (std::move (sync));
    }
    presetBankFile.read (controller.plugBank());
    if (library.folder().isDirectory())
        removeUnfinishedWrites (library.folder(), juce::RelativeTime::minutes (unfinishedWriteMinutes));
    watch->start (watchIntervalMs);
}

BankFileSync* LibraryFiles::bankSync (int typeId) noexcept
{
    for (auto& b : banks)
        if (b->typeId() == typeId)
            return b.get();
    return nullptr;
}

// ------------------------------------------------------------------------ saving

void LibraryFiles::save (BankFileSync& sync, int lockWaitMs)
{
    if (! sync.hasUnwrittenChanges())
        return;
    auto hold = folderLock.acquire (lockWaitMs);
    if (! hold.mayWrite())
    {
        // Still changed: written at the next save or at shutdown.
        noticeBoard.post ("The library folder is busy in another instance: " + sync.file().getFileName() + " is written later");
        return;
    }
    tellAbout (sync, sync.save());
}

void LibraryFiles::saveBank (int typeId)
{
    if (auto* sync = bankSync (typeId))
        save (*sync, FolderLock::writeWaitMs);
}

void LibraryFiles::saveChangedBanks()
{
    for (auto& b : banks)
        save (*b, FolderLock::writeWaitMs);
}

void LibraryFiles::saveAtShutdown()
{
    watch->stop();
    if (! persistent)
        return;
    {
        // Past the wait, the changes are written whatever the other instance does: each file stays whole.
        auto hold = folderLock.acquire (shutdownWaitMs);
        presetBankFile.write (controller.plugBank());
    }
    controller.settings().save();
    for (auto& b : banks)
        if (b->hasUnwrittenChanges())
        {
            auto hold = folderLock.acquire (shutdownWaitMs);
            b->save();
        }
}

void LibraryFiles::receiveStopped()
{
    // What the fetch stored goes to disk now, so a crash after a long fetch loses nothing.
    if (persistent)
        saveChangedBanks();
}

// ------------------------------------------------------------------------ the watch

void LibraryFiles::checkForChanges()
{
    if (! persistent)
        return;
    // One stat a file; the lock and a read only for a file that changed.
    const bool presetChanged = presetBankFile.changedOnDisk();
    std::vector<BankFileSync*> changed;
    for (auto& b : banks)
        if (b->changedOnDisk())
            changed.push_back (b.get());
    if (changed.empty() && ! presetChanged)
        return;

    // No waiting here: while another instance writes, the next look comes soon enough.
    auto hold = folderLock.acquireIfFolderExists (0);
    if (! hold.mayWrite())
        return;
    for (auto* b : changed)
        tellAbout (*b, b->follow());
    if (presetChanged)
    {
        const auto followed = presetBankFile.follow (controller.plugBank());
        if (followed.slots > 0)
        {
            noticeBoard.post (juce::String (PresetBankFile::fileName) + " changed in another instance: " + juce::String (followed.slots)
                              + (followed.slots == 1 ? " arrangement" : " arrangements") + " read in");
            if (onPresetBankFollowed != nullptr)
                onPresetBankFollowed();
        }
    }
}

void LibraryFiles::tellAbout (const BankFileSync& sync, const BankFileSync::Outcome& outcome)
{
    using Kind = BankFileSync::Outcome::Kind;
    const auto name = sync.file().getFileName();
    switch (outcome.kind)
    {
        case Kind::followed:
            noticeBoard.post (name + " changed in another instance: " + objects (outcome.theirs) + " read in");
            break;
        case Kind::merged:
            if (outcome.theirs > 0 || outcome.both > 0)
                noticeBoard.post (name + " merged with another instance's changes: " + objects (outcome.theirs) + " of theirs kept"
                                  + (outcome.both > 0 ? ", " + objects (outcome.both) + " changed in both written as here" : juce::String()));
            break;
        case Kind::keptAside:
            noticeBoard.post (name + " was not a bank: kept as \"" + outcome.keptAs.getFileName() + "\", this library written in its place");
            break;
        case Kind::failed:
            noticeBoard.post (name + " could not be written");
            break;
        case Kind::nothing:
        case Kind::written:
        case Kind::vanished:
        case Kind::waiting:
            break;
    }
}

} // namespace zr9
