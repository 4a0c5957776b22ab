#pragma once

#include "EditSession.h"

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
class SetupEditSession final : public EditSession
{
public:
    explicit SetupEditSession (MidiCntrState& controller);

    ObjMultiClass& multi() { return controller.model().multi(); }
    MidiCntrState& state() noexcept { return controller; }

    void takeAsSent() override;
    bool isEdited() override;

    int common (setup::CommonValueField f);
    void setCommon (setup::CommonValueField f, int value, const juce::String& what);
    int zone (int z, setup::ZoneValueField f);
    void setZone (int z, setup::ZoneValueField f, int value, const juce::String& what);

    juce::String name() override;
    void setName (const juce::String& name) override;

    EditHistory& history() noexcept override { return edits; }
    void beginGesture() noexcept { edits.beginGesture(); }
    bool undo() override { return edits.undo(); }
    bool redo() override { return edits.redo(); }


private:
    void changed();

    MidiCntrState& controller;
    Bytes sent;
    EditHistory edits;
};

} // namespace zr9
