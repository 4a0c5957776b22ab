#pragma once

#include "model/ByteView.h"

#include <juce_core/juce_core.h>

#include <cstdint>

namespace zr9
{

/**
    What tells one version of a file from another without reading it: the
    file's identity on its disk (device and inode, which every replacing
    rename changes), its size and its modification and change times in
    nanoseconds. A missing file has a stamp of its own.
*/
struct FileStamp
{
    bool exists = false;
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::int64_t size = 0;
    std::int64_t modifiedNs = 0;
    std::int64_t changedNs = 0;

    bool operator== (const FileStamp& o) const noexcept
    {
        return exists == o.exists && device == o.device && inode == o.inode && size == o.size
            && modifiedNs == o.modifiedNs && changedNs == o.changedNs;
    }
    bool operator!= (const FileStamp& o) const noexcept { return ! operator== (o); }

    /** The modification time, to the millisecond. */
    juce::Time modified() const { return juce::Time (modifiedNs / 1000000); }
};

/** The stamp of the file as it stands now (one stat, no read); a folder or other non-file counts as missing. */
FileStamp stampOf (const juce::File& file);

/** A block of bytes read from a file, as the model reads them. */
inline ByteView viewOf (const juce::MemoryBlock& block)
{
    return { static_cast<const std::uint8_t*> (block.getData()), block.getSize() };
}

/** A file's bytes together with the stamp of exactly the version they were read from. */
struct StampedRead
{
    FileStamp stamp;
    juce::MemoryBlock bytes;
    /** False when the file is there but its bytes could not be read, or it is larger than asked for. */
    bool readable = true;

    /** The bytes read, as the model takes them. */
    Bytes content() const
    {
        const auto view = viewOf (bytes);
        return Bytes (view.data(), view.data() + view.size());
    }
};

/**
    Reads a file whole and stamps what was read, through one open file: a
    replacement renamed in meanwhile is not mixed in. A file larger than
    `largest` bytes is not read (readable false). Message thread.
*/
StampedRead readStamped (const juce::File& file, std::int64_t largest = std::int64_t (1) << 31);

} // namespace zr9
