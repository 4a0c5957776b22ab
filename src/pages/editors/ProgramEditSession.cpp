#include "ProgramEditSession.h"

#include "model/SysexFormat.h"

#include <algorithm>

namespace zr9
{

namespace
{
    // Keys of the undo history: one per field.
    constexpr int layerKeyBase = 1 << 20;
    constexpr int layerKeyStep = 1 << 12;
    constexpr int routeKeyBase = 1 << 28;

    int fieldKey (program::Field f) noexcept { return f.offset * 16 + (int) f.kind * 8 + f.bit + 1; }
} // namespace

ProgramEditSession::ProgramEditSession (MidiCntrState& c) : controller (c) {}

void ProgramEditSession::setSlot (int slot)
{
    channel = std::clamp (slot, 0, channelCount - 1);
    takeAsSent();
}

void ProgramEditSession::takeAsSent()
{
    sent = object().record();
    edits.clear();
    changed();
}

bool ProgramEditSession::isEdited()
{
    return object().record() != sent;
}

void ProgramEditSession::changed()
{
    if (onChanged != nullptr)
        onChanged();
}

int ProgramEditSession::get (program::Field f)
{
    return object().get (f);
}

void ProgramEditSession::set (program::Field f, int value, const juce::String& what)
{
    edits.perform (fieldKey (f), get (f), value, [this, f] (int v) { object().set (f, v); changed(); }, what);
}

int ProgramEditSession::layerGet (int k, program::Field f)
{
    return object().layerField (k, f);
}

void ProgramEditSession::layerSet (int k, program::Field f, int value, const juce::String& what)
{
    edits.perform (layerKeyBase + layerKeyStep * k + fieldKey (f), layerGet (k, f), value,
                   [this, k, f] (int v) { object().setLayerField (k, f, v); changed(); }, what);
}

juce::String ProgramEditSession::name()
{
    return juce::String (sysex::storedName (object().name(), ObjectRecord::nameLength)).trimEnd();
}

void ProgramEditSession::setName (const juce::String& text)
{
    const auto stored = juce::String (sysex::storedName (text.toStdString())).trimEnd();
    if (stored == name())
        return;
    // The bytes as they were, so undo gives back exactly the name the instrument sent.
    const juce::String before (object().name());
    edits.performText (EditHistory::nameKey, before, stored, [this] (const juce::String& n) { object().restoreName (n.toStdString()); changed(); },
                       "Name");
}

void ProgramEditSession::setCategory (int value)
{
    const auto f = program::common::category;
    edits.perform (fieldKey (f), get (f), value, [this, f] (int v) {
        object().set (f, v);
        controller.objectEditing().sendCategory (channel, v);
        changed();
    }, "Category");
}

void ProgramEditSession::setSubType (int value)
{
    const auto f = program::common::subType;
    edits.perform (fieldKey (f), get (f), value, [this, f] (int v) {
        object().set (f, v);
        controller.objectEditing().sendSubType (channel, v);
        changed();
    }, "Sub-type");
}

int ProgramEditSession::routeByte (int entry, int byte)
{
    return byte == 2 ? object().routeByte2 (entry) : byte == 3 ? object().routeByte3 (entry) : 0;
}

void ProgramEditSession::setRouteByte (int entry, int byte, int value)
{
    if (byte != 2 && byte != 3)
        return;
    edits.perform (routeKeyBase + entry * 4 + byte, routeByte (entry, byte), value, [this, entry, byte] (int v) {
        if (byte == 2)
            object().setRouteByte2 (entry, v);
        else
            object().setRouteByte3 (entry, v);
        object().decodeBlocks();
        changed();
    }, "Route");
}

bool ProgramEditSession::undo()
{
    return edits.undo();
}

bool ProgramEditSession::redo()
{
    return edits.redo();
}

} // namespace zr9
