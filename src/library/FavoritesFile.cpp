#include "FavoritesFile.h"

namespace zr9
{

void FavoritesFile::load (FavoritesBlock& block)
{
    seen = stampNow();
    if (! seen.exists)
    {
        block.clear();
        return;
    }
    const auto content = readDataFile (file);
    block.replace (ByteView (static_cast<const std::uint8_t*> (content.getData()), content.getSize()));
}

bool FavoritesFile::save (const FavoritesBlock& block)
{
    if (! block.isStorable())
        return false;
    const bool written = writeDataFile (file, block.bytes().data(), block.bytes().size());
    seen = stampNow();
    return written;
}

bool FavoritesFile::changedOnDisk() const
{
    return ! (stampNow() == seen);
}

FavoritesFile::Stamp FavoritesFile::stampNow() const
{
    if (! file.existsAsFile())
        return {};
    return { true, file.getLastModificationTime().toMilliseconds(), file.getSize() };
}

} // namespace zr9
