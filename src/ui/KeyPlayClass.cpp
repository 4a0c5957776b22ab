#include "KeyPlayClass.h"

#include "KeyNames.h"

#include "controller/MidiCntrState.h"
#include "ui/SkinFonts.h"
#include "ui/SkinPalette.h"

namespace zr9
{

namespace
{
    // The velocity falls while at least one step remains and rises while below 122, so it tops out at 125.
    constexpr int lowestVelocityToLower = 5;
    constexpr int velocityRaiseBelow = 122;
    // The base note falls while at least 1 (floor 0) and rises while below 115 (ceiling 120).
    constexpr int lowestBaseToLower = 1;
    constexpr int baseRaiseBelow = 115;
    /** "Octave" shows the base note's octave counted from two below. */
    constexpr int octaveDisplayOffset = 2;

    constexpr juce::juce_wchar octaveDownKey = 'o', octaveUpKey = 'p';
    constexpr juce::juce_wchar velocityDownKey = 'u', velocityUpKey = 'i';

    constexpr int tagWidth = 64;
    const juce::String tagText ("KEY PLAY");
    const juce::String focusedHint ("z-m notes   o/p octave   u/i velocity   space all off");
    const juce::String unfocusedHint ("click here to play from the computer keys");

    bool platformKeyIsDown (int keyCode) { return juce::KeyPress::isKeyCurrentlyDown (keyCode); }

    bool isIgnoredKey (const juce::KeyPress& key)
    {
        for (const int code : { juce::KeyPress::leftKey, juce::KeyPress::upKey, juce::KeyPress::rightKey,
                                juce::KeyPress::downKey, juce::KeyPress::F5Key, juce::KeyPress::F6Key })
            if (key.getKeyCode() == code)
                return true;
        return false;
    }

    int noteKeyIndex (juce::juce_wchar c)
    {
        for (int i = 0; i < KeyPlayClass::noteKeyCount; ++i)
            if (KeyPlayClass::noteKeys[i] == c)
                return i;
        return -1;
    }
} // namespace

KeyPlayClass::KeyPlayClass (MidiCntrState& c, KeyDownQuery isKeyDown)
    : controller (c),
      keyIsDown (isKeyDown != nullptr ? std::move (isKeyDown) : KeyDownQuery (platformKeyIsDown)),
      statusTimer (controller.clock().makeTimer ([this] { statusTimeUp(); }))
{
    setWantsKeyboardFocus (true);
    setMouseCursor (juce::MouseCursor::PointingHandCursor);
    juce::Desktop::getInstance().addFocusChangeListener (this);
}

KeyPlayClass::~KeyPlayClass()
{
    juce::Desktop::getInstance().removeFocusChangeListener (this);
    statusTimer->stop();
    releaseHeldNotes();
}

// ------------------------------------------------------------------------ keys

bool KeyPlayClass::keyPressed (const juce::KeyPress& key)
{
    if (isIgnoredKey (key))
        return true;

    // Shortcuts stay shortcuts; keys beyond the character codes are not the player's, and Tab and
    // Escape move the focus on and close panels.
    const auto mods = key.getModifiers();
    if (key.getKeyCode() >= 256 || mods.isCommandDown() || mods.isCtrlDown() || mods.isAltDown()
        || key.isKeyCode (juce::KeyPress::tabKey) || key.isKeyCode (juce::KeyPress::escapeKey))
        return false;

    // Upper and lower case play alike, whichever the platform reports.
    const auto c = juce::CharacterFunctions::toLowerCase ((juce::juce_wchar) key.getKeyCode());
    if (const int semitone = noteKeyIndex (c); semitone >= 0)
    {
        playKey (semitone);
        return true;
    }

    switch (c)
    {
        case octaveDownKey:
            if (base >= lowestBaseToLower)
                base -= octaveStep;
            show ("Octave " + juce::String (base / 12 - octaveDisplayOffset));
            break;
        case octaveUpKey:
            if (base < baseRaiseBelow)
                base += octaveStep;
            show ("Octave " + juce::String (base / 12 - octaveDisplayOffset));
            break;
        case velocityDownKey:
            if (noteVelocity >= lowestVelocityToLower)
                noteVelocity -= velocityStep;
            show ("Note Velocity: " + juce::String (noteVelocity));
            break;
        case velocityUpKey:
            if (noteVelocity < velocityRaiseBelow)
                noteVelocity += velocityStep;
            show ("Note Velocity: " + juce::String (noteVelocity));
            break;
        case ' ':
            allNotesOff();
            show ("All Notes OFF");
            break;
        default:
            break;
    }
    return true;
}

void KeyPlayClass::playKey (int semitone)
{
    const int note = base + semitone;
    // Above the top note there is nothing to play, and nothing to mark held.
    if (! NotePlayer::isNote (note))
        return;
    // A key held down repeats: the note it started goes on sounding.
    if (sounding[(size_t) semitone].note >= 0 || held[(size_t) note])
        return;

    const int c = controller.notes().channel();
    held[(size_t) note] = true;
    sounding[(size_t) semitone] = { note, c };
    controller.notes().noteOn (note, c, noteVelocity);
    show ("Play Chn: " + juce::String (c) + " Key: " + keynames::noteName (note) + " Vel: " + juce::String (noteVelocity));
}

bool KeyPlayClass::keyStateChanged (bool)
{
    // Every note key that is up ends its note: several keys may be let go in one change.
    bool released = false;
    for (int i = 0; i < noteKeyCount; ++i)
    {
        auto& s = sounding[(size_t) i];
        if (s.note < 0 || keyIsDown (juce::CharacterFunctions::toUpperCase ((juce::juce_wchar) noteKeys[i])))
            continue;
        controller.notes().noteOff (s.note, s.channel);
        held[(size_t) s.note] = false;
        s = {};
        released = true;
    }
    return released;
}

void KeyPlayClass::allNotesOff()
{
    const int c = controller.notes().channel();
    controller.notes().allNotesOff (c);
    // Notes started before the channel changed end on their own channel.
    for (auto& s : sounding)
        if (s.note >= 0 && s.channel != c)
            controller.notes().noteOff (s.note, s.channel);
    sounding.fill ({});
    held.fill (false);
}

void KeyPlayClass::releaseHeldNotes()
{
    for (auto& s : sounding)
        if (s.note >= 0)
            controller.notes().noteOff (s.note, s.channel);
    sounding.fill ({});
    held.fill (false);
}

// ---------------------------------------------------------------------- focus

void KeyPlayClass::focusLost (FocusChangeType)
{
    // The key releases now go elsewhere, so nothing started here may go on sounding.
    releaseHeldNotes();
    repaint();
}

void KeyPlayClass::globalFocusChanged (juce::Component* focused)
{
    if (takesFocusFromWindow && focused != nullptr && focused == getTopLevelComponent() && isShowing())
        grabKeyboardFocus();
}

// --------------------------------------------------------------------- status

void KeyPlayClass::show (const juce::String& text)
{
    status = text;
    statusTimer->start (statusMs);
    repaint();
}

void KeyPlayClass::statusTimeUp()
{
    statusTimer->stop();
    status.clear();
    repaint();
}

void KeyPlayClass::paint (juce::Graphics& g)
{
    const bool focused = hasKeyboardFocus (false);
    auto area = getLocalBounds();

    const auto tag = area.removeFromLeft (tagWidth).reduced (1, 2).toFloat();
    g.setColour (focused ? skin::colours::accent : skin::colours::buttonFace);
    g.fillRoundedRectangle (tag, 3.0f);
    g.setColour (focused ? skin::colours::white : skin::colours::text.withAlpha (0.6f));
    g.setFont (skin::font (10.0f, true));
    g.drawText (tagText, tag, juce::Justification::centred);

    area.removeFromLeft (8);
    g.setFont (skin::font (12.0f));
    if (status.isNotEmpty())
    {
        g.setColour (skin::colours::text);
        g.drawText (status, area, juce::Justification::centredLeft, true);
    }
    else
    {
        g.setColour (skin::colours::text.withAlpha (0.45f));
        g.drawText (focused ? focusedHint : unfocusedHint, area, juce::Justification::centredLeft, true);
    }
}

} // namespace zr9
