#include "LibraryFolder.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

namespace zr9
{

namespace
{
    constexpr const char* temporarySuffix = ".part";
    constexpr const char* unreadableSuffix = ".unreadable";

    juce::File temporaryBeside (const juce::File& file)
    {
        const auto random = (juce::uint32) juce::Random::getSystemRandom().nextInt();
        return file.getSiblingFile ("." + file.getFileName() + "." + juce::String::toHexString ((juce::int64) random).paddedLeft ('0', 8)
                                    + temporarySuffix);
    }

    bool writeAll (int fd, const void* data, size_t size)
    {
        const auto* p = static_cast<const char*> (data);
        while (size > 0)
        {
            const auto n = ::write (fd, p, size);
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                return false;
            p += n;
            size -= (size_t) n;
        }
        return true;
    }

    /** Flushes a folder's entries to the disk, so a rename or removal in it is kept through a power cut. */
    bool syncFolder (const juce::File& folder)
    {
        const int fd = ::open (folder.getFullPathName().toRawUTF8(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd < 0)
            return false;
        const bool synced = ::fsync (fd) == 0;
        ::close (fd);
        return synced;
    }

    /** `wanted`, or when that is taken the first free "name (2).ext", "name (3).ext" and so on. */
    juce::File freeName (const juce::File& wanted)
    {
        auto candidate = wanted;
        for (int n = 2; candidate.exists(); ++n)
            candidate = wanted.getSiblingFile (wanted.getFileNameWithoutExtension() + " (" + juce::String (n) + ")"
                                               + wanted.getFileExtension());
        return candidate;
    }
} // namespace

LibraryFolder::LibraryFolder (juce::File base)
    : baseFolder (base == juce::File() ? juce::File::getSpecialLocation (juce::File::userDocumentsDirectory) : std::move (base))
{
}

juce::File LibraryFolder::folder() const
{
    return baseFolder.getChildFile ("Library").getChildFile ("ZR9");
}

juce::File LibraryFolder::file (const juce::String& fileName) const
{
    return folder().getChildFile (fileName);
}

bool writeDataFile (const juce::File& file, const void* data, size_t size)
{
    if (size == 0 || data == nullptr)
    {
        if (! file.exists())
            return true;
        if (! file.deleteFile())
            return false;
        syncFolder (file.getParentDirectory());
        return true;
    }

    if (! file.getParentDirectory().createDirectory())
        return false;

    // The temporary file lies in the same folder, so the final rename cannot cross file systems.
    const auto temp = temporaryBeside (file);
    const auto tempPath = temp.getFullPathName();
    const int fd = ::open (tempPath.toRawUTF8(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0)
        return false;
    const bool whole = writeAll (fd, data, size) && ::fsync (fd) == 0;
    const bool closed = ::close (fd) == 0;
    if (! whole || ! closed || ::rename (tempPath.toRawUTF8(), file.getFullPathName().toRawUTF8()) != 0)
    {
        ::unlink (tempPath.toRawUTF8());
        return false;
    }
    syncFolder (file.getParentDirectory());
    return true;
}

juce::MemoryBlock readDataFile (const juce::File& file)
{
    juce::MemoryBlock block;
    if (file.existsAsFile())
        file.loadFileAsData (block);
    return block;
}

int removeUnfinishedWrites (const juce::File& folder, juce::RelativeTime age)
{
    int removed = 0;
    const auto before = juce::Time::getCurrentTime() - age;
    for (const auto& f : folder.findChildFiles (juce::File::findFiles, false, juce::String (".*") + temporarySuffix))
        if (f.getLastModificationTime() < before && f.deleteFile())
            ++removed;
    return removed;
}

juce::File datedSibling (const juce::File& file, juce::Time when)
{
    return freeName (file.getSiblingFile (file.getFileNameWithoutExtension() + " " + when.formatted ("%Y-%m-%d %H.%M")
                                          + file.getFileExtension()));
}

juce::File unreadableSibling (const juce::File& file)
{
    return freeName (file.getSiblingFile (file.getFileName() + unreadableSuffix));
}

} // namespace zr9
