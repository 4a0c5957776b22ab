// The note players against the emulator: what a click on a key, a letter
// typed into the computer-keyboard player and a wheel drag send arrives at
// the instrument on the channel chosen from the keyboard's menu.

#include "support/EmulatorWindow.h"
#include "support/PointerEvents.h"

#include <gtest/gtest.h>

using namespace zr9;
using namespace zr9::emulator;
using namespace zr9::test;

namespace
{
struct NotePlayersEndToEnd : EmulatorWindowFixture
{
    // The window shows the scan the processor started; it finds the emulator after the two fake pairs.
    NotePlayersEndToEnd() { openWindowOnTheEmulator(); }

    KeyBrd& keys() { return main->keyboardPanel().keyboard(); }

    void drag (juce::Component& c, juce::Point<float> from, juce::Point<float> to)
    {
        c.mouseDown (pointerEvent (c, from, from));
        c.mouseDrag (pointerEvent (c, to, from));
    }
    void letGo (juce::Component& c, juce::Point<float> from, juce::Point<float> at) { c.mouseUp (pointerEvent (c, at, from)); }
};} // namespace

TEST_F (NotePlayersEndToEnd, KeysLettersAndWheelsReachTheInstrumentOnTheChosenChannel)
{
    ASSERT_TRUE (controller().connection().isConnected());
    keys().channelChosen (5);
    EXPECT_EQ (zr9().selectedChannel(), 5);

    // A click on the lowest key, 200 pixels down.
    auto& c = keys().key (0);
    const juce::Point<float> at (20.0f, 200.0f);
    c.mouseDown (pointerEvent (c, at, at));
    EXPECT_TRUE (zr9().isNoteHeld (5, 48));
    EXPECT_EQ (zr9().noteVelocity (5, 48), 86);
    letGo (c, at, at);
    EXPECT_FALSE (zr9().isNoteHeld (5, 48));

    // "v" on the computer keyboard, then let go.
    bool vDown = true;
    KeyPlayClass letters (controller(), [&] (int code) { return vDown && code == 'V'; });
    letters.keyPressed (juce::KeyPress ('v'));
    EXPECT_TRUE (zr9().isNoteHeld (5, 41));
    EXPECT_EQ (zr9().noteVelocity (5, 41), 100);
    vDown = false;
    letters.keyStateChanged (false);
    EXPECT_FALSE (zr9().isNoteHeld (5, 41));

    // The pitch wheel pushed to the top and let go; the modulation wheel raised by 50.
    auto& pitch = keys().pitchWheel();
    drag (pitch, { 20.0f, 150.0f }, { 20.0f, 0.0f });
    EXPECT_EQ (zr9().pitchWheel (5), 16383);
    letGo (pitch, { 20.0f, 150.0f }, { 20.0f, 0.0f });
    EXPECT_EQ (zr9().pitchWheel (5), 8192);

    auto& modulation = keys().modulationWheel();
    drag (modulation, { 20.0f, 150.0f }, { 20.0f, 100.0f });
    letGo (modulation, { 20.0f, 150.0f }, { 20.0f, 100.0f });
    EXPECT_EQ (zr9().controllerValue (5, 1), 50);

    EXPECT_EQ (zr9().pitchWheel (1), 8192);
    EXPECT_EQ (zr9().controllerValue (1, 1), -1) << "nothing went to the channel before the choice";
    EXPECT_FALSE (zr9().isNoteHeld (1, 48));
}
