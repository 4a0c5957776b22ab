#pragma once

#include "model/BankIndex.h"
#include "model/ObjectFileContents.h"

#include <juce_core/juce_core.h>

#include <vector>

namespace zr9
{

/**
    The library's files of objects to share: export of objects of one type
    to a bank file or (programs only) a System Exclusive file, and reading
    such a file back for an import. Message thread.
*/
namespace objectfiles
{
    enum class Format { bank, sysex };

    /** Files larger than this are not read: far beyond any bank the instrument's numbers can fill. */
    constexpr juce::int64 largestFile = 64 * 1024 * 1024;

    /** Why objects of a type cannot go into a file of this format; empty when they can. */
    juce::String formatRefusal (int typeId, Format format);

    struct Exported
    {
        int written = 0;
        juce::String error;   // empty when the file was written
    };

    /**
        Writes the objects of `numbers` that the bank holds to `file` in the
        format, replacing it only once the new content is whole. Nothing is
        written (and the error says why) when none of them exists, the type
        cannot go into the format, or the file cannot be written.
    */
    Exported exportObjects (const BankIndex& bank, const std::vector<int>& numbers, Format format, const juce::File& file);

    /** Reads a file for an import; a missing, unreadable or too large file gives no objects and says why. */
    FileContents read (const juce::File& file);
} // namespace objectfiles

} // namespace zr9
