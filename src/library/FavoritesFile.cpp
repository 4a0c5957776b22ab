#include "FavoritesFile.h"

#include "FolderLock.h"

namespace zr9
{

void FavoritesFile::load (FavoritesBlock& block)
{
    const auto disk = readStamped (file);
    seen = disk.stamp;
    asRead = disk.content();
    ++loads;
    if (! disk.stamp.exists)
        block.clear();
    else
        block.replace (ByteView (asRead));
}

bool FavoritesFile::save (const FavoritesBlock& block)
{
    if (! block.isStorable())
        return false;

    // A lock held past the wait belongs to an instance that stopped: the write is whole either way.
    auto hold = access.lock != nullptr ? access.lock->acquire (FolderLock::writeWaitMs) : FolderLock::Hold();

    datedCopy = juce::File();
    const auto disk = readStamped (file);
    const auto theirs = disk.content();
    if (disk.stamp != seen && disk.stamp.exists && ! theirs.empty() && theirs != asRead && theirs != block.bytes())
    {
        // Both instances changed the favourites: this one's are written, the other's kept beside them.
        const auto copy = datedSibling (file, disk.stamp.modified());
        if (writeDataFile (copy, theirs.data(), theirs.size()))
        {
            datedCopy = copy;
            access.tell (juce::String (fileName) + " was changed in another instance too: its version is kept as \""
                         + copy.getFileName() + "\"");
        }
    }

    const bool written = writeDataFile (file, block.bytes().data(), block.bytes().size());
    if (written)
    {
        seen = stampOf (file);
        asRead = block.bytes();
    }
    return written;
}

} // namespace zr9
