#include "emulator/ZR9Emulator.h"
#include "model/SevenBitPacking.h"
#include "model/SysexFormat.h"
#include "model/ObjectTypes.h"
#include "support/ManualClock.h"
#include "support/TestHelpers.h"

#include <gtest/gtest.h>

using namespace zr9;
using namespace zr9::emulator;
using namespace zr9::test;
using Bytes = std::vector<std::uint8_t>;

namespace
{
/** What reaches the editor's side of the emulator's input, piece by piece. */
struct Recorder final : juce::MidiInputCallback
{
    void handleIncomingMidiMessage (juce::MidiInput*, const juce::MidiMessage& m) override
    {
        const juce::ScopedLock sl (lock);
        pieces.emplace_back (m.getRawData(), m.getRawData() + m.getRawDataSize());
    }
    std::vector<Bytes> taken()
    {
        const juce::ScopedLock sl (lock);
        return pieces;
    }
    size_t count()
    {
        const juce::ScopedLock sl (lock);
        return pieces.size();
    }
    juce::CriticalSection lock;
    std::vector<Bytes> pieces;
};

struct EmulatorFixture : ::testing::Test
{
    EmulatorFixture()
    {
        input = ports.openInput (2, recorder);
        output = ports.openOutput (2);
        input->start();
    }

    void send (const Bytes& m) { output->sendNow (juce::MidiMessage (m.data(), (int) m.size())); }

    /** Sends a request and waits for `replies` pieces in all. */
    std::vector<Bytes> ask (const Bytes& request, size_t replies = 1)
    {
        const auto before = recorder.count();
        send (request);
        runMessageLoopUntil ([&] { return recorder.count() >= before + replies; }, 2000);
        auto all = recorder.taken();
        return { all.begin() + (long) before, all.end() };
    }

    EmulatorPortProvider ports { std::make_shared<FakeMidiPorts> (2, 2) };
    Recorder recorder;
    std::unique_ptr<MidiInputPort> input;
    std::unique_ptr<MidiOutputPort> output;
    VirtualInstrument& zr9 = ports.emulator().instrument();
};
} // namespace

TEST (EmulatorPorts, AppendsItsPairAfterTheWrappedPorts)
{
    EmulatorPortProvider ports (std::make_shared<FakeMidiPorts> (2, 3));
    EXPECT_EQ (ports.inputNames(), juce::StringArray ({ "Fake In 1", "Fake In 2", "ZR9 Emulator" }));
    EXPECT_EQ (ports.outputNames(), juce::StringArray ({ "Fake Out 1", "Fake Out 2", "Fake Out 3", "ZR9 Emulator" }));
    Recorder r;
    EXPECT_NE (ports.openInput (1, r), nullptr) << "wrapped ports keep their numbers";
    EXPECT_NE (ports.openOutput (3), nullptr);
    EXPECT_EQ (ports.openOutput (4), nullptr);
    EXPECT_EQ (ports.openInput (-1, r), nullptr);

    EmulatorPortProvider alone (nullptr);
    EXPECT_EQ (alone.inputNames(), juce::StringArray ({ "ZR9 Emulator" }));
}

TEST_F (EmulatorFixture, AnswersTheIdentityRequestAsThisInstrumentOrAsAnother)
{
    const auto reply = ask (sysex::identityRequest());
    ASSERT_EQ (reply.size(), 1u);
    EXPECT_EQ (reply[0], (Bytes { 0xF0, 0x7E, 0x00, 0x06, 0x02, 0x07, 0x44, 0x00, 0x03, 0x00, 0x01, 0x00, 0x00, 0x00, 0xF7 }));
    const auto text = sysex::readIdentityReply (sysex::Reader (reply[0]));
    EXPECT_EQ (text.connectionText, "HALVORN ZR9");

    zr9.setIdentity (0x42, 1);
    const auto other = sysex::readIdentityReply (sysex::Reader (ask (sysex::identityRequest())[0]));
    EXPECT_TRUE (other.unsupported);
    EXPECT_NE (other.connectionText, "HALVORN ZR9");
    EXPECT_EQ (zr9.identityRequests(), 2);
}

TEST_F (EmulatorFixture, GlobalPartThreeCarriesTheChannelProgramsItWasTold)
{
    send (sysex::channelProgram (0, 3, 1030));
    const auto reply = ask (sysex::shortCommand (0, sysex::commandGlobalPart, 0, 0, 3, 0));
    ASSERT_EQ (reply.size(), 1u);
    EXPECT_EQ (Bytes (reply[0].begin(), reply[0].begin() + 12), (Bytes { 0xF0, 0x07, 0x44, 0x03, 0, 0x04, 0, 0, 0, 3, 0, 1 }));
    const auto data = sysex::unpack (reply[0].data() + 12, reply[0].size() - 12);
    ASSERT_EQ (data.size(), 200u);
    EXPECT_EQ (data[8 * 3 + 2] * 256 + data[8 * 3 + 3], 1030);
    EXPECT_EQ (data[8 * 0 + 2] * 256 + data[8 * 0 + 3], 1);
    EXPECT_EQ (data[8 * 15 + 2] * 256 + data[8 * 15 + 3], 16);
}

TEST_F (EmulatorFixture, ObjectTransfersComeInTheChunksAskedForAndUnknownNumbersAreRefused)
{
    ASSERT_TRUE (zr9.holds (typeProgram, 1025));
    EXPECT_EQ (zr9.objectName (typeProgram, 1025), "Stage Grand Bright");
    const auto object = zr9.objectData (typeProgram, 1025);
    ASSERT_GT (object.size(), 2048u) << "a program needs more than one chunk";

    const auto info = sysex::readTransferReply (sysex::Reader (ask (sysex::objectInfoRequest (0, typeProgram, 1025))[0]));
    EXPECT_EQ (info.kind, sysex::TransferReply::Kind::information);
    EXPECT_EQ (info.size, (int) object.size());
    EXPECT_EQ (info.name, "Stage Grand Bright  ");

    Bytes fetched;
    while (fetched.size() < object.size())
    {
        const auto r = sysex::readTransferReply (sysex::Reader (
            ask (sysex::objectDataRequest (0, typeProgram, 1025, (int) fetched.size(), 2048))[0]));
        ASSERT_EQ (r.kind, sysex::TransferReply::Kind::data);
        ASSERT_EQ (r.offset, (int) fetched.size());
        ASSERT_LE (r.size, 2048);
        ASSERT_EQ ((int) r.data.size(), r.size);
        fetched.insert (fetched.end(), r.data.begin(), r.data.end());
    }
    EXPECT_EQ (fetched, object);

    const auto small = sysex::readTransferReply (sysex::Reader (ask (sysex::objectDataRequest (0, typeProgram, 1025, 100, 10))[0]));
    EXPECT_EQ (small.data, Bytes (object.begin() + 100, object.begin() + 110)) << "never more than asked";

    const auto refused = sysex::readTransferReply (sysex::Reader (ask (sysex::objectInfoRequest (0, typeProgram, 2000))[0]));
    EXPECT_EQ (refused.kind, sysex::TransferReply::Kind::refusal);
    EXPECT_EQ (refused.reason, 3);
}

TEST_F (EmulatorFixture, StoreWithNameKeepsTheEditBufferForTheNextFetch)
{
    send (sysex::channelProgram (0, 2, 3));
    send (sysex::storeWithName (0, sysex::commandProgramPart, 1100, 2, "My Piano"));
    EXPECT_TRUE (zr9.holds (typeProgram, 1100));
    EXPECT_EQ (zr9.objectName (typeProgram, 1100), "My Piano");
    EXPECT_EQ (zr9.objectData (typeProgram, 1100), zr9.objectData (typeProgram, 3));
    const auto info = sysex::readTransferReply (sysex::Reader (ask (sysex::objectInfoRequest (0, typeProgram, 1100))[0]));
    EXPECT_EQ (info.name, "My Piano            ");
}

TEST_F (EmulatorFixture, KeepsWhatItWasTold)
{
    juce::MidiBuffer run;
    const int address[] = { 1, 0, 1, 0, 22 };
    for (int i = 0; i < 5; ++i)
        run.addEvent (juce::MidiMessage::controllerEvent (5, 110 + i, address[i]), 0);
    run.addEvent (juce::MidiMessage::controllerEvent (5, 118, (8192 + 40) / 128), 0);
    run.addEvent (juce::MidiMessage::controllerEvent (5, 119, (8192 + 40) % 128), 0);
    for (const auto meta : run)
        output->sendNow (meta.getMessage());
    EXPECT_EQ (zr9.parameter ({ 1, 0, 1, 0, 22 }, 5), 40);
    EXPECT_EQ (zr9.parameter ({ 1, 0, 1, 0, 22 }, 4, -99), -99);

    send (sysex::valueMessage (0, 2));
    send (sysex::channelSelect (0, 9));
    output->sendNow (juce::MidiMessage::noteOn (2, 60, (juce::uint8) 90));
    output->sendNow (juce::MidiMessage::controllerEvent (2, 64, 127));
    EXPECT_EQ (zr9.lastValueMessage(), 2);
    EXPECT_EQ (zr9.selectedChannel(), 9);
    EXPECT_TRUE (zr9.isNoteHeld (2, 60));
    EXPECT_EQ (zr9.controllerValue (2, 64), 127);
    output->sendNow (juce::MidiMessage::noteOff (2, 60));
    EXPECT_FALSE (zr9.isNoteHeld (2, 60));

    // A part dump sent in 256-byte pieces, as the output control sends long messages.
    const Bytes layer (300, 0x42);
    const auto dump = sysex::partDump (0, sysex::commandProgramPart, 1, 1, 4, 1, layer.data(), layer.size());
    for (size_t at = 0; at < dump.size(); at += 256)
        send (Bytes (dump.begin() + (long) at, dump.begin() + (long) std::min (dump.size(), at + 256)));
    EXPECT_EQ (zr9.lastPartDump (sysex::commandProgramPart, 1, 1), layer);
}

TEST_F (EmulatorFixture, FaultsDropDuplicateCorruptSplitAndDelayReplies)
{
    auto& line = ports.emulator().line();
    Faults f;
    f.dropNext = 2;
    line.setFaults (f);
    send (sysex::identityRequest());
    send (sysex::identityRequest());
    runMessageLoopFor (100);
    EXPECT_EQ (recorder.count(), 0u);
    EXPECT_EQ (ask (sysex::identityRequest()).size(), 1u) << "the third reply gets through";

    f = {};
    f.duplicate = true;
    line.setFaults (f);
    const auto twice = ask (sysex::identityRequest(), 2);
    ASSERT_EQ (twice.size(), 2u);
    EXPECT_EQ (twice[0], twice[1]);

    f = {};
    f.corruptByte = 8;
    line.setFaults (f);
    EXPECT_EQ (ask (sysex::identityRequest())[0][8], 0x03 ^ 0x7F);

    f = {};
    f.splitInto = 3;
    line.setFaults (f);
    const auto pieces = ask (sysex::identityRequest(), 3);
    ASSERT_EQ (pieces.size(), 3u);
    Bytes joined;
    for (const auto& p : pieces)
        joined.insert (joined.end(), p.begin(), p.end());
    EXPECT_EQ (joined.front(), 0xF0);
    EXPECT_EQ (joined.back(), 0xF7);
    EXPECT_EQ (joined.size(), 15u);

    line.setFaults ({});
    line.setLatencyMs (150);
    const auto start = juce::Time::getMillisecondCounter();
    ASSERT_EQ (ask (sysex::identityRequest()).size(), 1u);
    EXPECT_GE (juce::Time::getMillisecondCounter() - start, 140u);
}

TEST_F (EmulatorFixture, AClosedInputHearsNothing)
{
    input->stop();
    send (sysex::identityRequest());
    runMessageLoopFor (100);
    EXPECT_EQ (recorder.count(), 0u);
    EXPECT_EQ (zr9.identityRequests(), 1) << "the instrument still heard the request";
}

TEST (EmulatorCable, RepliesTakeTheirBytesTimeAfterTheRequestsAndOneAfterAnother)
{
    auto clock = std::make_shared<ManualClock>();
    EmulatorPortProvider ports (std::make_shared<FakeMidiPorts> (0, 0), std::make_shared<ZR9Emulator> (clock));
    ports.emulator().line().setCablePacingUs (ReplyLine::midiCableUsPerByte);
    Recorder recorder;
    auto input = ports.openInput (0, recorder);
    auto output = ports.openOutput (0);
    input->start();

    // Two identity requests of 6 bytes, answered with 15 bytes each: the first
    // reply is in after 21 bytes (6.72 ms), the second after 36 (11.52 ms).
    const auto request = sysex::identityRequest();
    output->sendNow (juce::MidiMessage (request.data(), (int) request.size()));
    output->sendNow (juce::MidiMessage (request.data(), (int) request.size()));
    clock->step (6);
    runMessageLoopFor (30);
    EXPECT_EQ (recorder.count(), 0u);
    clock->step (1);
    EXPECT_TRUE (runMessageLoopUntil ([&] { return recorder.count() == 1; }));
    clock->step (4);
    runMessageLoopFor (30);
    EXPECT_EQ (recorder.count(), 1u);
    clock->step (1);
    EXPECT_TRUE (runMessageLoopUntil ([&] { return recorder.count() == 2; }));
}
