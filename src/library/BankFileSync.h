#pragma once

#include "FileStamp.h"

#include "model/ObjBankHolderBase.h"

#include <juce_core/juce_core.h>

#include <memory>

namespace zr9
{

/**
    Keeps one bank in step with its data file, which other instances of the
    program may write as well.

    It remembers the bank as it was last read from the file or written to it
    (the base, a published snapshot, so remembering costs no copy) and the
    stamp of that version of the file. From these:

    - save(): writes only when the bank differs from the base. When another
      instance wrote the file since, the file is merged with this bank by
      record (bankmerge): the other's records plus this one's changes, this
      one's winning a number both changed. The result becomes the bank too.
    - follow(): when the file changed on disk, reads it again: it becomes the
      bank when this instance has no unwritten change, and is merged with the
      bank when it has (the changes stay unwritten until the next save).

    A file that is not a whole bank (something else, or a bank cut short) is
    never merged: it is moved aside as "<name>.unreadable" and this bank is
    written in its place. follow() waits until such a file has stood still
    for one look, so a copy still being written is not taken for it. A file
    that vanished is written again at the next save that has something to
    write. A bank of a type without a factory image that holds no record
    leaves no file (a missing file reads as such a bank).

    The caller holds the library folder's lock around save() and follow().
    Message thread.
*/
class BankFileSync
{
public:
    struct Outcome
    {
        enum class Kind
        {
            nothing,   // nothing to write, or nothing new on disk
            written,   // this bank written as it was (the file held nothing from another instance)
            merged,    // written, merged with another instance's records
            followed,  // another instance's file read in (merged with unwritten changes when there were some)
            keptAside, // the file was not a bank: moved aside, this bank written in its place
            vanished,  // the file went; it is written again at the next change
            waiting,   // a file that is not a bank, seen for the first time: looked at again next time
            failed     // the file could not be written or read: the change is still unwritten
        };
        Kind kind = Kind::nothing;
        int ours = 0;   // records this instance changed that were written
        int theirs = 0; // records another instance changed that came in
        int both = 0;   // records both changed: this instance's kept
        juce::File keptAs;
    };

    BankFileSync (ObjBankHolder& holder, juce::File file);

    /**
        The bank now in the holder is what the file gave, with `stamp` the
        version read (start-up). A file that held no whole bank (`heldNoBank`)
        is kept aside before this bank is first written over it.
    */
    void takeAsRead (const FileStamp& stamp, bool heldNoBank = false);

    ObjBankHolder& holder() const noexcept { return bankHolder; }
    const juce::File& file() const noexcept { return path; }
    int typeId() const noexcept { return bankHolder.typeId(); }

    /** True when the bank differs from what was last read or written. */
    bool hasUnwrittenChanges() const;
    /** True when the file on disk is not the version last read or written here (one stat). */
    bool changedOnDisk() const { return stampOf (path) != seen; }

    Outcome save();
    Outcome follow();

private:
    /** The bytes to write for a bank: none for an empty fetched-only bank, whose missing file reads the same. */
    bool leavesNoFile (const BankIndex& bank) const;
    bool write (const Bytes& bytes);
    BankIndex indexed (Bytes bytes) const;
    juce::File keepAside();
    /** Makes `merged` the holder's bank (unless it equals `mine`) and `newBase` the base. */
    void adopt (Bytes merged, const std::shared_ptr<const BankIndex>& mine, std::shared_ptr<const BankIndex> newBase);

    ObjBankHolder& bankHolder;
    juce::File path;
    bool fetchedOnly;
    std::shared_ptr<const BankIndex> base;
    FileStamp seen;
    FileStamp notABankSeen; // a file that is not a bank, seen once and waited for
    bool keepReadFirst = false; // the version read held no whole bank: kept aside before the first write
};

} // namespace zr9
