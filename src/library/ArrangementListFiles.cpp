#include "ArrangementListFiles.h"

#include "LibraryFolder.h"

namespace zr9
{

ListFileRead readListFile (const juce::File& file)
{
    ListFileRead read;
    if (! file.exists())
        return read;

    if (file.existsAsFile() && file.getSize() > largestListFile)
    {
        read.outcome = ListFileRead::Outcome::notAList;
        return read;
    }
    juce::MemoryBlock bytes;
    if (file.isDirectory() || ! file.loadFileAsData (bytes))
    {
        read.outcome = ListFileRead::Outcome::unreadable;
        return read;
    }

    auto decoded = arrlist::decode (ByteView (static_cast<const std::uint8_t*> (bytes.getData()), bytes.getSize()));
    read.entries = std::move (decoded.entries);
    read.statedCount = decoded.statedCount;
    using Status = arrlist::Decoded::Status;
    using Outcome = ListFileRead::Outcome;
    switch (decoded.status)
    {
        case Status::notAList: read.outcome = Outcome::notAList; break;
        case Status::empty: read.outcome = Outcome::empty; break;
        case Status::whole: read.outcome = Outcome::whole; break;
        case Status::cut: read.outcome = Outcome::cut; break;
    }
    return read;
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
    auto read = readListFile (path);
    using Outcome = ListFileRead::Outcome;
    const bool readWhole = read.outcome == Outcome::missing || read.outcome == Outcome::whole || read.outcome == Outcome::empty;
    keepBeforeWriting = ! readWhole && (read.outcome == Outcome::unreadable || path.getSize() > 0);
    takeListFile (library, read);
    asOpened = library.entries();
    return read;
}

juce::File WorkingLibraryFile::keptFile() const
{
    return path.getSiblingFile (path.getFileName() + unreadableSuffix);
}

ListWrite WorkingLibraryFile::close (const ArrangementLibrary& library)
{
    if (library.empty())
        return ListWrite::nothingToWrite;
    if (keepBeforeWriting)
    {
        // Nothing the user did since: the file stays exactly as it was found.
        if (library.entries() == asOpened)
            return ListWrite::nothingToWrite;
        auto kept = keptFile();
        if (kept.exists())
            kept = kept.getNonexistentSibling();
        // A file that cannot even be read may still be moved aside whole.
        if (! path.copyFileTo (kept) && ! path.moveFileTo (kept))
            return ListWrite::failed;
        keepBeforeWriting = false;
    }
    return writeListFile (path, library.entries());
}

} // namespace zr9
