#include "SetupPages.h"

#include "model/DisplayTypes.h"

#include "ui/SkinPalette.h"

namespace zr9
{

namespace
{
    using setup::ValueAccess;
    constexpr setup::CommonValueField headerByte (int offset) { return { offset, offset, ValueAccess::byte, true }; }
    constexpr setup::CommonValueField commonByte (int extended, int basic) { return { extended, basic, ValueAccess::byte, true }; }

    constexpr int setupKnobWidth = 74, chooserWidth = 146, setupButtonWidth = 112, setupButtonHeight = 26;

    std::unique_ptr<GskCont> makeControl (SetupEditSession& session, const SetupCommonSpec& spec)
    {
        const auto f = spec.field;
        const juce::String what (spec.control.caption);
        return makeEditorControl (spec.control, [&session, f] { return session.common (f); },
                                  [&session, f, what] (int v) { session.setCommon (f, v, what); },
                                  [&session] { session.beginGesture(); }, nullptr);
    }

    /** Lays controls out in rows inside an area, each by its style's size. */
    void flow (std::vector<GskCont*> items, juce::Rectangle<int> area)
    {
        int x = area.getX(), y = area.getY() + 4, rowBottom = y;
        for (auto* c : items)
        {
            const auto style = c->style();
            const int w = style == GskStyle::knob ? setupKnobWidth : style == GskStyle::button ? setupButtonWidth : chooserWidth;
            const int h = style == GskStyle::knob ? editorlook::knobHeight : style == GskStyle::button ? setupButtonHeight : editorlook::chooserHeight;
            if (x + w > area.getRight() && x > area.getX())
            {
                x = area.getX();
                y = rowBottom + editorlook::gap;
            }
            c->setBounds (x, y, w, h);
            x += w + editorlook::gap;
            rowBottom = std::max (rowBottom, y + h);
        }
    }
} // namespace

// ------------------------------------------------------------------- common page

const std::vector<SetupCommonSpec>& SetupCommonPage::fields()
{
    static const std::vector<SetupCommonSpec> list {
        // The header values (parameter kind 3: numbers 16, 22 and 24).
        { { "Bank Select", 0, 4, display::bankSelectMode, GskStyle::chainChooser }, headerByte (39) },
        { { "Program Change", 0, 1, display::setupOnOff, GskStyle::button }, headerByte (46) },
        { { "Local Control", 0, 1, display::setupOnOff, GskStyle::button }, headerByte (48) },
        // Common values by number.
        { { "Tempo", 0, 999, display::tempo, GskStyle::knob }, setup::commonValueField (3162) },
        { { "Swing", 0, 100, display::percent, GskStyle::knob }, setup::commonValueField (3164) },
        { { "Clock", 0, 1, display::clockSource, GskStyle::chainChooser }, setup::commonValueField (3167) },
        { { "Arp Latch", 0, 1, display::setupOnOff, GskStyle::button }, setup::commonValueField (3171) },
        { { "Metronome", 0, 1, display::setupOnOff, GskStyle::button }, commonByte (303, 219) },
        { { "Count In", 0, 8, display::plainNumber, GskStyle::knob }, setup::commonValueField (3173) },
        { { "Pedal Mode", 0, 1, display::pedalMode, GskStyle::chainChooser }, setup::commonValueField (3174) },
        { { "Solo", 0, 1, display::soloScope, GskStyle::chainChooser }, setup::commonValueField (3175) },
    };
    return list;
}

SetupCommonPage::SetupCommonPage (SetupEditSession& s) : session (s)
{
    for (auto* section : { &header, &tempo, &panel })
        addAndMakeVisible (section);
    for (const auto& spec : fields())
    {
        controls.push_back (makeControl (session, spec));
        addAndMakeVisible (*controls.back());
    }
    editorlook::style (facts, 13.0f);
    addAndMakeVisible (facts);
    refresh();
}

void SetupCommonPage::refresh()
{
    for (auto& c : controls)
        c->refresh();
    auto& multi = session.multi();
    facts.setText ("Zones: " + juce::String (multi.numberOfZones()) + "     Format: " + (multi.extended() ? "extended" : "basic")
                       + "     Size: " + juce::String (multi.record.size()) + " bytes",
                   juce::dontSendNotification);
}

GskCont* SetupCommonPage::control (const juce::String& caption)
{
    for (auto& c : controls)
        if (c->caption() == caption)
            return c.get();
    return nullptr;
}

void SetupCommonPage::paint (juce::Graphics& g)
{
    g.fillAll (skin::colours::window);
}

void SetupCommonPage::resized()
{
    constexpr int gap = editorlook::gap;
    auto area = getLocalBounds().reduced (gap);
    header.setBounds (area.removeFromTop (150).withWidth (420));
    area.removeFromTop (gap);
    auto row = area.removeFromTop (190);
    tempo.setBounds (row.removeFromLeft (420));
    row.removeFromLeft (gap);
    panel.setBounds (row.withWidth (420));

    std::vector<GskCont*> all;
    for (auto& c : controls)
        all.push_back (c.get());
    auto headerArea = header.content();
    facts.setBounds (headerArea.removeFromTop (24));
    flow ({ all[0], all[1], all[2] }, headerArea);
    flow ({ all[3], all[4], all[7], all[5], all[6] }, tempo.content());
    flow ({ all[9], all[10], all[8] }, panel.content());
}

// -------------------------------------------------------------------- zones page

const std::vector<SetupZoneSpec>& SetupZonesPage::fields()
{
    static const std::vector<SetupZoneSpec> list {
        { { "MIDI Channel", 0, 15, display::channelName, GskStyle::chainChooser }, { 2, ValueAccess::byte } },
        { { "Destination", 1, 7, display::zoneDestination, GskStyle::chainChooser }, { 3, ValueAccess::byte } },
        { { "Program", 1, 2048, display::programName, GskStyle::chainChooser }, { 11, ValueAccess::signedWord } },
        { { "Volume", 0, 127, display::plainNumber, GskStyle::knob }, { 13, ValueAccess::byte } },
        { { "Pan", 0, 127, display::plainNumber, GskStyle::knob }, { 14, ValueAccess::byte } },
        { { "Transpose", -48, 48, display::setupTranspose, GskStyle::knob }, { 15, ValueAccess::signedByte } },
        { { "Fine Tune", -100, 100, display::cents, GskStyle::knob }, { 21, ValueAccess::signedWord } },
        { { "Low Key", 0, 127, display::noteName, GskStyle::chainChooser }, { 5, ValueAccess::byte } },
        { { "High Key", 0, 127, display::noteName, GskStyle::chainChooser }, { 6, ValueAccess::byte } },
        { { "Low Velocity", 1, 127, display::plainNumber, GskStyle::chainChooser }, { 18, ValueAccess::byte } },
        { { "High Velocity", 1, 127, display::plainNumber, GskStyle::chainChooser }, { 19, ValueAccess::byte } },
        { { "Velocity Curve", 1, 9, display::velocityCurve, GskStyle::chainChooser }, { 20, ValueAccess::byte } },
        { { "Velocity Offset", -127, 127, display::plainNumber, GskStyle::chainChooser }, { 27, ValueAccess::signedWord } },
        { { "Bank Mode", 0, 4, display::bankSelectMode, GskStyle::chainChooser }, { 23, ValueAccess::byte } },
        { { "Portamento", 0, 127, display::plainNumber, GskStyle::chainChooser }, { 29, ValueAccess::signedWord } },
        { { "Sustain", 0, 1, display::setupOnOff, GskStyle::button }, { 31, ValueAccess::byte } },
        { { "Mod Wheel", 0, 1, display::setupOnOff, GskStyle::button }, { 32, ValueAccess::byte } },
        { { "Pitch Bend", 0, 1, display::setupOnOff, GskStyle::button }, { 33, ValueAccess::byte } },
        { { "Aftertouch", 0, 1, display::setupOnOff, GskStyle::button }, { 34, ValueAccess::byte } },
        // The zone's entries of the common value runs.
        { { "Arpeggiator", 0, 127, display::arpeggiatorNumber, GskStyle::chainChooser }, {}, 3100 },
        { { "Arp Trigger", 0, 10, display::arpeggiatorTrigger, GskStyle::chainChooser }, {}, 3200 },
        { { "Detune", -100, 100, display::cents, GskStyle::chainChooser }, {}, 3300 },
        { { "Delay", -1000, 1000, display::plainNumber, GskStyle::chainChooser }, {}, 3400 },
    };
    return list;
}

SetupZonesPage::SetupZonesPage (SetupEditSession& s, const ObjectNameSource& names) : session (s)
{
    for (auto* section : { &play, &keys, &controllersSection, &zoneCommon, &walked })
        addAndMakeVisible (section);
    for (int z = 0; z < ObjMultiClass::zoneCount; ++z)
    {
        auto& b = zoneButtons[(size_t) z];
        b = std::make_unique<juce::TextButton> (juce::String (z + 1));
        b->setClickingTogglesState (false);
        b->setColour (juce::TextButton::buttonOnColourId, skin::colours::chosenFace);
        b->setColour (juce::TextButton::buttonColourId, skin::colours::buttonFace);
        b->setTitle ("Zone " + juce::String (z + 1));
        b->onClick = [this, z] { showZone (z); };
        addAndMakeVisible (*b);
    }
    for (const auto& spec : fields())
    {
        const juce::String what (spec.control.caption);
        if (spec.run != 0)
        {
            const int run = spec.run;
            controls.push_back (makeEditorControl (
                spec.control, [this, run] { return session.common (setup::commonValueField (run + zone)); },
                [this, run, what] (int v) { session.setCommon (setup::commonValueField (run + zone), v, what); },
                [this] { session.beginGesture(); }, nullptr));
        }
        else
        {
            const auto f = spec.field;
            controls.push_back (makeEditorControl (
                spec.control, [this, f] { return session.zone (zone, f); }, [this, f, what] (int v) { session.setZone (zone, f, v, what); },
                [this] { session.beginGesture(); }, &names));
        }
        addAndMakeVisible (*controls.back());
    }
    editorlook::style (walk, 12.0f);
    walk.setJustificationType (juce::Justification::topLeft);
    addAndMakeVisible (walk);
    editorlook::style (empty, 14.0f, false, juce::Justification::centred);
    empty.setText ("This setup has no zones.", juce::dontSendNotification);
    addChildComponent (empty);
    refresh();
}

void SetupZonesPage::showZone (int z)
{
    zone = std::clamp (z, 0, ObjMultiClass::zoneCount - 1);
    refresh();
}

void SetupZonesPage::refresh()
{
    auto& multi = session.multi();
    const int count = std::min (multi.numberOfZones(), ObjMultiClass::zoneCount);
    if (zone >= count)
        zone = std::max (0, count - 1);
    for (int z = 0; z < ObjMultiClass::zoneCount; ++z)
    {
        zoneButtons[(size_t) z]->setEnabled (z < count);
        zoneButtons[(size_t) z]->setToggleState (z == zone && count > 0, juce::dontSendNotification);
    }
    for (auto& c : controls)
    {
        c->setVisible (count > 0);
        c->refresh();
    }
    empty.setVisible (count == 0);

    const auto list = [&multi, this] (int which) { return multi.zoneLists[(size_t) which][(size_t) zone]; };
    const int start = list (ObjMultiClass::listZoneStart), length = list (ObjMultiClass::listZoneLength);
    juce::String text;
    if (count > 0)
    {
        text << "Zone " << (zone + 1) << " holds " << (int) multi.zones[(size_t) zone].bytes.size() << " bytes";
        text << ", walked at bytes " << start << " to " << (start + length - 1) << " of the setup (" << length << " bytes).\n";
        text << "List A: " << list (ObjMultiClass::listACount) << " entries from byte " << list (ObjMultiClass::listAStart);
        text << ".   List B: " << list (ObjMultiClass::listBCount) << " entries from byte " << list (ObjMultiClass::listBEntries) << ".\n";
        text << "Segment C from byte " << (list (ObjMultiClass::listSegmentCPlusOne) - 1) << ", segment D from byte "
             << list (ObjMultiClass::listSegmentD) << ", segment F from byte " << (list (ObjMultiClass::listSegmentFPlusOne) - 1) << ".";
    }
    walk.setText (text, juce::dontSendNotification);
}

GskCont* SetupZonesPage::control (const juce::String& caption)
{
    for (auto& c : controls)
        if (c->caption() == caption)
            return c.get();
    return nullptr;
}

void SetupZonesPage::paint (juce::Graphics& g)
{
    g.fillAll (skin::colours::window);
}

void SetupZonesPage::resized()
{
    constexpr int gap = editorlook::gap;
    auto area = getLocalBounds().reduced (gap);
    auto buttons = area.removeFromTop (28);
    for (auto& b : zoneButtons)
    {
        b->setBounds (buttons.removeFromLeft (40));
        buttons.removeFromLeft (4);
    }
    area.removeFromTop (gap);
    empty.setBounds (area.withHeight (60));

    auto row1 = area.removeFromTop (200);
    play.setBounds (row1.removeFromLeft (480));
    row1.removeFromLeft (gap);
    keys.setBounds (row1);
    area.removeFromTop (gap);
    auto row2 = area.removeFromTop (140);
    controllersSection.setBounds (row2.removeFromLeft (480));
    row2.removeFromLeft (gap);
    zoneCommon.setBounds (row2);
    area.removeFromTop (gap);
    walked.setBounds (area.removeFromTop (90));
    walk.setBounds (walked.content());

    std::vector<GskCont*> all;
    for (auto& c : controls)
        all.push_back (c.get());
    flow ({ all[0], all[1], all[2], all[3], all[4], all[5], all[6] }, play.content());
    flow ({ all[7], all[8], all[9], all[10], all[11], all[12] }, keys.content());
    flow ({ all[15], all[16], all[17], all[18], all[13], all[14] }, controllersSection.content());
    flow ({ all[19], all[20], all[21], all[22] }, zoneCommon.content());
}

} // namespace zr9
