#include "FolderLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace zr9
{

FolderLock::FolderLock (juce::File folder) : lockFile (folder.getChildFile (fileName)) {}

FolderLock::~FolderLock()
{
    unlock();
}

FolderLock::Try FolderLock::tryOnce()
{
    const auto path = lockFile.getFullPathName();
    const int f = ::open (path.toRawUTF8(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (f < 0)
        return Try::failed;
    if (::flock (f, LOCK_EX | LOCK_NB) != 0)
    {
        const int error = errno;
        ::close (f);
        return error == EWOULDBLOCK || error == EINTR ? Try::busy : Try::failed;
    }
    // The lock holds only if the file locked is still the one standing at the path.
    struct stat opened {}, standing {};
    if (::fstat (f, &opened) != 0 || ::stat (path.toRawUTF8(), &standing) != 0
        || opened.st_ino != standing.st_ino || opened.st_dev != standing.st_dev)
    {
        ::close (f);
        return Try::busy;
    }
    fd = f;
    return Try::taken;
}

FolderLock::Hold FolderLock::acquire (int timeoutMs)
{
    if (depth > 0)
    {
        ++depth;
        return { this, State::held };
    }
    if (! lockFile.getParentDirectory().createDirectory())
        return { nullptr, State::unavailable };

    const auto deadline = juce::Time::getMillisecondCounter() + (juce::uint32) juce::jmax (0, timeoutMs);
    for (;;)
    {
        switch (tryOnce())
        {
            case Try::taken:
                depth = 1;
                return { this, State::held };
            case Try::failed:
                return { nullptr, State::unavailable };
            case Try::busy:
                break;
        }
        if (juce::Time::getMillisecondCounter() >= deadline)
            return { nullptr, State::busy };
        juce::Thread::sleep (retryMs);
    }
}

FolderLock::Hold FolderLock::acquireIfFolderExists (int timeoutMs)
{
    if (depth == 0 && ! lockFile.getParentDirectory().isDirectory())
        return { nullptr, State::unavailable };
    return acquire (timeoutMs);
}

void FolderLock::unlock() noexcept
{
    if (fd >= 0)
    {
        ::flock (fd, LOCK_UN);
        ::close (fd);
        fd = -1;
    }
    depth = 0;
}

FolderLock::Hold::Hold (Hold&& other) noexcept : lock (other.lock), result (other.result)
{
    other.lock = nullptr;
}

FolderLock::Hold& FolderLock::Hold::operator= (Hold&& other) noexcept
{
    if (this != &other)
    {
        release();
        lock = other.lock;
        result = other.result;
        other.lock = nullptr;
    }
    return *this;
}

FolderLock::Hold::~Hold()
{
    release();
}

void FolderLock::Hold::release() noexcept
{
    if (lock != nullptr && --lock->depth == 0)
        lock->unlock();
    lock = nullptr;
}

} // namespace zr9
