// A program cut into the parts that travel between the editor and the
// instrument, and put together again: the instrument's part messages as the
// receiver reads them, and the write sequence's parts.

#include "model/BankIndex.h"
#include "model/FactoryBanks.h"
#include "model/ObjProgramEditClass.h"
#include "model/ObjectTypes.h"
#include "model/PartData.h"
#include "model/PartMessages.h"
#include "model/ProgramLayout.h"
#include "model/ProgramParts.h"
#include "model/SevenBitPacking.h"

#include <gtest/gtest.h>

using namespace zr9;

namespace
{
BankIndex factoryPrograms()
{
    BankIndex bank;
    bank.index (typeProgram, Factory_Banks_ZR9::image (typeProgram), 2048);
    return bank;
}

Bytes slice (const Bytes& b, std::size_t from, std::size_t n)
{
    return Bytes (b.begin() + (long) from, b.begin() + (long) (from + n));
}
} // namespace

TEST (ProgramParts, EveryFactoryProgramTravelsWholeInTheWriteSequenceParts)
{
    const auto bank = factoryPrograms();
    int checked = 0;
    for (int n = 1; n <= 1024; ++n)
    {
        if (! bank.exists (n))
            continue;
        const auto record = bank.record (n);
        const ByteView r (record);
        ASSERT_EQ (program::compose (program::split (r)), record) << n;

        // What a write sequence carries is the record, under the 16-character name the instrument keeps.
        const auto written = program::fromWriteParts (ByteView (program::writeCommonPart (r, "New Name")),
                                                      ByteView (program::writeBodyPart (r)), ByteView (program::writeInfoPart (r)));
        auto expected = record;
        const std::string name = "New Name            ";
        std::copy (name.begin(), name.end(), expected.begin());
        ASSERT_EQ (written, expected) << n;
        ++checked;
    }
    EXPECT_EQ (checked, 260);
}

TEST (ProgramParts, TheWriteSequenceCarriesOnlyCharactersThatSurviveTheCable)
{
    const auto record = factoryPrograms().record (1);
    // "Flügel" as UTF-8 (0xC3 0xBC), a control byte, DEL and a status byte inside the name.
    const std::string name = "Fl\xC3\xBCgel\x01\x7F\x9C Grand and more";
    const auto part0 = program::writeCommonPart (ByteView (record), name);
    EXPECT_EQ (std::string (part0.begin(), part0.begin() + 20), "Fl  gel    Grand    ");

    const auto sequence = sysex::programWriteSequence (0, 3, 1031, program::writeInfoPart (ByteView (record)),
                                                       program::writeBodyPart (ByteView (record)), part0);
    ASSERT_EQ (sequence.size(), 3u);
    for (const auto& m : sequence)
        for (std::size_t i = 1; i + 1 < m.size(); ++i)
            ASSERT_LT (m[i], 0x80) << "byte " << i << " would end the message on the cable";
    EXPECT_EQ (sysex::unpack (sequence[2].data() + 12, sequence[2].size() - 12), part0);
}

TEST (ProgramParts, TheInstrumentsPartMessagesGiveTheReceiverEachPartExactly)
{
    const auto record = factoryPrograms().record (2);
    const ByteView r (record);
    const int layers = program::layerCount (r);
    ASSERT_GT (layers, 1);

    const auto common = sysex::programCommonPart (0, 5, r);
    ASSERT_EQ (common.size(), 185u);
    const auto c = sysex::readPartData (sysex::Reader (common));
    ASSERT_TRUE (c.has_value());
    EXPECT_EQ (c->target, sysex::PartTarget::programCommon);
    EXPECT_EQ (c->slot, 5);
    EXPECT_EQ (c->name, std::string (record.begin(), record.begin() + 20));
    EXPECT_EQ (c->data, slice (record, 25, 133));

    const auto further = sysex::readPartData (sysex::Reader (sysex::programFurtherPart (0, 5, r)));
    ASSERT_TRUE (further.has_value());
    EXPECT_EQ (slice (further->data, 0, 91), slice (record, 158, 91));

    const auto layer = sysex::programLayerPart (0, 5, layers - 1, r);
    ASSERT_EQ (layer.size(), 377u);
    const auto l = sysex::readPartData (sysex::Reader (layer));
    ASSERT_TRUE (l.has_value());
    EXPECT_EQ (l->element, layers - 1);
    EXPECT_EQ (l->data, slice (record, (std::size_t) program::layerOffset (layers - 1), 318));

    const auto info = sysex::readPartData (sysex::Reader (sysex::programInfoPart (0, 5, r)));
    ASSERT_TRUE (info.has_value());
    EXPECT_EQ (info->data, program::writeInfoPart (r));
}

TEST (ProgramParts, PartsArrivingInTheEditObjectMakeTheWholeProgramWhateverItHeldBefore)
{
    const auto bank = factoryPrograms();
    const auto wanted = bank.record (2);
    const ByteView r (wanted);

    // The edit object held a program with fewer layers, or more; then the parts come in the instrument's order.
    int fewer = 0, more = 0;
    for (int n = 1; n <= 256; ++n)
    {
        const int count = program::layerCount (ByteView (bank.record (n)));
        if (count < program::layerCount (r) && fewer == 0)
            fewer = n;
        if (count > program::layerCount (r) && more == 0)
            more = n;
    }
    ASSERT_GT (fewer, 0);
    ASSERT_GT (more, 0);
    for (const int before : { fewer, more })
    {
        SCOPED_TRACE (before);
        ObjProgramEditClass edit;
        const auto old = bank.record (before);
        edit.load (ByteView (old));
        ASSERT_NE (program::layerCount (ByteView (old)), program::layerCount (r));

        const auto common = *sysex::readPartData (sysex::Reader (sysex::programCommonPart (0, 0, r)));
        edit.setCommonPart (common.name, ByteView (common.data));
        EXPECT_EQ (edit.layerCount(), program::layerCount (r));
        EXPECT_EQ (edit.recordSize(), (int) program::compose (program::split (ByteView (edit.record()))).size());
        edit.setFurtherPart (ByteView (sysex::readPartData (sysex::Reader (sysex::programFurtherPart (0, 0, r)))->data));
        for (int k = 0; k < program::layerCount (r); ++k)
            edit.loadLayer (k, ByteView (sysex::readPartData (sysex::Reader (sysex::programLayerPart (0, 0, k, r)))->data));
        edit.setInfoPart (ByteView (sysex::readPartData (sysex::Reader (sysex::programInfoPart (0, 0, r)))->data));
        EXPECT_EQ (edit.record(), wanted);
    }
}

TEST (ProgramParts, EditsOfNameAndLayersLandInTheRecordAndOnlyForLayersTheProgramHas)
{
    const auto record = factoryPrograms().record (3);
    ObjProgramEditClass edit;
    edit.load (ByteView (record));
    const int layers = edit.layerCount();

    edit.setName (std::string ("Br\xC3\xBC" "cke\x05 Piano with a long name"));
    EXPECT_EQ (edit.name(), "Br  cke  Piano with ") << "20 characters, each one the cable carries";

    edit.setLayerField (layers - 1, program::layer::lowKey, 40);
    EXPECT_EQ (edit.layerField (layers - 1, program::layer::lowKey), 40);
    EXPECT_EQ (edit.layerObject (layers - 1).lowKey(), 40) << "the sub-object agrees";
    EXPECT_EQ (edit.record()[(size_t) program::layerOffset (layers - 1) + 2], 40);

    const auto before = edit.record();
    edit.setLayerField (layers, program::layer::lowKey, 41);
    edit.setLayerField (-1, program::layer::lowKey, 41);
    EXPECT_EQ (edit.record(), before) << "no layer beyond the program's";
    EXPECT_EQ (edit.layerField (layers, program::layer::lowKey), 0);

    // A layer the instrument sends for a layer the program does not have waits in its sub-object only.
    edit.loadLayer (layers, ByteView (Bytes (318, 0x11)));
    EXPECT_EQ (edit.record(), before);
    EXPECT_EQ (edit.layer (layers), Bytes (318, 0x11));
}
