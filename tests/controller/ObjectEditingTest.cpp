// What the editors ask of the instrument, and how the part receiver treats
// the parts that come back: whole parts land in their slot's edit object,
// bad ones nowhere.

#include "controller/MidiCntrState.h"
#include "model/FactoryBanks.h"
#include "model/PartMessages.h"
#include "model/ProgramLayout.h"
#include "model/SevenBitPacking.h"
#include "support/TestController.h"
#include "support/TestHelpers.h"

#include <gtest/gtest.h>

using namespace zr9;
using namespace zr9::test;
using Bytes = std::vector<std::uint8_t>;

namespace
{

struct Editing : ::testing::Test
{
    Editing() : test (ports)
    {
        controller.connection().openOutputPort (1);
        controller.connection().openInputPort (1);
    }

    void feed (const Bytes& bytes) { ports.feed (juce::MidiMessage (bytes.data(), (int) bytes.size())); }
    void goOnLine() { feed (zr9Reply); ports.log->clear(); }
    std::vector<Bytes> sent() const { return ports.log->sysEx(); }
    ObjectEditing& editing() { return controller.objectEditing(); }

    FakeMidiPorts ports { 2, 2 };
    TestController test;
    MidiCntrState& controller = test.controller;
};
} // namespace

TEST_F (Editing, RequestsAndWritesGoOutOnlyToAnInstrumentOnLine)
{
    EXPECT_FALSE (editing().requestProgram (2));
    EXPECT_FALSE (editing().requestSetup());
    EXPECT_FALSE (editing().storeWithName (ObjectEditing::programKind, 1031, 2, "Grand"));
    EXPECT_FALSE (editing().writeProgram (2, 1031, "Grand"));
    EXPECT_FALSE (editing().sendCategory (2, 1));
    EXPECT_TRUE (sent().empty()) << "nothing leaves while off line";
    EXPECT_TRUE (ports.log->controllers().empty());

    goOnLine();
    ASSERT_TRUE (editing().requestProgram (2));
    ASSERT_TRUE (editing().requestSetup());
    ASSERT_TRUE (editing().requestZone (5));
    EXPECT_FALSE (editing().requestProgram (16)) << "there are 16 slots";
    EXPECT_FALSE (editing().requestZone (16));
    const std::vector<Bytes> requests {
        { 0xF0, 0x07, 0x44, 0x03, 0, 0x02, 0, 0, 2, 0, 0, 0, 0xF7 },
        { 0xF0, 0x07, 0x44, 0x03, 0, 0x0B, 0, 0, 0, 0, 0, 0, 0xF7 },
        { 0xF0, 0x07, 0x44, 0x03, 0, 0x0B, 0, 0, 0, 1, 0, 0, 0xF7 },
        { 0xF0, 0x07, 0x44, 0x03, 0, 0x04, 0, 0, 0, 0, 0, 0, 0xF7 },
        { 0xF0, 0x07, 0x44, 0x03, 0, 0x0B, 0, 0, 0, 2, 5, 0, 0xF7 },
    };
    EXPECT_EQ (sent(), requests);

    ports.log->clear();
    ASSERT_TRUE (editing().sendCategory (2, 4));
    ASSERT_TRUE (editing().sendSubType (2, 3));
    const std::vector<std::array<int, 3>> expected { { 3, 110, 1 }, { 3, 111, 0 }, { 3, 112, 0 }, { 3, 113, 0 }, { 3, 114, 0 },
                                                      { 3, 118, 64 }, { 3, 119, 4 }, { 3, 110, 1 }, { 3, 111, 0 }, { 3, 112, 0 },
                                                      { 3, 113, 0 }, { 3, 114, 1 }, { 3, 118, 64 }, { 3, 119, 3 } };
    EXPECT_EQ (ports.log->controllers(), expected) << "on the slot's channel, at once";

    ports.log->clear();
    EXPECT_FALSE (editing().storeWithName (ObjectEditing::programKind, 0, 2, "x")) << "number 0 is never stored";
    EXPECT_FALSE (editing().storeWithName (7, 1031, 2, "x"));
    ASSERT_TRUE (editing().storeWithName (ObjectEditing::setupKind, 1031, 9, "Grand"));
    const auto store = sent().back();
    EXPECT_EQ (store[5], 0x0B);
    EXPECT_EQ (store[8], 0) << "a setup is stored from slot 0";
    EXPECT_EQ (std::string (store.begin() + 12, store.begin() + 28), "Grand           ");
}

TEST_F (Editing, TheWriteSequenceCarriesTheSlotsEditObjectUnderTheNumber)
{
    loadFactoryBanks (controller);
    const auto record = controller.model().programBank().bank().record (7);
    controller.model().programEdit (6).load (ByteView (record));
    goOnLine();
    ASSERT_TRUE (editing().writeProgram (6, 1500, "Seventh"));
    const auto messages = ports.log->wholeSysEx();
    ASSERT_EQ (messages.size(), 3u);
    Bytes carried;
    for (const int i : { 2, 1, 0 })
    {
        EXPECT_EQ (messages[(size_t) i][6] * 128 + messages[(size_t) i][7], 1500);
        EXPECT_EQ (messages[(size_t) i][8], 6);
        const auto data = sysex::unpack (messages[(size_t) i].data() + 12, messages[(size_t) i].size() - 12);
        carried.insert (carried.end(), data.begin(), data.end());
    }
    auto expected = record;
    const std::string name = "Seventh             ";
    std::copy (name.begin(), name.end(), expected.begin());
    ASSERT_EQ (carried.size(), expected.size());
    for (std::size_t i = 0; i < carried.size(); ++i)
        ASSERT_EQ (carried[i], expected[i]) << "byte " << i << " of " << carried.size();
}

TEST_F (Editing, PartsLandInTheirSlotAndBadPartsNowhere)
{
    loadFactoryBanks (controller);
    const auto program = controller.model().programBank().bank().record (9);
    for (int slot = 0; slot < 16; ++slot)
        controller.model().programEdit (slot).load (ByteView (controller.model().programBank().bank().record (1)));
    std::array<Bytes, 16> before;
    for (int slot = 0; slot < 16; ++slot)
        before[(size_t) slot] = controller.model().programEdit (slot).record();
    const ByteView r (program);

    const auto common = sysex::programCommonPart (0, 3, r);
    auto shortCommon = common;
    shortCommon.erase (shortCommon.end() - 2);
    auto longCommon = common;
    longCommon.insert (longCommon.end() - 1, 0x11);
    auto slot20 = common;
    slot20[8] = 20;
    auto numberAddressed = common;
    numberAddressed[8] = 0x20;
    for (const auto& bad : { shortCommon, longCommon, slot20, numberAddressed, Bytes (common.begin(), common.begin() + 13),
                             Bytes { 0xF0, 0x07, 0x44, 0x03, 0x00, 0x02, 0xF7 } })
        feed (bad);
    feed (sysex::programLayerPart (0, 15, 40, r)); // a layer number beyond 32
    auto damagedLayer = sysex::programLayerPart (0, 15, 0, r);
    damagedLayer.pop_back();
    feed (damagedLayer);
    for (int slot = 0; slot < 16; ++slot)
        EXPECT_EQ (controller.model().programEdit (slot).record(), before[(size_t) slot]) << slot;

    // Whole parts for slot 3 change slot 3 alone, whether an editor is open or not.
    feed (common);
    feed (sysex::programFurtherPart (0, 3, r));
    for (int k = 0; k < program::layerCount (r); ++k)
        feed (sysex::programLayerPart (0, 3, k, r));
    feed (sysex::programInfoPart (0, 3, r));
    EXPECT_EQ (controller.model().programEdit (3).record(), program);
    for (int slot = 0; slot < 16; ++slot)
        if (slot != 3)
        {
            EXPECT_EQ (controller.model().programEdit (slot).record(), before[(size_t) slot]) << slot;
        }

    // An info part of any length, even one that claims entries it does not have, only replaces the tail.
    feed (sysex::frame (0, sysex::commandProgramPart, { 0, 0, 3, 4, 0, 1, 0x01, 0x02, 0x00, 0x7F, 0xF7 }));
    const auto tail = controller.model().programEdit (3).record();
    EXPECT_EQ (Bytes (tail.begin(), tail.begin() + (long) program::infoBlockOffset (r)),
               Bytes (program.begin(), program.begin() + (long) program::infoBlockOffset (r)));
    controller.model().programEdit (3).decodeBlocks();
    EXPECT_EQ (controller.model().programEdit (3).infoText (5), "");
}
