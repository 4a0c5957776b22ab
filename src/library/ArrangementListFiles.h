#pragma once

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
    "Lib.zr9arrlib", the working library: read when the library page opens
    and written back when it closes, whether or not it was modified.

    A working file that held bytes but could not be read whole is never
    replaced by what little came of it: when the list is still what was read
    at opening, the file is left as it is; when the user changed the list,
    the old file is first kept beside it as "Lib.zr9arrlib.unreadable".
*/
class WorkingLibraryFile
{
public:
    static constexpr const char* fileName = "Lib.zr9arrlib";
    static constexpr const char* unreadableSuffix = ".unreadable";

    explicit WorkingLibraryFile (juce::File file) : path (std::move (file)) {}

    const juce::File& file() const noexcept { return path; }

    /** Reads the working file into the library as a loaded file is read. */
    ListFileRead open (ArrangementLibrary& library);
    /** Whether opening found bytes it could not read whole. */
    bool needsKeeping() const noexcept { return keepBeforeWriting; }
    /** Writes the list back (see the class comment). */
    ListWrite close (const ArrangementLibrary& library);
    /** Where an unreadable working file is kept before it is replaced. */
    juce::File keptFile() const;

private:
    juce::File path;
    bool keepBeforeWriting = false;
    std::vector<Bytes> asOpened;
};

} // namespace zr9
