#include "ArrangementListFiles.h"

#include "FolderLock.h"
#include "LibraryFolder.h"

namespace zr9
{

namespace
{
    ListFileRead decodeList (const StampedRead& disk)
    {
        ListFileRead read;
        using Outcome = ListFileRead::Outcome;
        if (! disk.stamp.exists && disk.readable)
            return read;
        if (disk.stamp.size > largestListFile)
        {
            read.outcome = Outcome::notAList;
            return read;
        }
        if (! disk.readable)
        {
            read.outcome = Outcome::unreadable;
            return read;
        }

        auto decoded = arrlist::decode (viewOf (disk.bytes));
        read.entries = std::move (decoded.entries);
        read.statedCount = decoded.statedCount;
        using Status = arrlist::Decoded::Status;
        switch (decoded.status)
        {
            case Status::notAList: read.outcome = Outcome::notAList; break;
            case Status::empty: read.outcome = Outcome::empty; break;
            case Status::whole: read.outcome = Outcome::whole; break;
            case Status::cut: read.outcome = Outcome::cut; break;
        }
        return read;
    }
} // namespace

ListFileRead readListFile (const juce::File& file)
{
    return decodeList (readStamped (file, largestListFile));
}

bool takeListFile (ArrangementLibrary& library, ListFileRead read)
{
    if (read.entries.empty())
        return false;
    library.replace (std::move (read.entries));
    return true;
}

ListWrite writeListFile (const juce::File& file, const std::vector<Bytes>& entries)
{
    if (entries.empty())
        return ListWrite::nothingToWrite;
    const auto bytes = arrlist::encode (entries);
    return writeDataFile (file, bytes.data(), bytes.size()) ? ListWrite::written : ListWrite::failed;
}

ListFileRead WorkingLibraryFile::open (ArrangementLibrary& library)
{
    const auto disk = readStamped (path, largestListFile);
    auto read = decodeList (disk);
    using Outcome = ListFileRead::Outcome;
    const bool readWhole = read.outcome == Outcome::missing || read.outcome == Outcome::whole || read.outcome == Outcome::empty;
    keepBeforeWriting = ! readWhole && (read.outcome == Outcome::unreadable || disk.stamp.size > 0);
    seen = disk.stamp;
    openedBytes = disk.bytes;
    takeListFile (library, read);
    asOpened = library.entries();
    return read;
}

juce::File WorkingLibraryFile::keptFile() const
{
    return keptAs != juce::File() ? keptAs : path.getSiblingFile (path.getFileName() + unreadableSuffix);
}

bool WorkingLibraryFile::keepTheirs (const StampedRead& disk)
{
    const auto copy = datedSibling (path, disk.stamp.modified());
    if (! path.copyFileTo (copy))
        return false;
    datedCopy = copy;
    access.tell (juce::String (fileName) + " was changed in another instance too: its version is kept as \""
                 + copy.getFileName() + "\"");
    return true;
}

ListWrite WorkingLibraryFile::close (const ArrangementLibrary& library)
{
    if (library.empty())
        return ListWrite::nothingToWrite;
    // Nothing the user did since: the file stays exactly as it was found (or as another instance left it).
    if (library.entries() == asOpened)
        return ListWrite::nothingToWrite;

    // A lock held past the wait belongs to an instance that stopped: the write is whole either way.
    auto hold = access.lock != nullptr ? access.lock->acquire (FolderLock::writeWaitMs) : FolderLock::Hold();

    datedCopy = juce::File();
    const auto disk = readStamped (path, largestListFile);
    const bool otherVersion = disk.stamp != seen && disk.stamp.exists && (! disk.readable || disk.bytes != openedBytes);
    if (otherVersion)
    {
        if (! keepTheirs (disk))
            return ListWrite::failed;
        keepBeforeWriting = false; // what was unreadable at opening is gone already
    }
    else if (keepBeforeWriting)
    {
        const auto kept = unreadableSibling (path);
        // A file that cannot even be read may still be moved aside whole.
        if (! path.copyFileTo (kept) && ! path.moveFileTo (kept))
            return ListWrite::failed;
        keptAs = kept;
        keepBeforeWriting = false;
    }

    const auto written = writeListFile (path, library.entries());
    if (written == ListWrite::written)
    {
        const auto bytes = arrlist::encode (library.entries());
        openedBytes.replaceAll (bytes.data(), bytes.size());
        asOpened = library.entries();
        seen = stampOf (path);
    }
    return written;
}

bool WorkingLibraryFile::reopenIfChanged (ArrangementLibrary& library)
{
    if (! changedOnDisk() || library.entries() != asOpened)
        return false;
    const auto before = library.entries();
    open (library);
    return library.entries() != before;
}

} // namespace zr9
