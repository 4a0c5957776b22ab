// The emulator's edit buffers: it answers part requests from them, takes
// the editor's dumps into them, and stores what store-with-name and the
// write sequence ask for.

#include "emulator/EditBuffers.h"
#include "emulator/ZR9Emulator.h"
#include "model/FactoryBanks.h"
#include "model/ObjectTypes.h"
#include "model/PartData.h"
#include "model/PartMessages.h"
#include "model/ProgramLayout.h"
#include "model/ProgramParts.h"
#include "model/SetupLayout.h"

#include <gtest/gtest.h>

using namespace zr9;
using namespace zr9::emulator;

namespace
{
struct Instrument : ::testing::Test
{
    VirtualInstrument zr9 { [this] (const sysex::Message& m) { replies.push_back (m); } };
    std::vector<sysex::Message> replies;

    void send (const sysex::Message& m) { zr9.receive (m.data(), m.size()); }
    void sendAll (const std::vector<sysex::Message>& ms) { for (const auto& m : ms) send (m); }
    void sendControllerAddress (int channel, std::array<int, 5> address, int value)
    {
        for (int i = 0; i < 5; ++i)
            send ({ (std::uint8_t) (0xB0 | (channel - 1)), (std::uint8_t) (110 + i), (std::uint8_t) address[(size_t) i] });
        send ({ (std::uint8_t) (0xB0 | (channel - 1)), 118, (std::uint8_t) ((value + 8192) / 128) });
        send ({ (std::uint8_t) (0xB0 | (channel - 1)), 119, (std::uint8_t) ((value + 8192) % 128) });
    }
};
} // namespace

TEST_F (Instrument, AProgramRequestIsAnsweredWithTheSlotsProgramInItsParts)
{
    send (sysex::channelProgram (0, 4, 1025));
    replies.clear();
    send (sysex::shortCommand (0, sysex::commandProgramPart, 0, 4, 0, 0));
    const auto record = zr9.editedProgram (4);
    const int layers = program::layerCount (ByteView (record));
    ASSERT_EQ ((int) replies.size(), 3 + layers) << "common, further bytes, each layer, info";

    std::vector<sysex::PartTarget> targets;
    for (const auto& r : replies)
    {
        const auto part = sysex::readPartData (sysex::Reader (r));
        ASSERT_TRUE (part.has_value());
        EXPECT_EQ (part->slot, 4);
        targets.push_back (part->target);
    }
    EXPECT_EQ (targets.front(), sysex::PartTarget::programCommon);
    EXPECT_EQ (targets.back(), sysex::PartTarget::programPart4) << "the info part ends the program";
    auto expected = Bytes (20, ' ');
    const auto name = zr9.objectName (typeProgram, 1025);
    std::copy (name.begin(), name.end(), expected.begin());
    const auto data = zr9.objectData (typeProgram, 1025);
    expected.insert (expected.end(), data.begin(), data.end());
    EXPECT_EQ (record, expected) << "the buffer holds the channel's program";

    replies.clear();
    send (sysex::shortCommand (0, sysex::commandProgramPart, 0, 4, 6, 0));
    send (sysex::shortCommand (0, sysex::commandProgramPart, 0, 20, 0, 0));
    EXPECT_TRUE (replies.empty()) << "no other program part is answered, no slot beyond 16";
}

TEST_F (Instrument, TheWriteSequenceStoresTheProgramItCarriesAndNothingLess)
{
    send (sysex::channelProgram (0, 2, 1));
    auto record = zr9.editedProgram (2);
    record[63] = 9;                                        // a common value
    record[(size_t) program::layerOffset (0) + 2] = 30;    // a layer's low key
    const ByteView r (record);
    const auto sequence = sysex::programWriteSequence (0, 2, 1040, program::writeInfoPart (r), program::writeBodyPart (r),
                                                       program::writeCommonPart (r, "Edited Grand"));
    ASSERT_FALSE (zr9.holds (typeProgram, 1040));
    send (sequence[0]);
    send (sequence[2]);
    EXPECT_FALSE (zr9.holds (typeProgram, 1040)) << "part 0 without part 5 stores nothing";

    sendAll (sequence);
    ASSERT_TRUE (zr9.holds (typeProgram, 1040));
    EXPECT_EQ (zr9.objectName (typeProgram, 1040), "Edited Grand");
    const auto stored = zr9.objectData (typeProgram, 1040);
    EXPECT_EQ (Bytes (stored.begin(), stored.end()), Bytes (record.begin() + 20, record.end()));
    EXPECT_EQ (zr9.editedProgram (2)[63], 9) << "the edit buffer holds what was written";
}

TEST_F (Instrument, StoreWithNameStoresTheEditBufferWithTheCategoryChosenAtOnce)
{
    send (sysex::channelProgram (0, 0, 5));
    sendControllerAddress (1, { 1, 0, 0, 0, 0 }, 4);
    sendControllerAddress (1, { 1, 0, 0, 0, 1 }, 2);
    send (sysex::storeWithName (0, sysex::commandProgramPart, 1100, 0, "Organ Now"));
    const auto stored = zr9.objectData (typeProgram, 1100);
    ASSERT_GT (stored.size(), 20u);
    EXPECT_EQ (stored[30 - 20], 4);
    EXPECT_EQ (stored[31 - 20], 2);
    EXPECT_EQ (zr9.objectName (typeProgram, 1100), "Organ Now");

    // Choosing another program on the channel drops what was changed in the buffer.
    send (sysex::channelProgram (0, 0, 6));
    send (sysex::channelProgram (0, 0, 5));
    EXPECT_NE (zr9.editedProgram (0)[30], 4);
}

TEST_F (Instrument, SetupPartsAreAnsweredAndTheEditorsSetupDumpsAreStored)
{
    send (sysex::valueMessage (0, 1025));
    const auto setup = zr9.editedSetup();
    const auto table = setup::walkZones (ByteView (setup));
    ASSERT_GT (table.walked, 1);

    replies.clear();
    send (sysex::shortCommand (0, sysex::commandSetupPart, 0, 0, 0, 0));
    send (sysex::shortCommand (0, sysex::commandSetupPart, 0, 0, 1, 0));
    send (sysex::shortCommand (0, sysex::commandSetupPart, 0, 0, 2, 1));
    send (sysex::shortCommand (0, sysex::commandSetupPart, 0, 0, 2, table.walked));
    ASSERT_EQ (replies.size(), 3u) << "header, common, zone 1; no zone beyond the setup's";
    EXPECT_EQ (replies[0].size(), 85u);
    EXPECT_EQ (replies[1].size(), 464u);
    const auto zone1 = sysex::readPartData (sysex::Reader (replies[2]));
    ASSERT_TRUE (zone1.has_value());
    EXPECT_EQ (zone1->data, Bytes (setup.begin() + table.zones[1].start, setup.begin() + table.zones[1].end()));

    // The editor's changed zone 1, header and common block go into the buffer; store-with-name keeps them.
    auto edited = setup;
    edited[(size_t) table.zones[1].start + 13] = 77;
    edited[294] = 0;
    edited[295] = 150;
    send (sysex::setupHeaderPart (0, ByteView (edited)));
    send (sysex::setupCommonPart (0, ByteView (edited)));
    send (sysex::setupZonePart (0, 1, ByteView (edited).slice (table.zones[1].start, table.zones[1].length)));
    EXPECT_EQ (zr9.editedSetup(), edited);
    send (sysex::storeWithName (0, sysex::commandSetupPart, 1030, 0, "Zones Moved"));
    const auto stored = zr9.objectData (typeSetup, 1030);
    EXPECT_EQ (stored, Bytes (edited.begin() + 20, edited.end()));
    EXPECT_EQ (zr9.objectName (typeSetup, 1030), "Zones Moved");
}
