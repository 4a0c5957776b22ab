#pragma once

#include "FileStamp.h"
#include "LibraryFolder.h"
#include "LibraryNotices.h"

#include "controller/FavoritesBlock.h"

namespace zr9
{

/**
    "Favorites.dat" in the library folder: the favourites block's 96 bytes
    and nothing else, shared by every instance on the folder.

    Loading takes the file's content whatever its length (a missing file
    gives 32 empty slots); saving writes through the data-file writer, and
    only a block of exactly 96 bytes. The stamp of the version loaded or
    saved is kept, so a panel can tell when another instance changed the
    file without reading it.

    When another instance changed the file since this one last loaded or
    saved it, saving keeps this instance's block and puts the other's
    version beside it as a dated copy ("Favorites 2026-12-09 18.40.dat"),
    and says so through the notices: neither is dropped. Saving runs under
    the library folder's lock. Message thread.
*/
class FavoritesFile
{
public:
    static constexpr const char* fileName = "Favorites.dat";

    explicit FavoritesFile (const LibraryFolder& library, SharedFileAccess shared = {})
        : file (library.file (fileName)), access (shared) {}

    const juce::File& path() const noexcept { return file; }

    /** Reads the file into the block: its content when it exists, 96 zero bytes when it does not. */
    void load (FavoritesBlock& block);
    /** Writes the block when it is exactly 96 bytes long; false when it is not or the write failed. */
    bool save (const FavoritesBlock& block);
    /** True when the file appeared, went or changed since it was last loaded or saved here. */
    bool changedOnDisk() const { return stampOf (file) != seen; }

    /** Counts the loads, so that every panel showing the block can tell whether it shows the last one. */
    int generation() const noexcept { return loads; }
    /** Where the last save put another instance's version; none when it found none. */
    const juce::File& lastDatedCopy() const noexcept { return datedCopy; }

private:
    juce::File file;
    SharedFileAccess access;
    FileStamp seen;
    Bytes asRead; // the bytes of the version loaded or saved
    int loads = 0;
    juce::File datedCopy;
};

} // namespace zr9
