#include "support/FakeMidiPorts.h"
#include "support/TestController.h"

#include <gtest/gtest.h>

using namespace zr9;
using namespace zr9::test;

namespace
{
using Bytes = std::vector<juce::uint8>;

struct NotePlayerFixture : ::testing::Test
{
    NotePlayerFixture() { controller().connection().openOutputPort (1); }

    MidiCntrState& controller() { return setup.controller; }
    NotePlayer& notes() { return controller().notes(); }
    std::vector<Bytes> sent() const
    {
        std::vector<Bytes> out;
        for (const auto& s : ports.log->sent)
            out.push_back (s.bytes);
        return out;
    }

    FakeMidiPorts ports;
    TestController setup { ports };
};
} // namespace

TEST_F (NotePlayerFixture, NotesAndWheelsGoOutOnTheGivenChannel)
{
    notes().noteOn (60, 1, 100);
    notes().noteOff (60, 1);
    notes().noteOn (127, 16, 0);
    notes().pitchWheel (3, 16383);
    notes().pitchWheel (3, 8192);
    notes().modulation (10, 127);
    const std::vector<Bytes> expected { { 0x90, 60, 100 }, { 0x80, 60, 0 }, { 0x9F, 127, 0 },
                                        { 0xE2, 0x7F, 0x7F }, { 0xE2, 0x00, 0x40 }, { 0xB9, 1, 127 } };
    EXPECT_EQ (sent(), expected);
}

TEST_F (NotePlayerFixture, NumbersOutsideTheirRangesSendNothing)
{
    for (const int note : { -1, 128, 1000 })
    {
        notes().noteOn (note, 1, 100);
        notes().noteOff (note, 1);
    }
    for (const int channel : { -1, 0, 17 })
    {
        notes().noteOn (60, channel, 100);
        notes().noteOff (60, channel);
        notes().allNotesOff (channel);
        notes().pitchWheel (channel, 8192);
        notes().modulation (channel, 0);
        notes().selectChannel (channel);
    }
    notes().noteOn (60, 1, 128);
    notes().noteOn (60, 1, -1);
    notes().pitchWheel (1, -1);
    notes().pitchWheel (1, 16384);
    notes().modulation (1, 128);
    notes().modulation (1, -1);
    EXPECT_TRUE (ports.log->sent.empty());
    EXPECT_EQ (controller().settings().text (Setting::midiChannel), "1");
}

TEST_F (NotePlayerFixture, AllNotesOffIsEveryNoteOffInOneBlock)
{
    notes().allNotesOff (4);
    const auto all = sent();
    ASSERT_EQ (all.size(), 128u);
    for (int n = 0; n < 128; ++n)
        EXPECT_EQ (all[(size_t) n], (Bytes { 0x83, (juce::uint8) n, 0 })) << n;
}

TEST_F (NotePlayerFixture, ChoosingAChannelKeepsItAndTellsTheInstrument)
{
    notes().selectChannel (10);
    EXPECT_EQ (notes().channel(), 10);
    EXPECT_EQ (controller().midiChannel(), 10);
    EXPECT_EQ (controller().settings().text (Setting::midiChannel), "10");
    EXPECT_EQ (ports.log->sysEx(), (std::vector<Bytes> { { 0xF0, 0x07, 0x44, 0x03, 0x00, 0x40, 9, 0xF7 } }));
}

TEST_F (NotePlayerFixture, WithTheOutputClosedNothingIsSent)
{
    controller().connection().openOutputPort (0);
    notes().noteOn (60, 1, 100);
    notes().allNotesOff (1);
    notes().selectChannel (2);
    EXPECT_TRUE (ports.log->sent.empty());
    EXPECT_EQ (notes().channel(), 2) << "the choice is kept all the same";
}

TEST (NotePlayerWheel, PositionsCoverTheWholePitchRangeAndReadBackUnchanged)
{
    EXPECT_EQ (NotePlayer::pitchWheelForPosition (0), 0);
    EXPECT_EQ (NotePlayer::pitchWheelForPosition (64), 8192);
    EXPECT_EQ (NotePlayer::pitchWheelForPosition (127), 16383);
    EXPECT_EQ (NotePlayer::pitchWheelForPosition (-5), 0);
    EXPECT_EQ (NotePlayer::pitchWheelForPosition (300), 16383);
    int previous = -1;
    for (int p = 0; p <= 127; ++p)
    {
        const int value = NotePlayer::pitchWheelForPosition (p);
        EXPECT_GT (value, previous) << p;
        EXPECT_EQ (NotePlayer::positionForPitchWheel (value), p) << "a received value moves the wheel to where it was sent from";
        previous = value;
    }
    EXPECT_EQ (NotePlayer::positionForPitchWheel (-1), 0);
    EXPECT_EQ (NotePlayer::positionForPitchWheel (99999), 127);
}
