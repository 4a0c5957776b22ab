#include "pages/players/KeyBrd.h"
#include "support/PointerEvents.h"
#include "support/FakeMidiPorts.h"
#include "support/NoteMessages.h"
#include "support/TestController.h"
#include "support/TestHelpers.h"

#include "controller/MidiCntrState.h"

#include <gtest/gtest.h>

using namespace zr9;
using namespace zr9::test;

namespace
{
using Bytes = std::vector<juce::uint8>;

Bytes on (int channel, int note, int velocity) { return noteOnBytes (channel, note, velocity); }
Bytes off (int channel, int note) { return noteOffBytes (channel, note); }

struct KeyBrdFixture : ::testing::Test
{
    KeyBrdFixture()
    {
        controller().connection().openOutputPort (1);
        keys->setVisible (true);
    }

    MidiCntrState& controller() { return setup.controller; }

    /** The notes sent since the last call. */
    std::vector<Bytes> taken()
    {
        std::vector<Bytes> out;
        for (const auto& s : ports.log->sent)
            out.push_back (s.bytes);
        ports.log->clear();
        return out;
    }

    /** A press on a key at height y, as the key hands it to the keyboard. */
    void press (int semitone, float y)
    {
        auto& key = keys->key (semitone);
        key.mouseDown (pointerEvent (key, { 10.0f, y }, { 10.0f, y }));
    }
    /** A drag that began on `from`, now at a point of the keyboard. */
    void dragTo (int from, juce::Point<int> onKeyboard)
    {
        auto& key = keys->key (from);
        key.mouseDrag (pointerEvent (key, (onKeyboard - key.getPosition()).toFloat(), { 10.0f, 10.0f }));
    }
    void letGo (int from, juce::Point<int> onKeyboard)
    {
        auto& key = keys->key (from);
        key.mouseUp (pointerEvent (key, (onKeyboard - key.getPosition()).toFloat(), { 10.0f, 10.0f }));
    }

    FakeMidiPorts ports;
    TestController setup { ports };
    std::unique_ptr<KeyBrd> keys = std::make_unique<KeyBrd> (controller());
};

/** A point of the keyboard inside a key: `y` down from the keys' top. */
juce::Point<int> onKey (KeyBrd& keys, int semitone, int y) { return keys.key (semitone).getPosition() + juce::Point<int> (5, y); }
} // namespace

TEST (PianoKeyVelocity, FollowsTheClickHeight)
{
    using Kind = PianoKey::Kind;
    EXPECT_EQ (PianoKey::velocityForClick (Kind::white, 200), 86);
    EXPECT_EQ (PianoKey::velocityForClick (Kind::black, 200), 54) << "past 127 the velocity folds back";
    EXPECT_EQ (PianoKey::velocityForClick (Kind::black, 127), 127);
    EXPECT_EQ (PianoKey::velocityForClick (Kind::white, 241), 127);
    EXPECT_EQ (PianoKey::velocityForClick (Kind::white, 242), 126);
    EXPECT_EQ (PianoKey::velocityForClick (Kind::white, 50), 5) << "above the black keys' ends a white key plays softest";
    EXPECT_EQ (PianoKey::velocityForClick (Kind::white, 370), 5);
    EXPECT_EQ (PianoKey::velocityForClick (Kind::white, 371), std::nullopt);
    EXPECT_EQ (PianoKey::velocityForClick (Kind::black, 0), 5);
    EXPECT_EQ (PianoKey::velocityForClick (Kind::pad, 5), 100);
    EXPECT_EQ (PianoKey::velocityForClick (Kind::pad, 390), 100);
}

TEST_F (KeyBrdFixture, BlackKeysLieOverTheWhiteKeysTheyNarrow)
{
    EXPECT_EQ (keys->keyAt ({ 165, KeyBrd::keysTop + 100 }), &keys->key (1));
    EXPECT_EQ (keys->keyAt ({ 165, KeyBrd::keysTop + 300 }), &keys->key (0)) << "below the black key the white one is wide";
    EXPECT_EQ (keys->keyAt ({ 965, KeyBrd::keysTop + 200 }), &keys->key (23));
    EXPECT_EQ (keys->keyAt ({ 100, KeyBrd::keysTop + 200 }), nullptr);
    EXPECT_EQ (keys->keyAt ({ 500, KeyBrd::keysTop + 400 }), nullptr);
}

TEST_F (KeyBrdFixture, AClickPlaysTheOctavesNoteAtItsHeightAndTheReleaseEndsIt)
{
    ASSERT_EQ (keys->octave(), 4);
    press (0, 200.0f);
    EXPECT_TRUE (keys->key (0).isDown());
    EXPECT_TRUE (keys->isMouseHeld());
    letGo (0, onKey (*keys, 0, 200));
    EXPECT_FALSE (keys->key (0).isDown());
    EXPECT_FALSE (keys->isMouseHeld());
    press (1, 200.0f);
    letGo (1, onKey (*keys, 1, 200));
    press (2, 371.0f);
    letGo (2, onKey (*keys, 2, 371));
    EXPECT_EQ (taken(), (std::vector<Bytes> { on (1, 48, 86), off (1, 48), on (1, 49, 54), off (1, 49) }))
        << "a click 371 down a key plays nothing";
}

TEST_F (KeyBrdFixture, AHeldMouseSlidesFromKeyToKey)
{
    press (0, 300.0f);
    dragTo (0, onKey (*keys, 0, 250));
    dragTo (0, onKey (*keys, 2, 250));
    dragTo (0, onKey (*keys, 3, 100));
    dragTo (0, { 100, KeyBrd::keysTop + 100 });
    dragTo (0, onKey (*keys, 4, 300));
    letGo (0, onKey (*keys, 4, 300));
    EXPECT_EQ (taken(), (std::vector<Bytes> { on (1, 48, 68), off (1, 48), on (1, 50, 118),
                                              off (1, 50), on (1, 51, 100), off (1, 51), on (1, 52, 68), off (1, 52) }))
        << "staying on a key plays it once; leaving the keys releases; the release ends the last";
    for (int i = 0; i < KeyBrd::keyCount; ++i)
        EXPECT_FALSE (keys->key (i).isDown()) << i;
}

TEST_F (KeyBrdFixture, TouchModePlaysOnTheWayInAndReleasesOnTheWayOut)
{
    keys->touchModeButton().triggerClick();
    runMessageLoopFor (20);
    ASSERT_TRUE (keys->isTouchMode());
    EXPECT_EQ (keys->touchModeButton().getButtonText(), "Touch Mode ON");

    auto& c = keys->key (0);
    c.mouseEnter (hoverEvent (c, { 10.0f, 200.0f }));
    EXPECT_TRUE (c.isDown());
    EXPECT_FALSE (keys->isMouseHeld());
    c.mouseDown (pointerEvent (c, { 10.0f, 200.0f }, { 10.0f, 200.0f }));
    c.mouseUp (pointerEvent (c, { 10.0f, 200.0f }, { 10.0f, 200.0f }));
    EXPECT_TRUE (c.isDown()) << "a click on the sounding key changes nothing";
    c.mouseExit (hoverEvent (c, { 10.0f, 200.0f }));
    EXPECT_FALSE (c.isDown());
    EXPECT_EQ (taken(), (std::vector<Bytes> { on (1, 48, 86), off (1, 48) }));

    keys->touchModeButton().triggerClick();
    runMessageLoopFor (20);
    EXPECT_EQ (keys->touchModeButton().getButtonText(), "Touch Mode OFF");
    c.mouseEnter (hoverEvent (c, { 10.0f, 200.0f }));
    EXPECT_TRUE (taken().empty()) << "without touch mode a key only plays when pressed";
}

TEST_F (KeyBrdFixture, MovingTheOctaveWindowSilencesEveryNoteAndMovesTheKeys)
{
    controller().notes().selectChannel (3);
    taken();
    auto& strip = keys->octaveStrip();
    const float octaveWidth = 25.0f * strip.scale();

    strip.mouseDown (pointerEvent (strip, { 6.5f * octaveWidth, 5.0f }, { 6.5f * octaveWidth, 5.0f }));
    EXPECT_EQ (keys->octave(), 6);
    auto sent = taken();
    ASSERT_EQ (sent.size(), 128u);
    for (int n = 0; n < 128; ++n)
        EXPECT_EQ (sent[(size_t) n], off (3, n));

    strip.mouseDrag (pointerEvent (strip, { 6.5f * octaveWidth, 5.0f }, { 6.5f * octaveWidth, 5.0f }));
    EXPECT_TRUE (taken().empty()) << "the same window is no change";

    press (0, 200.0f);
    letGo (0, onKey (*keys, 0, 200));
    EXPECT_EQ (taken(), (std::vector<Bytes> { on (3, 72, 86), off (3, 72) }));

    strip.mouseDown (pointerEvent (strip, { -40.0f, 5.0f }, { -40.0f, 5.0f }));
    EXPECT_EQ (strip.firstNote(), 0);
    strip.mouseDown (pointerEvent (strip, { 5000.0f, 5.0f }, { 5000.0f, 5.0f }));
    EXPECT_EQ (strip.firstNote(), 127);
    EXPECT_EQ (keys->octave(), 10);
    taken();
    press (7, 300.0f);
    press (8, 300.0f);
    EXPECT_EQ (taken(), (std::vector<Bytes> { on (3, 127, 68) })) << "the keys above note 127 play nothing";
    EXPECT_FALSE (keys->key (8).isDown());
}

TEST_F (KeyBrdFixture, TheChannelMenuOffersSixteenChannelsAndTheTenthTakesOver)
{
    const auto menu = keys->channelMenu();
    juce::StringArray entries;
    for (juce::PopupMenu::MenuItemIterator it (menu); it.next();)
        entries.add (juce::String (it.getItem().itemID) + ":" + it.getItem().text + (it.getItem().isTicked ? "*" : ""));
    ASSERT_EQ (entries.size(), 16);
    EXPECT_EQ (entries[0], "1:Channel 1*");
    EXPECT_EQ (entries[9], "10:Channel 10");
    EXPECT_EQ (keys->channelButton().getButtonText(), "Channel  1");

    keys->channelChosen (10);
    EXPECT_EQ (keys->channelButton().getButtonText(), "Channel  10");
    EXPECT_EQ (controller().settings().text (Setting::midiChannel), "10");
    EXPECT_EQ (ports.log->sysEx(), (std::vector<Bytes> { { 0xF0, 0x07, 0x44, 0x03, 0x00, 0x40, 9, 0xF7 } }));
    taken();
    press (0, 200.0f);
    EXPECT_EQ (taken(), (std::vector<Bytes> { on (10, 48, 86) }));

    keys->channelChosen (0);
    keys->channelChosen (17);
    keys->channelChosen (-3);
    EXPECT_EQ (controller().midiChannel(), 10) << "a dismissed menu or a bad number changes nothing";
    EXPECT_TRUE (taken().empty());

    keys->channelChosen (2);
    letGo (0, onKey (*keys, 0, 200));
    EXPECT_EQ (taken().back(), off (10, 48)) << "a key ends its note on the channel it began on";
}

TEST_F (KeyBrdFixture, NotesStillHeldEndWhenTheKeyboardIsHiddenOrGoesAway)
{
    press (5, 300.0f);
    keys->setVisible (false);
    EXPECT_EQ (taken(), (std::vector<Bytes> { on (1, 53, 68), off (1, 53) }));

    keys->setVisible (true);
    keys->touchModeButton().triggerClick();
    runMessageLoopFor (20);
    auto& e = keys->key (4);
    e.mouseEnter (hoverEvent (e, { 10.0f, 300.0f }));
    keys.reset();
    EXPECT_EQ (taken(), (std::vector<Bytes> { on (1, 52, 68), off (1, 52) }));
}
