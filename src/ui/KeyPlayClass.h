#pragma once

#include "midi/Clock.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <array>
#include <functional>
#include <memory>

namespace zr9
{

class MidiCntrState;

/**
    The computer-keyboard player: a strip that turns letter keys into notes
    on the controller's channel while it has the keyboard focus.

    "z s x d c v g b h n j m" play the twelve semitones above the base note
    (36 at the start), "o" and "p" move the base note down and up an octave,
    "u" and "i" the velocity (100 at the start) by 5, and the space bar sends
    note off for all 128 notes. Each key shows what it did for 750 ms.

    It plays only while focused, so typing into a text field never plays
    notes. A key's release ends the note that key started, on the channel
    it started on, even when the octave or the channel changed meanwhile;
    losing the focus or going away ends every note it holds, since the key
    releases would no longer reach it.

    Self-contained: any window may show one. Message thread.
*/
class KeyPlayClass : public juce::Component,
                     private juce::FocusChangeListener
{
public:
    static constexpr int startVelocity = 100;
    static constexpr int velocityStep = 5;
    static constexpr int startBaseNote = 36;
    static constexpr int octaveStep = 12;
    static constexpr int statusMs = 750;
    static constexpr int noteKeyCount = 12;
    /** The note keys, by semitone above the base note. */
    static constexpr const char* noteKeys = "zsxdcvgbhnjm";

    /** Tells whether the key with this code is down now; the platform's by default. */
    using KeyDownQuery = std::function<bool (int keyCode)>;

    explicit KeyPlayClass (MidiCntrState& controller, KeyDownQuery isKeyDown = {});
    ~KeyPlayClass() override;

    int velocity() const noexcept { return noteVelocity; }
    int baseNote() const noexcept { return base; }
    bool isHeld (int note) const noexcept { return note >= 0 && note < (int) held.size() && held[(size_t) note]; }
    /** The last message shown; empty once its time is up. */
    const juce::String& statusText() const noexcept { return status; }

    /** Takes the focus whenever the window it lies in is focused itself, so it plays without a click first. */
    void setTakesFocusFromWindow (bool shouldTake) noexcept { takesFocusFromWindow = shouldTake; }

    /** Ends every note this player holds, on the channel each started on. */
    void releaseHeldNotes();

    bool keyPressed (const juce::KeyPress& key) override;
    bool keyStateChanged (bool isKeyDown) override;
    void focusGained (FocusChangeType) override { repaint(); }
    void focusLost (FocusChangeType) override;
    void paint (juce::Graphics& g) override;

private:
    struct Sounding
    {
        int note = -1;
        int channel = 0;
    };

    void playKey (int semitone);
    void allNotesOff();
    void show (const juce::String& text);
    void statusTimeUp();
    void globalFocusChanged (juce::Component* focused) override;

    MidiCntrState& controller;
    KeyDownQuery keyIsDown;
    std::unique_ptr<ClockTimer> statusTimer;

    int noteVelocity = startVelocity;
    int base = startBaseNote;
    std::array<bool, 128> held {};
    std::array<Sounding, noteKeyCount> sounding {}; // what each note key started
    juce::String status;
    bool takesFocusFromWindow = true;

    JUCE_DECLARE_NON_COPYABLE (KeyPlayClass)
};

} // namespace zr9
