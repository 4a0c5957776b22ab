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
    temporary file beside it (".<name>.<random>.part"), which is flushed to
    the disk and then renamed over the old one, and the folder is flushed
    after the rename, so a power cut after a write reported done cannot undo
    it. Missing parent folders are created. Writing zero bytes removes the
    file and creates none. Returns false when nothing could be written (the
    old file is then as it was).
*/
bool writeDataFile (const juce::File& file, const void* data, size_t size);

/** The whole content of a file, empty when it is missing or unreadable. */
juce::MemoryBlock readDataFile (const juce::File& file);

/**
    Removes the temporary files of writes that never finished (their writer
    was killed) when they are older than `age`: no write takes that long.
    Returns how many went.
*/
int removeUnfinishedWrites (const juce::File& folder, juce::RelativeTime age);

/**
    Where another instance's version of a file is kept beside it: the name
    with the time added, "Lib 2026-12-09 18.40.zr9arrlib"; a free name
    ("... (2)") when that one is taken.
*/
juce::File datedSibling (const juce::File& file, juce::Time when);

/** Where a file that is not what it should be is kept aside: "<name>.unreadable", or a free name beside it. */
juce::File unreadableSibling (const juce::File& file);

} // namespace zr9
