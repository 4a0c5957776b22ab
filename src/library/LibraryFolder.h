#pragma once

#include <juce_core/juce_core.h>

namespace zr9
{

/**
    The one folder where everything the program keeps lies: "Library/ZR9"
    below a base folder (the user's documents folder, or the folder given with
    --documents). The folder is not created until something is written.
*/
class LibraryFolder
{
public:
    /** A folder below `base`; an empty `base` means the user's documents folder. */
    explicit LibraryFolder (juce::File base = {});

    const juce::File& base() const noexcept { return baseFolder; }
    juce::File folder() const;
    /** The full path of a file in the library folder. */
    juce::File file (const juce::String& fileName) const;

private:
    juce::File baseFolder;
};

/**
    Writes a file so that its old content is never lost: the bytes go to a
    temporary file beside it, which is flushed and then renamed over the old
    one. Missing parent folders are created. Writing zero bytes removes the
    file and creates none. Returns false when nothing could be written (the
    old file is then as it was).
*/
bool writeDataFile (const juce::File& file, const void* data, size_t size);

/** The whole content of a file, empty when it is missing or unreadable. */
juce::MemoryBlock readDataFile (const juce::File& file);

} // namespace zr9
