#include "SetupEditSession.h"

#include "model/SysexFormat.h"

namespace zr9
{

namespace
{
    constexpr int zoneKeyBase = 1 << 20;
    constexpr int zoneKeyStep = 1 << 12;

    int commonKey (setup::CommonValueField f) noexcept { return f.extended * 8 + (int) f.access + 1; }
    int zoneKey (int z, setup::ZoneValueField f) noexcept { return zoneKeyBase + zoneKeyStep * z + f.offset * 8 + (int) f.access; }
} // namespace

SetupEditSession::SetupEditSession (MidiCntrState& c) : controller (c) {}

void SetupEditSession::takeAsSent()
{
    sent = multi().record.bytes();
    edits.clear();
    changed();
}

bool SetupEditSession::isEdited()
{
    return multi().record.bytes() != sent;
}

void SetupEditSession::changed()
{
    if (onChanged != nullptr)
        onChanged();
}

int SetupEditSession::common (setup::CommonValueField f)
{
    return setup::readCommonField (multi().record.view(), f);
}

void SetupEditSession::setCommon (setup::CommonValueField f, int value, const juce::String& what)
{
    edits.perform (commonKey (f), common (f), value, [this, f] (int v) { multi().setCommonValue (f, v); changed(); }, what);
}

int SetupEditSession::zone (int z, setup::ZoneValueField f)
{
    return multi().zoneValue (z, f);
}

void SetupEditSession::setZone (int z, setup::ZoneValueField f, int value, const juce::String& what)
{
    edits.perform (zoneKey (z, f), zone (z, f), value, [this, z, f] (int v) { multi().setZoneValue (z, f, v); changed(); }, what);
}

juce::String SetupEditSession::name()
{
    return juce::String (sysex::storedName (multi().name(), ObjectRecord::nameLength)).trimEnd();
}

void SetupEditSession::setName (const juce::String& text)
{
    const auto stored = juce::String (sysex::storedName (text.toStdString())).trimEnd();
    if (stored == name())
        return;
    // Undo writes the old bytes back as they were (the header's own name writer).
    const juce::String before (multi().name());
    edits.performText (EditHistory::nameKey, before, stored, [this] (const juce::String& n) { multi().setHeader (n.toStdString(), ByteView()); changed(); },
                       "Name");
}

} // namespace zr9
