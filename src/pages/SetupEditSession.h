#pragma once

#include "EditHistory.h"

#include "controller/MidiCntrState.h"
#include "model/SetupValues.h"

#include <functional>

namespace zr9
{

/**
    What the setup editor's pages work on: the multi (the setup being
    edited), with every change going through the editor's undo history.
    Changes stay in the multi until the setup is written; it remembers the
    setup as the instrument sent it (or the library held it) to show when
    the two differ. Message thread, like the multi.
*/
class SetupEditSession
{
public:
    explicit SetupEditSession (MidiCntrState& controller);

    ObjMultiClass& multi() { return controller.model().multi(); }
    MidiCntrState& state() noexcept { return controller; }

    void takeAsSent();
    bool isEdited();

    int common (setup::CommonValueField f);
    void setCommon (setup::CommonValueField f, int value, const juce::String& what);
    int zone (int z, setup::ZoneValueField f);
    void setZone (int z, setup::ZoneValueField f, int value, const juce::String& what);

    juce::String name();
    void setName (const juce::String& name);

    EditHistory& history() noexcept { return edits; }
    void beginGesture() noexcept { edits.beginGesture(); }
    bool undo() { return edits.undo(); }
    bool redo() { return edits.redo(); }

    std::function<void()> onChanged;

private:
    void changed();

    MidiCntrState& controller;
    Bytes sent;
    EditHistory edits;
};

} // namespace zr9
