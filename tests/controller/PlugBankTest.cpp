#include "controller/MidiCntrState.h"
#include "model/FactoryBanks.h"
#include "model/SysexFormat.h"
#include "support/FakeMidiPorts.h"
#include "support/TestController.h"

#include <gtest/gtest.h>

using namespace zr9;
using namespace zr9::test;

namespace
{
struct PlugBankFixture : ::testing::Test
{
    PlugBankFixture() : test (ports)
    {
        controller.connection().openOutputPort (1);
        controller.notifications().take();
        ports.log->clear();
    }

    PlugBank& bank() { return controller.plugBank(); }

    /** A record with the given mode byte, program 100 + c on channel c + 1 and multi 7. */
    static Bytes record (int mode)
    {
        Bytes r (arrangement::recordSize, 0);
        for (int c = 0; c < 16; ++c)
            putWord (r, 24 + 2 * c, 100 + c);
        putWord (r, 56, 7);
        putByte (r, 58, mode);
        return r;
    }

    /** What left, each message named: "mode", "multi", "program N" (channel 0 to 15), or "other". */
    std::vector<std::string> sentKinds() const
    {
        std::vector<std::string> kinds;
        const auto& sent = ports.log->sent;
        for (size_t i = 0; i < sent.size(); ++i)
        {
            const auto& b = sent[i].bytes;
            if (b.size() == 3 && b[0] == 0xB0 && b[1] == 114 && b[2] == 11)
                kinds.push_back ("mode");
            else if (! b.empty() && b[0] == 0xF0 && b.size() > 6 && b[5] == sysex::commandChannelProgram)
                kinds.push_back ("program " + std::to_string (b[6]));
            else if (! b.empty() && b[0] == 0xF0)
                kinds.push_back ("multi");
        }
        return kinds;
    }

    FakeMidiPorts ports;
    TestController test;
    MidiCntrState& controller = test.controller;
};

std::vector<std::string> programsInOrder()
{
    std::vector<std::string> p;
    for (int c = 0; c < 16; ++c)
        p.push_back ("program " + std::to_string (c));
    return p;
}
} // namespace

TEST_F (PlugBankFixture, ModeZeroIsAppliedAsProgramModeWithItsPause)
{
    bank().apply (ByteView (record (0)));
    EXPECT_EQ (controller.getLiveValue (LiveTable::rowPlayingMode), 1);
    auto expected = programsInOrder();
    expected.insert (expected.begin(), "mode");
    EXPECT_EQ (sentKinds(), expected);

    EXPECT_TRUE (controller.isInputPaused());
    test.clock->step (1999);
    EXPECT_TRUE (controller.isInputPaused());
    test.clock->step (1);
    EXPECT_FALSE (controller.isInputPaused());
}

TEST_F (PlugBankFixture, MultiModeSendsRow2304BeforeThePrograms)
{
    bank().apply (ByteView (record (2)));
    auto expected = programsInOrder();
    expected.insert (expected.begin(), { "mode", "multi" });
    EXPECT_EQ (sentKinds(), expected);
    EXPECT_EQ (controller.getLiveValue (LiveTable::rowMulti), 7);
    test.clock->step (1999);
    EXPECT_TRUE (controller.isInputPaused());
}

TEST_F (PlugBankFixture, EveryChannelsProgramIsSentEvenWhenItIsAlreadyPlaying)
{
    const auto r = record (1);
    bank().apply (ByteView (r));
    ports.log->clear();
    bank().apply (ByteView (r));
    const auto kinds = sentKinds();
    EXPECT_EQ (std::count_if (kinds.begin(), kinds.end(), [] (const std::string& k) { return k.rfind ("program", 0) == 0; }), 16);
    for (int c = 0; c < 16; ++c)
        EXPECT_EQ (controller.currentProgram (c), 100 + c);

    // The pages are told to refresh after the programs went out.
    const auto codes = controller.notifications().take().stateCodes;
    ASSERT_FALSE (codes.empty());
    EXPECT_EQ (codes.back(), statecode::refreshPages);
}

TEST_F (PlugBankFixture, TheCurrentRecordIsBuiltFromTheLiveStateOnTheSlotsRecord)
{
    controller.setLiveValue (261, arrangement::programRow (0), false);
    controller.setLiveValue (32512, 2309, false);
    controller.setLiveValue (-3, 2311, false);

    const auto built = bank().buildCurrent ("My Set", 4);
    ASSERT_EQ (built.size(), 300u);
    EXPECT_EQ (std::string (built.begin(), built.begin() + 24), "My Set" + std::string (18, ' '));
    EXPECT_EQ (built[24], 0x01);
    EXPECT_EQ (built[25], 0x05);
    EXPECT_EQ (built[63], 0x7F);
    EXPECT_EQ (built[64], 0x00);
    EXPECT_EQ (built[66], 0xFD);
    // The bytes nobody reads come from the blank slot 5 the first time.
    EXPECT_EQ (built[191], 0x7F);
    EXPECT_EQ (built[212], 0x31);
    EXPECT_EQ (bank().scratch(), built);

    // Afterwards they come from the record last built or applied, whatever the slot.
    auto applied = record (1);
    applied[250] = 0x5A;
    bank().apply (ByteView (applied));
    const auto again = bank().buildCurrent ("", 0);
    EXPECT_EQ (again[250], 0x5A);
    EXPECT_EQ (std::string (again.begin(), again.begin() + 24), "Untitled" + std::string (16, ' '));
}

TEST_F (PlugBankFixture, SlotsOutsideTheBankReadBlankAndIgnoreWrites)
{
    const auto before = bank().bankBytes();
    bank().storeRecord (64, ByteView (record (1)));
    bank().storeRecord (-1, ByteView (record (1)));
    bank().setName (99, "x");
    EXPECT_EQ (bank().bankBytes(), before);
    EXPECT_EQ (bank().record (64), Bytes (300, 0));
    EXPECT_TRUE (bank().name (-1).isEmpty());

    // A short record stored into a slot is padded with zeros, never read past.
    const Bytes shortRecord (10, 0x41);
    bank().storeRecord (2, ByteView (shortRecord));
    const auto stored = bank().record (2);
    EXPECT_EQ (std::count (stored.begin(), stored.begin() + 10, 0x41), 10);
    EXPECT_EQ (std::count (stored.begin() + 10, stored.end(), 0), 290);
}
