// The bank files written back: at shutdown the banks this instance changed,
// and as soon as a fetch from the instrument has changed a bank.

#include "library/BankFiles.h"
#include "library/RevuDIAudioProcessor.h"
#include "support/BankBuilder.h"
#include "support/ManualClock.h"
#include "support/ProcessorFixture.h"
#include "support/TestHelpers.h"
#include "support/TransferReplies.h"

#include <gtest/gtest.h>

using namespace zr9;
using namespace zr9::test;

namespace
{
struct LibrarySaving : ::testing::Test
{
    std::unique_ptr<RevuDIAudioProcessor> makeProcessor (bool persistent = true)
    {
        auto options = processorOptions (folder, ports, clock, persistent ? Files::kept : Files::notWritten);
        options.useDevices = false;
        return std::make_unique<RevuDIAudioProcessor> (options);
    }

    juce::File bankFile (int type) const { return folder.libraryFile (bankFileName (type)); }

    BankIndex readBank (int type) const
    {
        const auto block = readDataFile (bankFile (type));
        BankIndex bank;
        bank.index (type, ByteView (static_cast<const std::uint8_t*> (block.getData()), block.getSize()),
                    findBankType (type)->cap);
        return bank;
    }

    void answer (RevuDIAudioProcessor& p, const Bytes& reply)
    {
        ports->feed (juce::MidiMessage (reply.data(), (int) reply.size()));
        p.controller().bulkReceive().deliverNow();
    }

    TempFolder folder;
    std::shared_ptr<FakeMidiPorts> ports = std::make_shared<FakeMidiPorts>();
    std::shared_ptr<ManualClock> clock = std::make_shared<ManualClock>();
};
} // namespace

TEST_F (LibrarySaving, FetchedSongsAreReadAtStartUpSoTheNextShutdownKeepsThem)
{
    const auto songs = makeFullBank (typeSong, 2561, { { 1025, makeRecord ("Evening Set", 300) } });
    ASSERT_TRUE (writeDataFile (bankFile (typeSong), songs.data(), songs.size()));

    auto processor = makeProcessor();
    EXPECT_EQ (processor->controller().model().song.bank().name (1025), "Evening Set         ");
    EXPECT_FALSE (processor->controller().model().algorithm.bank().exists (1)) << "no file: an empty bank";
    processor.reset();

    EXPECT_EQ (readDataFile (bankFile (typeSong)), juce::MemoryBlock (songs.data(), songs.size()))
        << "the fetched songs stay as they were read";
    EXPECT_FALSE (bankFile (typeAlgorithm).exists()) << "an empty bank leaves no file";
    EXPECT_FALSE (bankFile (typeSample).exists());

    auto again = makeProcessor();
    EXPECT_EQ (again->controller().model().song.bank().name (1025), "Evening Set         ");
}

TEST_F (LibrarySaving, ShutdownWritesTheSettingsAndOnlyTheBanksThisInstanceChangedOnlyWhenPersistent)
{
    auto scratch = makeProcessor (false);
    scratch->controller().model().programBank().storeRecord (2000, ByteView (makeRecord ("Lost", 40)));
    scratch.reset();
    EXPECT_FALSE (folder.path().getChildFile ("Library").exists()) << "a library that is not kept is never written";

    auto processor = makeProcessor();
    auto& programs = processor->controller().model().programBank();
    ASSERT_TRUE (programs.storeRecord (2000, ByteView (makeRecord ("Kept", 40))));
    const auto expected = programs.bank().bytes();
    processor.reset();

    EXPECT_TRUE (folder.libraryFile ("halvipZR9.dat").existsAsFile());
    for (const auto type : savedBankTypes)
        EXPECT_EQ (bankFile (type).existsAsFile(), type == typeProgram) << type;
    EXPECT_FALSE (bankFile (typeArpeggiator).exists());
    const auto written = readDataFile (bankFile (typeProgram));
    EXPECT_EQ (written, juce::MemoryBlock (expected.data(), expected.size()));
}

TEST_F (LibrarySaving, ABankAFetchChangedIsOnDiskAsSoonAsTheFetchEnds)
{
    auto processor = makeProcessor();
    auto& controller = processor->controller();
    controller.connection().openOutputPort (1);
    controller.connection().openInputPort (1);

    ASSERT_TRUE (controller.bulkReceive().startRange (typeProgram, false, 1025, 1026));
    const auto object = objectBytes (80, 4);
    answer (*processor, informationReply (typeProgram, 1025, 80, "Night Rhodes"));
    answer (*processor, dataReply (typeProgram, 1025, 0, object));
    EXPECT_FALSE (bankFile (typeProgram).exists()) << "written when the fetch ends, not for every object";
    answer (*processor, refusalReply());

    ASSERT_FALSE (controller.bulkReceive().isActive());
    ASSERT_TRUE (bankFile (typeProgram).existsAsFile());
    const auto bank = readBank (typeProgram);
    EXPECT_EQ (bank.name (1025), "Night Rhodes        ");
    EXPECT_EQ (bank.size (1025), 100);
    EXPECT_FALSE (bankFile (typeSetup).exists()) << "banks the fetch left alone are not written";

    // A cancelled fetch keeps what it stored too.
    ASSERT_TRUE (controller.bulkReceive().startRange (typeSetup, false, 1, 5));
    answer (*processor, refusalReply()); // setup 1 is a factory setup: the library's copy goes
    controller.bulkReceive().cancel();
    EXPECT_FALSE (readBank (typeSetup).exists (1));
}
