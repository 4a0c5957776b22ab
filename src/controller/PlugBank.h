#pragma once

#include "model/ArrangementState.h"

#include <juce_core/juce_core.h>

#include <mutex>
#include <vector>

namespace zr9
{

class InputPause;
class LiveValues;
class Notifications;

/**
    The processor's bank of 64 arrangements, the host's program slots, and
    the arrangement the live state was last built from or applied
    (the scratch record, whose uninterpreted bytes a built record carries on).

    The bank starts as the factory bank. Any thread may read and change it
    (hosts call from threads of their own); the bytes are guarded by one lock
    that is never held while anything is sent.
*/
class PlugBank
{
public:
    static constexpr int slotCount = arrangement::slotCount;
    /** The byte that tells the editor the host chose a slot while the update-host panel is open. */
    static constexpr std::uint8_t hostSlotChosen = 180;

    PlugBank (LiveValues& live, InputPause& pause, Notifications& notifications);

    static bool isSlot (int slot) noexcept { return slot >= 0 && slot < slotCount; }

    /** Slot 1 "EDM", 2 "Hip Hop", 3 "Rock", the rest blank. */
    void loadFactoryBank();

    /** Slot s's 300 bytes; a blank (all-zero) record for a slot outside the bank. */
    Bytes record (int slot) const;
    void storeRecord (int slot, ByteView record);
    /** The 24 name characters, blanks kept; empty outside the bank. */
    juce::String name (int slot) const;
    /** Writes the name cut or padded to 24 characters. */
    void setName (int slot, const juce::String& name);

    /** "ZR9PianoPlugBank" "Version100" and the 64 records. */
    Bytes bankState() const;
    /** Takes over the whole records a bank state carries (see BankState::readInto); the number taken. */
    int loadBankState (ByteView blob);
    /** The bank's 19,200 bytes. */
    Bytes bankBytes() const;
    /**
        Replaces the bank's bytes with `replacement` (of the bank's size) when
        they are still `expected`; false, and no change, when another thread
        changed them meanwhile or the sizes differ.
    */
    bool replaceBankIf (const Bytes& expected, const Bytes& replacement);

    /**
        The current arrangement from the live state, under `name` (cut or
        padded to 24 characters; "Untitled" when empty): built on the scratch
        record, which is first loaded from `slot` when it was never used.
        The result becomes the scratch record.
    */
    Bytes buildCurrent (const juce::String& name, int slot);
    /** What buildCurrent gives, leaving the scratch record as it is. */
    Bytes currentRecord (const juce::String& name, int slot) const;
    Bytes scratch() const;

    /**
        Applies a record to the instrument: it becomes the scratch record; its
        programs and global values are stored in the live rows without
        sending; the playing mode (a mode other than 2 is taken as 1) is
        switched with its input pause; in multi mode row 2304 is sent; then the
        program of every channel 1 to 16 is sent, also where it did not
        change; from then on no live row counts as changed since the
        arrangement; and the pages are told to refresh. Returns the mode
        applied.
    */
    int apply (ByteView record);

    // ---------------------------------------- notes for the editor (update-host mode)
    void postNote (std::uint8_t note);
    std::vector<std::uint8_t> takeNotes();

private:
    LiveValues& live;
    InputPause& pause;
    Notifications& notifications;

    mutable std::mutex lock;
    Bytes bank;
    Bytes scratchRecord; // empty until first built or applied
    std::vector<std::uint8_t> notes;
};

} // namespace zr9
