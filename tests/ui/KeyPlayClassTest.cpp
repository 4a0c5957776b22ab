#include "ui/KeyPlayClass.h"
#include "support/FakeMidiPorts.h"
#include "support/NoteMessages.h"
#include "support/TestController.h"

#include "controller/MidiCntrState.h"

#include <gtest/gtest.h>

#include <set>

using namespace zr9;
using namespace zr9::test;

namespace
{
using Bytes = std::vector<juce::uint8>;

Bytes on (int channel, int note, int velocity) { return noteOnBytes (channel, note, velocity); }
Bytes off (int channel, int note) { return noteOffBytes (channel, note); }

/** The player with a computer keyboard the test presses and lets go. */
struct KeyPlayFixture : ::testing::Test
{
    KeyPlayFixture() { controller().connection().openOutputPort (1); }

    MidiCntrState& controller() { return setup.controller; }

    std::vector<Bytes> taken()
    {
        std::vector<Bytes> out;
        for (const auto& s : ports.log->sent)
            out.push_back (s.bytes);
        ports.log->clear();
        return out;
    }

    /** Presses a key (and holds it while it is a letter), as the platform reports it. */
    bool type (juce::juce_wchar c, juce::ModifierKeys mods = {})
    {
        down.insert ((int) juce::CharacterFunctions::toUpperCase (c));
        const bool consumed = player->keyPressed (juce::KeyPress ((int) c, mods, c));
        player->keyStateChanged (true);
        return consumed;
    }
    void typeTimes (juce::juce_wchar c, int times)
    {
        for (int i = 0; i < times; ++i)
        {
            type (c);
            lift ({ c });
        }
    }
    /** Lets go of several keys at once: one change of key state. */
    void lift (std::initializer_list<juce::juce_wchar> keys)
    {
        for (const auto c : keys)
            down.erase ((int) juce::CharacterFunctions::toUpperCase (c));
        player->keyStateChanged (false);
    }

    FakeMidiPorts ports;
    TestController setup { ports };
    std::set<int> down;
    std::unique_ptr<KeyPlayClass> player = std::make_unique<KeyPlayClass> (controller(), [this] (int code) { return down.count (code) > 0; });
};
} // namespace

TEST_F (KeyPlayFixture, ANoteKeyPlaysOnceWhileHeldAndEndsWhenLetGo)
{
    type ('z');
    for (int repeat = 0; repeat < 5; ++repeat)
        type ('z');
    EXPECT_TRUE (player->isHeld (36));
    EXPECT_EQ (player->statusText(), "Play Chn: 1 Key: C3 Vel: 100");
    lift ({ 'z' });
    EXPECT_FALSE (player->isHeld (36));
    type ('M'); // the shifted letter plays like the plain one
    lift ({ 'm' });
    EXPECT_EQ (player->statusText(), "Play Chn: 1 Key: B3 Vel: 100");
    EXPECT_EQ (taken(), (std::vector<Bytes> { on (1, 36, 100), off (1, 36), on (1, 47, 100), off (1, 47) }));
}

TEST_F (KeyPlayFixture, LettingGoOfSeveralKeysAtOnceEndsEveryNote)
{
    type ('z');
    type ('d');
    EXPECT_EQ (player->statusText(), "Play Chn: 1 Key: D#3 Vel: 100");
    type ('m');
    taken();
    lift ({ 'z', 'd', 'm' });
    EXPECT_EQ (taken(), (std::vector<Bytes> { off (1, 36), off (1, 39), off (1, 47) }));
    for (const int note : { 36, 39, 47 })
        EXPECT_FALSE (player->isHeld (note));
}

TEST_F (KeyPlayFixture, ANoteEndsWhereItBeganWhenOctaveOrChannelMoveMeanwhile)
{
    type ('x');
    type ('p');
    lift ({ 'p' });
    controller().notes().selectChannel (7);
    taken();
    lift ({ 'x' });
    EXPECT_EQ (taken(), (std::vector<Bytes> { off (1, 38) }));
    type ('x');
    EXPECT_EQ (taken(), (std::vector<Bytes> { on (7, 50, 100) }));
}

TEST_F (KeyPlayFixture, OctaveKeysStopAtTheirLimits)
{
    typeTimes ('p', 7);
    EXPECT_EQ (player->baseNote(), 120);
    EXPECT_EQ (player->statusText(), "Octave 8");
    typeTimes ('p', 2);
    EXPECT_EQ (player->baseNote(), 120);
    EXPECT_EQ (player->statusText(), "Octave 8");

    typeTimes ('o', 12);
    EXPECT_EQ (player->baseNote(), 0);
    EXPECT_EQ (player->statusText(), "Octave -2");
    EXPECT_TRUE (taken().empty());
}

TEST_F (KeyPlayFixture, VelocityKeysStopAtZeroAndAt125)
{
    typeTimes ('u', 20);
    EXPECT_EQ (player->velocity(), 0);
    typeTimes ('u', 1);
    EXPECT_EQ (player->velocity(), 0);
    EXPECT_EQ (player->statusText(), "Note Velocity: 0");

    typeTimes ('i', 24);
    EXPECT_EQ (player->velocity(), 120);
    typeTimes ('i', 1);
    EXPECT_EQ (player->velocity(), 125);
    typeTimes ('i', 3);
    EXPECT_EQ (player->velocity(), 125);
    EXPECT_EQ (player->statusText(), "Note Velocity: 125");
    type ('c');
    EXPECT_EQ (taken(), (std::vector<Bytes> { on (1, 40, 125) }));
}

TEST_F (KeyPlayFixture, NotesAboveTheTopSendNothingAndStayUnheld)
{
    typeTimes ('p', 7);
    taken();
    type ('b');
    for (const auto c : { 'h', 'n', 'j', 'm' })
        EXPECT_TRUE (type (c)) << c;
    EXPECT_EQ (taken(), (std::vector<Bytes> { on (1, 127, 100) }));
    lift ({ 'b', 'h', 'n', 'j', 'm' });
    EXPECT_EQ (taken(), (std::vector<Bytes> { off (1, 127) }));
    for (int n = 0; n < 128; ++n)
        EXPECT_FALSE (player->isHeld (n)) << n;
    EXPECT_FALSE (player->isHeld (128));
}

TEST_F (KeyPlayFixture, TheSpaceBarSendsEveryNoteOffEvenWithNothingHeld)
{
    controller().notes().selectChannel (5);
    taken();
    type (' ');
    auto sent = taken();
    ASSERT_EQ (sent.size(), 128u);
    for (int n = 0; n < 128; ++n)
        EXPECT_EQ (sent[(size_t) n], off (5, n));
    EXPECT_EQ (player->statusText(), "All Notes OFF");

    type ('s');
    lift ({ ' ' });
    type (' ');
    EXPECT_FALSE (player->isHeld (37));
    taken();
    lift ({ 's' });
    EXPECT_TRUE (taken().empty()) << "the note is over already";
}

TEST_F (KeyPlayFixture, StatusLastsItsTimeFromTheLatestMessage)
{
    type ('u');
    setup.clock->step (500);
    type ('i');
    setup.clock->step (749);
    EXPECT_EQ (player->statusText(), "Note Velocity: 100");
    setup.clock->step (1);
    EXPECT_TRUE (player->statusText().isEmpty());
    EXPECT_EQ (setup.clock->runningTimers(), 0);
}

TEST_F (KeyPlayFixture, ArrowsAndFunctionKeysAreSwallowedOrPassedOnAndShortcutsPassed)
{
    for (const int code : { juce::KeyPress::leftKey, juce::KeyPress::upKey, juce::KeyPress::rightKey,
                            juce::KeyPress::downKey, juce::KeyPress::F5Key, juce::KeyPress::F6Key })
        EXPECT_TRUE (player->keyPressed (juce::KeyPress (code))) << code;
    EXPECT_FALSE (player->keyPressed (juce::KeyPress (juce::KeyPress::F1Key)));
    EXPECT_FALSE (player->keyPressed (juce::KeyPress (juce::KeyPress::homeKey)));
    EXPECT_FALSE (type ('z', juce::ModifierKeys::ctrlModifier));
    EXPECT_FALSE (type ('p', juce::ModifierKeys::altModifier));
    EXPECT_TRUE (type ('a')) << "other characters are the player's and do nothing";
    EXPECT_TRUE (taken().empty());
    EXPECT_EQ (player->baseNote(), 36);
    EXPECT_TRUE (player->statusText().isEmpty());
}

TEST_F (KeyPlayFixture, HeldNotesEndWhenThePlayerLosesTheKeysOrGoesAway)
{
    type ('z');
    type ('v');
    taken();
    player->focusLost (juce::Component::focusChangedByMouseClick);
    EXPECT_EQ (taken(), (std::vector<Bytes> { off (1, 36), off (1, 41) }));
    lift ({ 'z', 'v' });
    EXPECT_TRUE (taken().empty());

    type ('g');
    taken();
    player.reset();
    EXPECT_EQ (taken(), (std::vector<Bytes> { off (1, 42) }));
}
