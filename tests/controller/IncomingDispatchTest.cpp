#include "controller/MidiCntrState.h"
#include "model/SevenBitPacking.h"
#include "model/SysexFormat.h"
#include "support/HeldUpPorts.h"
#include "support/TestController.h"
#include "support/TestHelpers.h"

#include <thread>

#include <gtest/gtest.h>

using namespace zr9;
using namespace zr9::test;
using Bytes = std::vector<std::uint8_t>;

namespace
{
const Bytes globalPart3Request { 0xF0, 0x07, 0x44, 0x03, 0x00, 0x04, 0, 0, 0, 3, 0, 0, 0xF7 };

/** A global part 3 reply whose 8-byte channel entries carry the given programs. */
Bytes globalPart3Reply (const std::array<int, 16>& programs)
{
    Bytes data (200, 0);
    for (size_t c = 0; c < programs.size(); ++c)
    {
        data[8 * c + 2] = (std::uint8_t) (programs[c] >> 8);
        data[8 * c + 3] = (std::uint8_t) programs[c];
    }
    Bytes m { 0xF0, 0x07, 0x44, 0x03, 0x00, 0x04, 0, 0, 0, 3, 0, 1 };
    sysex::pack (data.data(), data.size(), m);
    return m;
}

struct DispatchFixture : ::testing::Test
{
    DispatchFixture() : test (ports)
    {
        controller.connection().openOutputPort (1);
        controller.connection().openInputPort (1);
        controller.notifications().take();
    }

    void feed (const Bytes& bytes) { ports.feed (juce::MidiMessage (bytes.data(), (int) bytes.size())); }
    void feed (const juce::MidiMessage& m) { ports.feed (m); }

    size_t count (const Bytes& message) const
    {
        const auto all = ports.log->sysEx();
        return (size_t) std::count (all.begin(), all.end(), message);
    }

    std::vector<std::pair<int, int>> parameterChanges()
    {
        std::vector<std::pair<int, int>> out;
        for (const auto e : controller.notifications().take().parameterChanges)
        {
            const auto c = paramchange::decode (e);
            out.push_back ({ c.row, c.value });
        }
        return out;
    }

    TempFolder folder;
    FakeMidiPorts ports { 2, 2 };
    TestController test;
    MidiCntrState& controller = test.controller;
};
} // namespace

TEST_F (DispatchFixture, ASysExInThreePiecesReachesTheRouterOnceAfterTheLast)
{
    feed (Bytes (zr9Reply.begin(), zr9Reply.begin() + 5));
    feed (Bytes (zr9Reply.begin() + 5, zr9Reply.begin() + 10));
    EXPECT_FALSE (controller.connection().isConnected());
    feed (Bytes (zr9Reply.begin() + 10, zr9Reply.end()));
    EXPECT_TRUE (controller.connection().isConnected());
    EXPECT_EQ (count (globalPart3Request), 1u);
    EXPECT_EQ (controller.connection().connectionText(), "HALVORN ZR9");
}

TEST_F (DispatchFixture, ANewStartDiscardsTheUnfinishedMessageAndGarbageNeverBlocksTheNext)
{
    feed (Bytes (zr9Reply.begin(), zr9Reply.begin() + 8));
    feed (Bytes { 0xF0, 0x43, 0x10 });
    feed (Bytes { 0x01, 0xF7 });
    EXPECT_FALSE (controller.connection().isConnected()) << "the first message was cut off by the second";

    // An endless unterminated message is dropped at its cap; the next message still gets through.
    feed (Bytes { 0xF0, 0x7E });
    const Bytes chunk (4096, 0x55);
    for (int i = 0; i < 40; ++i)
        feed (chunk);
    feed (Bytes { 0x12, 0x34, 0xF7 });
    EXPECT_FALSE (controller.connection().isConnected());
    feed (zr9Reply);
    EXPECT_TRUE (controller.connection().isConnected());

    // A partial-message report flushes what was collected, which the router then judges.
    controller.connection().sendIdentityRequest();
    feed (Bytes (zr9Reply.begin(), zr9Reply.begin() + 10));
    controller.input().handlePartialSysexMessage (nullptr, nullptr, 0, 0.0);
    EXPECT_TRUE (controller.connection().isConnected()) << "a flushed identity reply still counts";
    feed (Bytes { 0x05, 0xF7 });
    EXPECT_EQ (count (globalPart3Request), 2u) << "nothing left over after the flush";
}

TEST_F (DispatchFixture, EchoedIdentityRequestLeavesTheControllerOffLine)
{
    controller.connection().identityReplied ({ true, "before", false });
    controller.connection().sendIdentityRequest();
    feed (sysex::identityRequest());
    EXPECT_FALSE (controller.connection().isConnected());
    EXPECT_FALSE (controller.connection().isUnsupportedDevice());
    EXPECT_EQ (controller.connection().connectionText(), "before");
    EXPECT_EQ (count (globalPart3Request), 0u);
}

TEST_F (DispatchFixture, IdentityReplyFromThisInstrumentGreetsItAndAnotherInstrumentGetsNothing)
{
    ports.log->clear();
    feed (zr9Reply);
    EXPECT_FALSE (controller.connection().isUnsupportedDevice());
    const auto controllers = ports.log->controllers();
    ASSERT_EQ (controllers.size(), 7u) << "row 250 sent as one address run";
    EXPECT_EQ (controllers[0][0], 16);
    const auto codes = controller.notifications().take().stateCodes;
    ASSERT_FALSE (codes.empty());
    EXPECT_EQ (codes.back(), statecode::onLine);

    ports.log->clear();
    auto other = zr9Reply;
    other[8] = 4;
    feed (other);
    EXPECT_TRUE (controller.connection().isConnected());
    EXPECT_TRUE (controller.connection().isUnsupportedDevice());
    EXPECT_EQ (controller.connection().connectionText(), "Connected - Device Unknown");
    EXPECT_TRUE (ports.log->controllers().empty());
}

TEST_F (DispatchFixture, AReplyDuringTheScanRemembersTheScannedPair)
{
    controller.connection().setScanMode (true);
    controller.connection().setScannedPorts (2, 1);
    feed (zr9Reply);
    EXPECT_EQ (controller.settings().text (Setting::inputPort), "2");
    EXPECT_EQ (controller.settings().text (Setting::outputPort), "1");

    controller.connection().setScanMode (false);
    controller.connection().setScannedPorts (1, 2);
    feed (zr9Reply);
    EXPECT_EQ (controller.settings().text (Setting::inputPort), "2") << "outside the scan the settings stay";
}

TEST_F (DispatchFixture, GlobalPartThreeSetsTheChannelProgramsThatDiffer)
{
    std::array<int, 16> programs {};
    programs.fill (1);
    programs[2] = 7;
    programs[9] = 1030;
    feed (globalPart3Reply (programs));
    EXPECT_EQ (controller.model().master().channelProgram (2), 7);
    EXPECT_EQ (controller.currentProgram (2), 7);
    EXPECT_EQ (controller.currentProgram (9), 1030);
    const auto changes = parameterChanges();
    const std::vector<std::pair<int, int>> expected { { LiveTable::channelRow (2, 11), 7 }, { LiveTable::channelRow (9, 11), 1030 } };
    EXPECT_EQ (changes, expected);
    EXPECT_TRUE (ports.log->sysEx().empty()) << "nothing is sent back";
}

TEST_F (DispatchFixture, FifoModeKeepsProtocolMessagesFromTheReceiver)
{
    std::vector<Bytes> mailbox;
    controller.transfers().setReceiver ([&] (const Bytes& body) { mailbox.push_back (body); });
    controller.transfers().setFifoMode (true);
    std::array<int, 16> programs {};
    programs.fill (5);
    const auto reply = globalPart3Reply (programs);
    feed (reply);
    EXPECT_EQ (controller.model().master().channelProgram (0), 0) << "the master part was not touched";
    ASSERT_EQ (mailbox.size(), 1u);
    EXPECT_EQ (mailbox[0], Bytes (reply.begin() + 1, reply.end()));

    controller.transfers().setFifoMode (false);
    const Bytes refusal { 0xF0, 0x07, 0x44, 0x03, 0x00, 0x5A, 0x03, 0x03, 0xF7 };
    feed (refusal);
    EXPECT_EQ (mailbox.size(), 2u) << "transfer replies reach the mailbox in every mode";
}

TEST_F (DispatchFixture, ControllersAndProgramChanges)
{
    feed (juce::MidiMessage::controllerEvent (3, 7, 90));
    feed (juce::MidiMessage::controllerEvent (3, 7, 90));
    EXPECT_EQ (controller.getLiveValue (LiveTable::controllerRow (2, 7)), 90);
    auto batch = controller.notifications().take();
    EXPECT_EQ (batch.parameterChanges.size(), 1u) << "a repeated value posts nothing";

    feed (juce::MidiMessage::controllerEvent (1, 1, 64));
    feed (juce::MidiMessage::controllerEvent (1, 1, 64));
    batch = controller.notifications().take();
    EXPECT_EQ (batch.parameterChanges.size(), 1u);
    EXPECT_EQ (std::count (batch.stateCodes.begin(), batch.stateCodes.end(), statecode::make (0xB0, 0, 1, 64)), 2)
        << "the modulation wheel is shown every time";

    feed (juce::MidiMessage::programChange (5, 0));
    EXPECT_EQ (controller.currentProgram (4), 1) << "bank 0, program 0 names no program";
    feed (juce::MidiMessage::controllerEvent (5, 32, 8));
    feed (juce::MidiMessage::programChange (5, 1));
    EXPECT_EQ (controller.currentProgram (4), 8 * 128 + 1);
    EXPECT_EQ (controller.getLiveValue (LiveTable::channelRow (4, 11)), 1025);
    feed (juce::MidiMessage::programChange (6, 3));
    EXPECT_EQ (controller.currentProgram (5), 3) << "each channel keeps its own bank select";
    EXPECT_TRUE (ports.log->sysEx().empty() && ports.log->controllers().empty()) << "nothing is echoed";
}

TEST_F (DispatchFixture, KeysWheelAndPause)
{
    feed (juce::MidiMessage::noteOn (2, 60, (juce::uint8) 100));
    feed (juce::MidiMessage::noteOn (2, 62, (juce::uint8) 90));
    feed (juce::MidiMessage::noteOn (2, 62, (juce::uint8) 0));
    EXPECT_TRUE (controller.keys().isDown (60));
    EXPECT_FALSE (controller.keys().isDown (62));
    feed (juce::MidiMessage::pitchWheel (2, 9000));
    auto codes = controller.notifications().take().stateCodes;
    const std::vector<std::uint32_t> expected { statecode::make (0x90, 1, 60, 100), statecode::make (0x90, 1, 62, 90),
                                                statecode::make (0x80, 1, 62, 0), statecode::makeWheel (1, 9000) };
    EXPECT_EQ (codes, expected);

    feed (juce::MidiMessage::allNotesOff (2));
    EXPECT_FALSE (controller.keys().isDown (60));
    EXPECT_TRUE (controller.notifications().take().stateCodes.empty());

    controller.pauseInput (1000);
    feed (juce::MidiMessage::noteOn (1, 40, (juce::uint8) 100));
    feed (zr9Reply);
    EXPECT_FALSE (controller.keys().isDown (40));
    EXPECT_FALSE (controller.connection().isConnected());
}

TEST_F (DispatchFixture, SetupPartsReachTheMultiOnTheMessageThread)
{
    controller.model().multi().loadFromBank (controller.model().setupBank(), 1);
    const Bytes zone (60, 0x21);
    Bytes m { 0xF0, 0x07, 0x44, 0x03, 0x00, 0x0B, 0, 0, 0, 2, 1, 1 };
    sysex::pack (zone.data(), zone.size(), m);
    feed (m);
    EXPECT_NE (controller.model().multi().zones[1].bytes, zone) << "not touched on the input thread";
    controller.deliverModelChanges();
    EXPECT_EQ (controller.model().multi().zones[1].bytes, zone);

    // The common part names the setup with the 20 bytes between its head and its packed header.
    const Bytes header (45, 0x05);
    Bytes common { 0xF0, 0x07, 0x44, 0x03, 0x00, 0x0B, 0, 0, 0, 0, 0, 1 };
    common.resize (32, 'N');
    sysex::pack (header.data(), header.size(), common);
    ASSERT_EQ (common.size(), 85u);
    feed (common);
    EXPECT_TRUE (runMessageLoopUntil ([&] { return controller.model().multi().record.byte (23) == 0x05; }));
    EXPECT_EQ (controller.model().multi().name(), std::string (20, 'N'));
}

TEST (DispatchDuringALongSend, AnIdentityReplyIsAnsweredWithoutTheInputThreadWaiting)
{
    HeldUpPorts ports;
    TestController test (ports);
    auto& controller = test.controller;
    ASSERT_TRUE (controller.connection().openOutputPort (1));

    // A 2,400-byte part dump is on its way through a device that is slow to take it.
    Bytes dump (2400, 0x21);
    dump.front() = 0xF0;
    dump.back() = 0xF7;
    ports.hold();
    controller.connection().output().sendSysEx (dump.data(), dump.size());
    ASSERT_TRUE (ports.waitForWritesBegun (1)) << "the first piece is being written";

    // The instrument answers an identity request meanwhile, on the MIDI input thread.
    juce::WaitableEvent answered;
    std::thread input ([&] {
        controller.input().handleIncomingMidiMessage (nullptr, juce::MidiMessage (zr9Reply.data(), (int) zr9Reply.size()));
        answered.signal();
    });
    EXPECT_TRUE (answered.wait (5000)) << "the input thread came back while the device was still held up";
    EXPECT_TRUE (controller.connection().isConnected());
    ports.letGo();
    input.join();

    // The dump (ten pieces), then the greeting (row 250 as seven controllers), then the request for global part 3.
    ASSERT_TRUE (ports.waitForWritten (10 + 7 + 1));
    const auto written = ports.written();
    ASSERT_EQ (written.size(), 18u);
    Bytes joined;
    for (size_t i = 0; i < 10; ++i)
        joined.insert (joined.end(), written[i].begin(), written[i].end());
    EXPECT_EQ (joined, dump);
    for (size_t i = 10; i < 17; ++i)
        EXPECT_EQ (written[i][0], 0xBF) << "a controller on channel 16";
    EXPECT_EQ (written[17], globalPart3Request);
}
