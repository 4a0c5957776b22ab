#pragma once

#include "FileStamp.h"

#include "controller/PlugBank.h"

#include <juce_core/juce_core.h>

namespace zr9
{

/**
    "ZR9 Preset bank.arrbank" in the library folder: the processor's 64
    arrangements as one BankState, read when the processor is built and
    written when it goes, and shared with the other instances on the folder.
    Message thread; the caller holds the library folder's lock around
    write() and follow().

    Nothing a run does can lose the file:
    - it is written only when the bank differs from what was read (or the
      file holds no bank now), so an instance that changed nothing leaves
      another's changes alone;
    - when another instance wrote the file since, the two merge by slot
      (slotmerge): the other's changed slots plus this one's, this one's
      winning a slot both changed;
    - while it runs, follow() reads the file again when another instance
      wrote it: its slots come into the bank, on top of which this
      instance's unwritten slots stay;
    - a file that is not a bank is kept aside as "ZR9 Preset bank.arrbank
      .unreadable" before a new one replaces it, and never merged.
*/
class PresetBankFile
{
public:
    static constexpr const char* fileName = "ZR9 Preset bank.arrbank";
    static constexpr const char* unreadableSuffix = ".unreadable";

    explicit PresetBankFile (juce::File file) : path (std::move (file)) {}

    const juce::File& file() const noexcept { return path; }

    /** Takes the file's records into the bank (which holds the factory bank when there is no file). */
    void read (PlugBank& bank);
    /** Writes the bank when it changed since it was read, or when the file holds no bank. Returns false when a write failed. */
    bool write (PlugBank& bank);

    /** True when the file on disk is not the version last read or written here (one stat). */
    bool changedOnDisk() const { return stampOf (path) != seen; }

    struct Followed
    {
        int slots = 0;      // slots another instance changed that came in
        bool keptAside = false;
    };
    /** Reads the file again when another instance changed it; see the class comment. */
    Followed follow (PlugBank& bank);

private:
    /** Copies a file that is not a bank aside, once per version of it. */
    void keepAside (const FileStamp& stamp);

    juce::File path;
    Bytes asRead;          // the bank as last read or written
    FileStamp seen;        // the version of the file that was
    FileStamp keptStamp;   // a file that is not a bank, already kept aside
    FileStamp notABankSeen;
};

} // namespace zr9
