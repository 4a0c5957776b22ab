#include "FileStamp.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace zr9
{

namespace
{
    FileStamp stampFrom (const struct stat& s)
    {
        FileStamp stamp;
        stamp.exists = true;
        stamp.device = (std::uint64_t) s.st_dev;
        stamp.inode = (std::uint64_t) s.st_ino;
        stamp.size = (std::int64_t) s.st_size;
        stamp.modifiedNs = (std::int64_t) s.st_mtim.tv_sec * 1000000000 + s.st_mtim.tv_nsec;
        stamp.changedNs = (std::int64_t) s.st_ctim.tv_sec * 1000000000 + s.st_ctim.tv_nsec;
        return stamp;
    }
} // namespace

FileStamp stampOf (const juce::File& file)
{
    struct stat s {};
    if (::stat (file.getFullPathName().toRawUTF8(), &s) != 0 || ! S_ISREG (s.st_mode))
        return {};
    return stampFrom (s);
}

StampedRead readStamped (const juce::File& file, std::int64_t largest)
{
    StampedRead read;
    const int fd = ::open (file.getFullPathName().toRawUTF8(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
    {
        // Missing is not unreadable; anything else that stands there and cannot be opened is.
        const int error = errno;
        read.stamp = stampOf (file);
        read.readable = ! read.stamp.exists && (error == ENOENT || error == ENOTDIR);
        return read;
    }

    struct stat s {};
    if (::fstat (fd, &s) != 0 || ! S_ISREG (s.st_mode))
    {
        ::close (fd);
        read.readable = false;
        return read;
    }
    read.stamp = stampFrom (s);
    if (read.stamp.size > largest)
    {
        ::close (fd);
        read.readable = false;
        return read;
    }

    read.bytes.setSize ((size_t) read.stamp.size);
    auto* out = static_cast<char*> (read.bytes.getData());
    size_t got = 0;
    while (got < read.bytes.getSize())
    {
        const auto n = ::read (fd, out + got, read.bytes.getSize() - got);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        got += (size_t) n;
    }
    ::close (fd);
    // A file cut while it was read gives what it held; the stamp tells the next look that it changed.
    read.bytes.setSize (got);
    return read;
}

} // namespace zr9
