#pragma once

#include "FileStamp.h"
#include "LibraryNotices.h"

#include "model/ArrangementLibrary.h"
#include "model/ArrangementListFile.h"

#include <juce_core/juce_core.h>

namespace zr9
{

/** Larger than a list of a hundred thousand arrangements: a file picked by mistake. */
constexpr juce::int64 largestListFile = 128 * 1024 * 1024;

/** What reading a ".zr9arrlib" file gave. */
struct ListFileRead
{
    enum class Outcome
    {
        missing,    // no such file
        unreadable, // there, but its bytes could not be read
        notAList,   // fewer than 12 bytes or no readable count
        empty,      // a list of no entries
        whole,      // every entry read
        cut         // the stated count or a length ran past the end; the whole entries before it were read
    };

    Outcome outcome = Outcome::missing;
    std::vector<Bytes> entries;
    std::uint64_t statedCount = 0;
};

/**
    Reads a list file of any content. A file larger than any list the
    program would write (`largestListFile`) is not read into memory at all
    and counts as no list. Message thread.
*/
ListFileRead readListFile (const juce::File& file);

/**
    Takes what was read into the library: the entries that were read replace
    the list (which is then unmodified). A file that gave no entry leaves the
    list and its modified flag as they were. Returns whether entries were taken.
*/
bool takeListFile (ArrangementLibrary& library, ListFileRead read);

enum class ListWrite { written, nothingToWrite, failed };

/**
    Writes the list through the data-file writer (the old file is replaced
    only once the new one is whole). An empty list writes nothing: the file
    keeps what it held. Message thread.
*/
ListWrite writeListFile (const juce::File& file, const std::vector<Bytes>& entries);

/**
    "Lib.zr9arrlib", the working library, shared by every instance on the
    library folder: read when the library page opens and written back when
    it closes, when the list changed since it was read.

    - A working file that held bytes but could not be read whole is never
      replaced by what little came of it: when the list is still what was
      read at opening, the file is left as it is; when the user changed the
      list, the old file is first kept beside it as "Lib.zr9arrlib.unreadable".
    - When another instance wrote the file while this one had it open and
      both changed the list, this instance's list is written and the other's
      version is kept beside it as a dated copy ("Lib 2026-12-09
      18.40.zr9arrlib"), which the notices tell: neither is dropped.
    - While the list is as it was read, a version another instance wrote is
      read in (reopenIfChanged), so an open page follows it.

    Writing runs under the library folder's lock. Message thread.
*/
class WorkingLibraryFile
{
public:
    static constexpr const char* fileName = "Lib.zr9arrlib";
    static constexpr const char* unreadableSuffix = ".unreadable";

    explicit WorkingLibraryFile (juce::File file, SharedFileAccess shared = {}) : path (std::move (file)), access (shared) {}

    const juce::File& file() const noexcept { return path; }

    /** Reads the working file into the library as a loaded file is read. */
    ListFileRead open (ArrangementLibrary& library);
    /** Whether opening found bytes it could not read whole. */
    bool needsKeeping() const noexcept { return keepBeforeWriting; }
    /** Writes the list back (see the class comment). */
    ListWrite close (const ArrangementLibrary& library);
    /** Where an unreadable working file is kept (once it was) before it is replaced. */
    juce::File keptFile() const;
    /** Where the last close put another instance's version; none when it found none. */
    const juce::File& lastDatedCopy() const noexcept { return datedCopy; }

    /** True when the file on disk is not the version read or written here (one stat). */
    bool changedOnDisk() const { return stampOf (path) != seen; }
    /**
        When another instance changed the file and the list is still as it was
        read or written here, reads the file again into the list. True when it did.
    */
    bool reopenIfChanged (ArrangementLibrary& library);

private:
    /** Keeps another instance's version beside the file when both changed it; false when it could not. */
    bool keepTheirs (const StampedRead& disk);

    juce::File path;
    SharedFileAccess access;
    bool keepBeforeWriting = false;
    std::vector<Bytes> asOpened;
    juce::MemoryBlock openedBytes;
    FileStamp seen;
    juce::File keptAs, datedCopy;
};

} // namespace zr9
