#include "controller/MidiCntrState.h"
#include "library/RevuDIAudioProcessor.h"
#include "support/TestController.h"
#include "support/TestHelpers.h"

#include <gtest/gtest.h>

#include <climits>

using namespace zr9;
using namespace zr9::test;

namespace
{
using Bytes3 = std::vector<juce::uint8>;

struct LiveRowFixture : ::testing::Test
{
    LiveRowFixture() : test (ports)
    {
        controller.connection().openOutputPort (1);
        controller.notifications().take();
        ports.log->clear();
    }

    std::vector<Bytes3> sentBytes() const
    {
        std::vector<Bytes3> out;
        for (const auto& m : ports.log->sent)
            out.push_back (m.bytes);
        return out;
    }

    /** The seven controllers of an address message on status byte `cc`. */
    static std::vector<Bytes3> addressBytes (juce::uint8 cc, std::array<juce::uint8, 5> a, juce::uint8 hi, juce::uint8 lo)
    {
        return { { cc, 110, a[0] }, { cc, 111, a[1] }, { cc, 112, a[2] }, { cc, 113, a[3] }, { cc, 114, a[4] },
                 { cc, 118, hi }, { cc, 119, lo } };
    }

    /** The lowest and highest numbers that the FX chain bank holds. */
    std::pair<int, int> twoChains()
    {
        const auto& bank = controller.model().fxChains().bank();
        int first = 0, last = 0;
        for (int n = 1; n <= bank.cap(); ++n)
            if (! bank.name (n).empty())
                (first == 0 ? first : last) = n;
        return { first, last };
    }

    TempFolder folder;
    FakeMidiPorts ports;
    TestController test;
    MidiCntrState& controller = test.controller;
};
} // namespace

TEST_F (LiveRowFixture, BytesOfPanFxAllocPlayingModeAndAController)
{
    controller.setLiveValue (10, 9, true);
    auto expected = addressBytes (0xB0, { 1, 0, 1, 0, 22 }, 64, 10);
    expected.insert (expected.begin(), Bytes3 { 0xB0, 10, 73 });
    EXPECT_EQ (sentBytes(), expected) << "row 9: controller 10 first, then the seven address controllers";
    const auto last = controller.live().lastAddressSent();
    EXPECT_EQ (last.address, (messages::Address { 1, 0, 1, 0, 22 }));
    EXPECT_EQ (last.channel, 1);

    ports.log->clear();
    controller.setLiveValue (1, 2, true);
    controller.setLiveValue (1, LiveTable::channelRow (7, LiveTable::slotAux1Out), true);
    controller.setLiveValue (1, LiveTable::channelRow (15, LiveTable::slotAux2Out), true);
    EXPECT_TRUE (ports.log->sent.empty()) << "slots 2, 5 and 8 are never sent";
    EXPECT_EQ (controller.getLiveValue (2), 1);

    controller.setLiveValue (2, 2305, true);
    EXPECT_EQ (sentBytes(), addressBytes (0xB0, { 12, 0, 0, 0, 11 }, 64, 2));
    ports.log->clear();
    controller.setLiveValue (3, 2305, true);
    controller.setLiveValue (0, 2305, true);
    EXPECT_TRUE (ports.log->sent.empty()) << "playing mode sends only 1 or 2";

    controller.setLiveValue (127, LiveTable::controllerRow (15, 64), true);
    EXPECT_EQ (sentBytes(), (std::vector<Bytes3> { { 0xBF, 64, 127 } }));
    EXPECT_EQ (controller.getLiveValue (2240), 127);

    ports.log->clear();
    controller.setLiveValue (5, 2306, true);
    controller.setLiveValue (1, LiveTable::channelRow (0, LiveTable::slotSolo), true);
    controller.setLiveValue (3, LiveTable::channelRow (0, LiveTable::slotProgramBank), true);
    controller.setLiveValue (60, LiveTable::controllerRow (0, 1), false);
    EXPECT_TRUE (ports.log->sent.empty()) << "kinds 0, 6 and 20 and unsent changes produce nothing";
}

// Values beyond what a message can carry are sent as the nearest value it can carry, not wrapped.
TEST_F (LiveRowFixture, OutOfRangeValuesAreHeldToWhatTheMessageCarries)
{
    controller.setLiveValue (100, 9, true);
    ASSERT_EQ (ports.log->sent.size(), 8u);
    EXPECT_EQ (ports.log->sent[0].bytes, (Bytes3 { 0xB0, 10, 127 }));

    ports.log->clear();
    controller.setLiveValue (9000, LiveTable::channelRow (2, LiveTable::slotLevel), true);
    controller.setLiveValue (INT_MIN, LiveTable::channelRow (2, LiveTable::slotLevel), true);
    const auto sent = sentBytes();
    ASSERT_EQ (sent.size(), 14u);
    EXPECT_EQ (sent[5], (Bytes3 { 0xB2, 118, 127 }));
    EXPECT_EQ (sent[6], (Bytes3 { 0xB2, 119, 127 }));
    EXPECT_EQ (sent[12], (Bytes3 { 0xB2, 118, 0 }));
    EXPECT_EQ (sent[13], (Bytes3 { 0xB2, 119, 0 }));
    EXPECT_EQ (controller.getLiveValue (LiveTable::channelRow (2, LiveTable::slotLevel)), INT_MIN) << "the table keeps what it was given";

    ports.log->clear();
    controller.setLiveValue (300, LiveTable::controllerRow (0, 7), true);
    controller.setLiveValue (-5, LiveTable::controllerRow (0, 7), true);
    EXPECT_EQ (sentBytes(), (std::vector<Bytes3> { { 0xB0, 7, 127 }, { 0xB0, 7, 0 } }));
}

TEST_F (LiveRowFixture, ProgramRowRefusesProgramsBelowOne)
{
    const int row = LiveTable::channelRow (3, LiveTable::slotProgram);
    controller.setLiveValue (0, row, true);
    controller.setLiveValue (-7, row, true);
    EXPECT_TRUE (ports.log->sent.empty());
    EXPECT_EQ (controller.getLiveValue (row), 1);
    EXPECT_EQ (controller.currentProgram (3), 1);
    EXPECT_TRUE (controller.notifications().take().parameterChanges.empty());
}

TEST_F (LiveRowFixture, ChainRowsRenameTheChannelsEffectSelection)
{
    const auto [first, last] = twoChains();
    ASSERT_GT (first, 0);
    ASSERT_GT (last, first);
    const auto& bank = controller.model().fxChains().bank();

    // Program 1 landed on every channel at start: its three chains are named already.
    const auto start = controller.programs().effects (4);
    EXPECT_EQ (start.chains[0], controller.getLiveValue (LiveTable::channelRow (4, LiveTable::slotInsertChain)));
    EXPECT_EQ (start.chains[2], controller.getLiveValue (LiveTable::channelRow (4, LiveTable::slotAux2Chain)));
    EXPECT_EQ (start.names[0], bank.name (start.chains[0]));

    controller.setLiveValue (first, LiveTable::channelRow (4, LiveTable::slotAux1Chain), true);
    controller.setLiveValue (last, LiveTable::channelRow (4, LiveTable::slotAux2Chain), false);
    auto now = controller.programs().effects (4);
    EXPECT_EQ (now.chains[ChannelEffects::aux1], first);
    EXPECT_EQ (now.names[ChannelEffects::aux1], bank.name (first));
    EXPECT_EQ (now.chains[ChannelEffects::aux2], last);
    EXPECT_EQ (now.names[ChannelEffects::aux2], bank.name (last));
    EXPECT_EQ (now.names[ChannelEffects::insert], start.names[0]);
    EXPECT_EQ (controller.programs().effects (5).chains[ChannelEffects::aux1], start.chains[1]) << "other channels keep theirs";
    EXPECT_EQ (ports.log->controllers().size(), 7u) << "the sent chain row goes out as one address message";

    controller.setLiveValue (bank.cap() + 1, LiveTable::channelRow (4, LiveTable::slotInsertChain), false);
    controller.setLiveValue (INT_MAX, LiveTable::channelRow (4, LiveTable::slotAux1Chain), false);
    now = controller.programs().effects (4);
    EXPECT_EQ (now.names[ChannelEffects::insert], "") << "a number without a chain has no name";
    EXPECT_EQ (now.names[ChannelEffects::aux1], "");
    EXPECT_EQ (controller.programs().effects (16).names[0], "");
}

TEST (ProcessorParameters, AnswerFromTheLiveTable)
{
    TempFolder folder;
    ProcessorOptions options;
    options.documentsBase = folder.path();
    options.persistent = false;
    options.ports = std::make_shared<FakeMidiPorts> (1, 1);
    RevuDIAudioProcessor processor (options);
    auto& controller = processor.controller();

    EXPECT_EQ (processor.liveParameterCount(), 2314);
    EXPECT_EQ (processor.liveParameterName (41), "Pan Ch.3");
    EXPECT_EQ (processor.liveParameterName (2314), "");

    controller.setLiveValue (32, 41, false);
    EXPECT_FLOAT_EQ (processor.liveParameterValue (41), 0.75f);
    EXPECT_EQ (processor.liveParameterText (41), "R: 32");
    EXPECT_FLOAT_EQ (processor.liveParameterValue (-1), 0.0f);
    EXPECT_EQ (processor.liveParameterText (-1), "");

    // Program references name the program from the program bank.
    const auto name = controller.model().programBank().bank().name (1);
    ASSERT_FALSE (name.empty());
    EXPECT_EQ (processor.liveParameterText (LiveTable::channelRow (0, LiveTable::slotProgram)), juce::String ("1 " + name));
    EXPECT_EQ (processor.liveParameterText (LiveTable::channelRow (0, LiveTable::slotProgramNumber)), juce::String ("1 " + name));
}
