#include "model/RK2Class.h"
#include "support/TestHelpers.h"

#include <gtest/gtest.h>

using namespace zr9;
using namespace zr9::test;

namespace
{
struct CodeRecorder final : ObjectChangeListener
{
    void objectChanged (ObjectChangeNotifier&, int code) override { codes.push_back (code); }
    std::vector<int> codes;
};
} // namespace

TEST (Holders, EveryBankTypeHasItsHolderAndOthersHaveNone)
{
    RK2Class model;
    for (const int type : { 103, 112, 133, 138, 149, 155, 156, 158, 163, 164, 168 })
    {
        auto* holder = model.holderFor (type);
        ASSERT_NE (holder, nullptr) << type;
        EXPECT_EQ (holder->typeId(), type);
    }
    EXPECT_EQ (model.holderFor (151), nullptr);
    EXPECT_EQ (model.holderFor (0), nullptr);
}

TEST (Holders, ChangeCodesReachListenersAfterTheUpdateOneByOne)
{
    RK2Class model;
    auto& edit = model.programEdit (0);
    CodeRecorder recorder;
    edit.addChangeListener (&recorder);

    const Bytes layer (318, 0x09);
    edit.loadLayer (3, ByteView (layer));
    edit.loadLayer (4, ByteView (layer));
    edit.loadLayer (32, ByteView (layer)); // beyond the 32 layers: ignored
    EXPECT_TRUE (recorder.codes.empty()) << "listeners hear of changes when they are delivered, on the message thread";
    EXPECT_EQ (edit.layer (3), layer) << "the object is updated before anyone is told";

    edit.deliverPendingChanges();
    EXPECT_EQ (recorder.codes, (std::vector<int> { 3, 4 })) << "two quick changes are not folded into one";
    edit.removeChangeListener (&recorder);
}

TEST (Holders, MasterPartsAreReplacedWholeAndCarryTheChannelPrograms)
{
    RK2Class model;
    auto& master = model.master();
    CodeRecorder recorder;
    master.addChangeListener (&recorder);

    Bytes part4 (200, 0);
    part4[8 * 5 + 2] = 0x01;
    part4[8 * 5 + 3] = 0x05;
    master.loadPart (4, ByteView (part4));
    master.loadPart (0, ByteView (part4));
    master.loadPart (5, ByteView (part4));
    EXPECT_EQ (master.channelProgram (5), 261);
    EXPECT_EQ (master.channelProgram (16), 0);

    Bytes part3 (30, 0);
    EXPECT_EQ (master.tempo(), 120) << "a tempo word of 0 reads as 120";
    part3[23] = (120 * 100 + 50) >> 8;
    part3[24] = (120 * 100 + 50) & 0xFF;
    master.loadPart (3, ByteView (part3));
    EXPECT_EQ (master.tempo(), 120);
    EXPECT_EQ (master.part (3).size(), 30u);

    master.deliverPendingChanges();
    EXPECT_EQ (recorder.codes, (std::vector<int> { 4, 3 }));
    master.removeChangeListener (&recorder);
}

TEST (Holders, ProgramEditLoadsItsLayersFromTheRecord)
{
    RK2Class model;
    auto& edit = model.programEdit (2);
    Bytes record (250 + 318 * 2 + 10, 0);
    record[60] = 2;
    record[249] = 0x09;
    record[249 + 318] = 0x0A;
    edit.load (ByteView (record));
    EXPECT_EQ (edit.record(), record);
    EXPECT_EQ (edit.layer (0)[0], 0x09);
    EXPECT_EQ (edit.layer (1)[0], 0x0A);

    Bytes cut (300, 0);
    cut[60] = 40; // more layers than the object holds, and beyond the record
    edit.load (ByteView (cut));
    EXPECT_EQ (edit.layer (31).size(), 318u);
    EXPECT_EQ (edit.layer (31)[0], 0) << "layer bytes beyond the record read 0";
}
