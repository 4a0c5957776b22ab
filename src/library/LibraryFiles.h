#pragma once

#include "BankFileSync.h"
#include "FavoritesFile.h"
#include "FolderLock.h"
#include "LibraryFolder.h"
#include "LibraryNotices.h"
#include "PresetBankFile.h"

#include "controller/MidiCntrState.h"

#include <functional>
#include <memory>
#include <vector>

namespace zr9
{

/**
    The library folder's files as one instance of the program shares them
    with the others on the same folder (the stand-alone program beside
    plug-in instances, several plug-in instances, projects opened one after
    another). What each file does when two instances change it:

    - the bank files: written only when this instance changed the bank since
      it last read the file, merged by record with what another instance
      wrote meanwhile (BankFileSync); an empty song, algorithm or sample bank
      leaves no file;
    - the preset bank file: written at shutdown only when this instance
      changed it, merged by slot (PresetBankFile);
    - "Favorites.dat" and "Lib.zr9arrlib": this instance's version is
      written and the other's kept beside it as a dated copy (FavoritesFile,
      WorkingLibraryFile, which the pages that use them get through access());
    - the settings file: written at shutdown as before.

    Reads, merges and writes run under the folder's lock (FolderLock). A
    watch looks at the files once a second (one stat each; the clock is the
    controller's): a file another instance changed is read again, and the
    banks' holders tell the pages as a fetch does. What the user should
    know goes to the notices. Nothing is read or written unless the library
    is persistent.

    Message thread: every file, the watch's timer, the fetch's end.
*/
class LibraryFiles : private BulkReceive::Listener
{
public:
    static constexpr int watchIntervalMs = 1000;
    /** At shutdown a lock still held after this wait belongs to an instance that stopped: the changes are written anyway. */
    static constexpr int shutdownWaitMs = 5000;
    /** A temporary file of a write older than this was left by a writer that was killed. */
    static constexpr int unfinishedWriteMinutes = 60;

    LibraryFiles (MidiCntrState& controller, LibraryFolder library, bool persistent);
    ~LibraryFiles() override;

    /** Fills every bank (see loadStartupBanks) and the preset bank from the library folder, and starts the watch. */
    void loadAtStartup();

    /**
        Writes the bank of one type when this instance changed it, merged with
        what another instance wrote meanwhile; the path every store into a bank
        takes to its file (a fetch's end, the write dialog, imports).
    */
    void saveBank (int typeId);
    /** Writes every bank this instance changed, in the order of savedBankTypes. */
    void saveChangedBanks();
    /** Shutdown: the preset bank, the settings, then every bank this instance changed. Stops the watch. */
    void saveAtShutdown();
    /** One look of the watch: the files another instance changed are read again. */
    void checkForChanges();

    bool isPersistent() const noexcept { return persistent; }
    const LibraryFolder& folder() const noexcept { return library; }
    FolderLock& lock() noexcept { return folderLock; }
    LibraryNotices& notices() noexcept { return noticeBoard; }
    /** The lock and the notices, for the pages' own shared files. */
    SharedFileAccess access() noexcept { return { &folderLock, &noticeBoard }; }
    /** The favourites file every panel of this instance shares; nullptr when nothing is kept. */
    FavoritesFile* favorites() noexcept { return persistent ? &favoritesFile : nullptr; }
    PresetBankFile& presetBank() noexcept { return presetBankFile; }
    const PresetBankFile& presetBank() const noexcept { return presetBankFile; }
    /** The sync of one bank's file; nullptr for types never written or when nothing is kept. */
    BankFileSync* bankSync (int typeId) noexcept;
    bool isWatching() const { return watch->isRunning(); }

    /** Told on the message thread when the watch brought another instance's preset bank slots in. */
    std::function<void()> onPresetBankFollowed;

private:
    void receiveStopped() override;
    void save (BankFileSync& sync, int lockWaitMs);
    void tellAbout (const BankFileSync& sync, const BankFileSync::Outcome& outcome);

    MidiCntrState& controller;
    LibraryFolder library;
    bool persistent;
    FolderLock folderLock;
    LibraryNotices noticeBoard;
    FavoritesFile favoritesFile;
    PresetBankFile presetBankFile;
    std::vector<std::unique_ptr<BankFileSync>> banks;
    std::unique_ptr<ClockTimer> watch;
};

} // namespace zr9
