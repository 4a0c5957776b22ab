#pragma once

#include "LibraryFolder.h"

#include "controller/FavoritesBlock.h"

namespace zr9
{

/**
    "Favorites.dat" in the library folder: the favourites block's 96 bytes
    and nothing else.

    Loading takes the file's content whatever its length (a missing file
    gives 32 empty slots); saving writes through the data-file writer, and
    only a block of exactly 96 bytes. The file's modification time and size
    are remembered at each load and save, so a panel can tell when another
    program changed the file without reading it again. Message thread.
*/
class FavoritesFile
{
public:
    static constexpr const char* fileName = "Favorites.dat";

    explicit FavoritesFile (const LibraryFolder& library) : file (library.file (fileName)) {}

    const juce::File& path() const noexcept { return file; }

    /** Reads the file into the block: its content when it exists, 96 zero bytes when it does not. */
    void load (FavoritesBlock& block);
    /** Writes the block when it is exactly 96 bytes long; false when it is not or the write failed. */
    bool save (const FavoritesBlock& block);
    /** True when the file appeared, went or changed since it was last loaded or saved here. */
    bool changedOnDisk() const;

private:
    struct Stamp
    {
        bool exists = false;
        juce::int64 modified = 0;
        juce::int64 size = 0;
        bool operator== (const Stamp& o) const noexcept { return exists == o.exists && modified == o.modified && size == o.size; }
    };

    Stamp stampNow() const;

    juce::File file;
    Stamp seen;
};

} // namespace zr9
