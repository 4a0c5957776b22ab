#include "LibraryFolder.h"

namespace zr9
{

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
        return ! file.exists() || file.deleteFile();

    if (! file.getParentDirectory().createDirectory())
        return false;

    // The temporary file lies in the same folder, so the final rename cannot cross file systems.
    juce::TemporaryFile temp (file, juce::TemporaryFile::useHiddenFile);
    {
        juce::FileOutputStream out (temp.getFile());
        if (! out.openedOk())
            return false;
        if (! out.write (data, size))
            return false;
        out.flush(); // flushes to the disk, not only out of the stream
        if (out.getStatus().failed())
            return false;
    }
    if (temp.getFile().getSize() != (juce::int64) size)
        return false;
    return temp.overwriteTargetFileWithTemporary();
}

juce::MemoryBlock readDataFile (const juce::File& file)
{
    juce::MemoryBlock block;
    if (file.existsAsFile())
        file.loadFileAsData (block);
    return block;
}

} // namespace zr9
