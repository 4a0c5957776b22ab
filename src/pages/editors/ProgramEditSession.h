#pragma once

#include "EditSession.h"

#include "controller/MidiCntrState.h"
#include "model/ProgramFields.h"

#include <functional>

namespace zr9
{

/**
    What the program editor's pages work on: the program edit object of one
    channel, with every change the user makes going through the editor's
    undo history. The category and the sub-type go to the instrument at once
    (and again when undone); every other change stays in the edit object
    until the program is written.

    It remembers the program as the instrument sent it (or as the library
    holds it off line), so the editor can show when the two differ.
    Message thread.
*/
class ProgramEditSession final : public EditSession
{
public:
    explicit ProgramEditSession (MidiCntrState& controller);

    /** Works on the edit object of channel 0 to 15 from now on; the history starts empty. */
    void setSlot (int slot);
    int slot() const noexcept { return channel; }
    ObjProgramEditClass& object() { return controller.model().programEdit (channel); }
    MidiCntrState& state() noexcept { return controller; }

    /** Takes the program as it stands as the one the instrument sent; forgets the history. */
    void takeAsSent() override;
    /** The program differs from what the instrument sent (or the library held). */
    bool isEdited() override;

    int get (program::Field f);
    void set (program::Field f, int value, const juce::String& what);

    int layerGet (int k, program::Field f);
    void layerSet (int k, program::Field f, int value, const juce::String& what);

    /** The name as shown: whatever is not printable as a blank, without the padding blanks. */
    juce::String name() override;
    /** Takes printable ASCII only, at most 16 characters (what the instrument stores); undo puts the old bytes back. */
    void setName (const juce::String& name) override;

    int category() { return get (program::common::category); }
    int subType() { return get (program::common::subType); }
    void setCategory (int value);
    void setSubType (int value);

    int routeByte (int entry, int byte);
    /** Byte 2 or 3 of a route entry (the others are not changed). */
    void setRouteByte (int entry, int byte, int value);

    EditHistory& history() noexcept override { return edits; }
    void beginGesture() noexcept { edits.beginGesture(); }
    bool undo() override;
    bool redo() override;


private:
    void changed();

    MidiCntrState& controller;
    int channel = 0;
    Bytes sent;
    EditHistory edits;
};

} // namespace zr9
