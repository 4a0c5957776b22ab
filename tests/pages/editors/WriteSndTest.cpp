// The write dialog against a controller on fake ports: where it proposes to
// write, the name rule and its key pad, the category messages, both write
// modes with the read-back, CANCEL, and keeping an object off line.

#include "pages/editors/ProgramEditSession.h"
#include "pages/editors/WriteSnd.h"
#include "model/SevenBitPacking.h"
#include "support/TestController.h"
#include "support/TestHelpers.h"
#include "support/TransferReplies.h"

#include <gtest/gtest.h>

using namespace zr9;
using namespace zr9::test;

namespace
{

struct WriteDialog : ::testing::Test
{
    WriteDialog() : test (ports)
    {
        controller.connection().openOutputPort (1);
        controller.connection().openInputPort (1);
        session.setSlot (2);
        session.object().load (ByteView (controller.model().programBank().bank().record (1)));
        session.takeAsSent();
    }

    void goOnLine()
    {
        feed (zr9Reply);
        ports.log->clear();
    }
    void feed (const Bytes& m)
    {
        ports.feed (juce::MidiMessage (m.data(), (int) m.size()));
        controller.bulkReceive().deliverNow();
    }

    WriteTarget programTarget (const juce::String& name = "Dyn 9ft Grand")
    {
        WriteTarget t;
        t.kind = ObjectEditing::programKind;
        t.slot = 2;
        t.name = name;
        t.category = [this] { return session.category(); };
        t.subType = [this] { return session.subType(); };
        t.chooseCategory = [this] (int v) { session.setCategory (v); };
        t.chooseSubType = [this] (int v) { session.setSubType (v); };
        t.recordFor = [this] (const std::string& n) { return sysex::withStoredName (session.object().record(), n); };
        t.written = [this] (int number, const juce::String& n) { writtenAs = { number, n }; };
        return t;
    }

    std::unique_ptr<WriteSnd> dialog (WriteTarget target, int mode = WriteSnd::modeStore)
    {
        auto d = std::make_unique<WriteSnd> (controller, std::move (target), [this] (int type) { savedBanks.push_back (type); });
        d->onFinished = [this] (int code) { codes.push_back (code); };
        d->show (0, 1024, mode);
        return d;
    }

    void fillPrograms (int first, int last)
    {
        for (int n = first; n <= last; ++n)
            controller.model().programBank().storeRecord (n, ByteView (Bytes (60, 'p')));
    }

    std::vector<Bytes> sent() const { return ports.log->sysEx(); }

    FakeMidiPorts ports { 2, 2 };
    TestController test;
    MidiCntrState& controller = test.controller;
    ProgramEditSession session { controller };
    std::vector<int> codes;
    std::vector<int> savedBanks;
    std::pair<int, juce::String> writtenAs;
};
} // namespace

TEST_F (WriteDialog, ProposesTheFirstFreeUserNumberAndShowsItOnTheLcdAndInTheList)
{
    fillPrograms (1025, 1030);
    auto d = dialog (programTarget());
    EXPECT_EQ (d->destination(), 1031);
    EXPECT_EQ (d->lcd().destination(), 1031);
    EXPECT_EQ (d->destinationList().getSelectedRow(), 1031 - 1025);
    EXPECT_EQ (d->getBounds(), juce::Rectangle<int> (0, 0, 1024, 768));

    fillPrograms (1031, 2048);
    auto full = dialog (programTarget());
    EXPECT_EQ (full->destination(), 1025) << "every user number held: the first";

    full->destinationList().selectRow (1500 - 1025);
    EXPECT_EQ (full->destination(), 1500);
    EXPECT_EQ (full->lcd().destination(), 1500);
}

TEST_F (WriteDialog, NamesAreSixteenCharactersAndTheKeyPadKeepsThemSo)
{
    auto d = dialog (programTarget ("A Twenty Char Name 1"));
    EXPECT_EQ (d->name(), "A Twenty Char Na");
    EXPECT_EQ (d->lcd().nameText(), "A Twenty Char Na");

    d->rename();
    auto* pad = d->keyPad();
    ASSERT_NE (pad, nullptr);
    EXPECT_EQ (pad->text(), "A Twenty Char Na");
    pad->press ("X");
    EXPECT_EQ (pad->text(), "A Twenty Char Na") << "typing is refused at 16 characters";
    pad->textBox().insertTextAtCaret ("Y");
    EXPECT_EQ (pad->text(), "A Twenty Char Na") << "from the computer keyboard as well";
    pad->press ("Back");
    pad->press ("Shift");
    pad->press ("m");
    pad->press ("Space");
    EXPECT_EQ (pad->text(), "A Twenty Char Nm") << "the sixteenth character, then no more";
    pad->press ("Cancel");
    EXPECT_EQ (pad->text(), "A Twenty Char Na") << "Cancel puts the old text back";
    EXPECT_EQ (d->name(), "A Twenty Char Na");

    d->rename();
    pad = d->keyPad();
    for (int i = 0; i < 16; ++i)
        pad->press ("Back");
    pad->textBox().insertTextAtCaret (juce::CharPointer_UTF8 ("Gr\xc3\x9c" "and\t"));
    EXPECT_EQ (pad->text(), "Grand") << "only characters the instrument keeps";
    for (const auto* label : { "1", "Q", "A", "Z", "?", "&" })
        EXPECT_NE (pad->key (label), nullptr) << label;
    pad->press ("Enter");
    EXPECT_EQ (d->name(), "Grand           ");

    goOnLine();
    d->writePressed();
    const auto store = sent().front();
    EXPECT_EQ (std::string (store.begin() + 12, store.begin() + 28), "Grand           ") << "Grand and eleven blanks";
}

TEST_F (WriteDialog, CategoryAndSubTypeGoToTheInstrumentAtOnce)
{
    goOnLine();
    auto d = dialog (programTarget());
    EXPECT_TRUE (d->button (WriteSnd::mainCategoryId)->isVisible());
    EXPECT_EQ (d->button (WriteSnd::mainCategoryId)->getButtonText(), "Main  Category");
    EXPECT_EQ (d->button (WriteSnd::subCategoryId)->getButtonText(), "Sub  Category");
    d->chooseCategory (4);
    d->chooseSubType (2);
    const std::vector<std::array<int, 3>> expected { { 3, 110, 1 }, { 3, 111, 0 }, { 3, 112, 0 }, { 3, 113, 0 }, { 3, 114, 0 },
                                                      { 3, 118, 64 }, { 3, 119, 4 }, { 3, 110, 1 }, { 3, 111, 0 }, { 3, 112, 0 },
                                                      { 3, 113, 0 }, { 3, 114, 1 }, { 3, 118, 64 }, { 3, 119, 2 } };
    EXPECT_EQ (ports.log->controllers(), expected);
    EXPECT_EQ (d->lcd().categoryText(), "ORGAN / Farsifa");
    EXPECT_EQ (session.category(), 4) << "the program being edited takes it too";
}

TEST_F (WriteDialog, StoreWithNameThenTheReadBackAfter200MsFillsTheBank)
{
    goOnLine();
    auto d = dialog (programTarget());
    const int number = d->destination();
    d->writePressed();
    ASSERT_EQ (sent().size(), 1u);
    EXPECT_EQ (sent()[0], sysex::storeWithName (0, sysex::commandProgramPart, number, 2, "Dyn 9ft Grand"));

    test.clock->step (WriteSnd::readBackDelayMs - 1);
    EXPECT_EQ (sent().size(), 1u) << "the instrument has 200 ms to store";
    test.clock->step (1);
    ASSERT_EQ (sent().size(), 2u);
    EXPECT_EQ (sent()[1], sysex::objectInfoRequest (0, typeProgram, number));
    ASSERT_TRUE (d->isReadingBack());
    ASSERT_NE (d->progressPanel(), nullptr);
    EXPECT_EQ (d->progressPanel()->getWidth(), ProgBar::reducedWidth);

    const auto data = objectBytes (300, 3);
    feed (informationReply (typeProgram, number, 300, "Dyn 9ft Grand"));
    feed (dataReply (typeProgram, number, 0, data));
    EXPECT_EQ (controller.model().programBank().bank().name (number), "Dyn 9ft Grand       ");
    EXPECT_EQ (codes, std::vector<int> { WriteSnd::writtenCode });
    EXPECT_EQ (writtenAs.first, number);
}

TEST_F (WriteDialog, TheWriteSequenceCarriesTheEditsAndAnEmptyReadBackChangesNothing)
{
    goOnLine();
    session.set (program::common::byte63, 5, "Out Gain");
    ASSERT_TRUE (session.isEdited());
    auto d = dialog (programTarget(), WriteSnd::modeSequence);
    EXPECT_EQ (d->mode(), WriteSnd::modeSequence);
    d->writePressed();
    const auto messages = ports.log->wholeSysEx();
    ASSERT_EQ (messages.size(), 3u);
    EXPECT_EQ (messages[0][9], 4);
    EXPECT_EQ (messages[1][9], 5);
    EXPECT_EQ (messages[2][9], 0);
    const auto part0 = sysex::unpack (messages[2].data() + 12, messages[2].size() - 12);
    EXPECT_EQ (part0[63], 5) << "the edit travels";

    test.clock->step (WriteSnd::readBackDelayMs);
    const auto before = controller.model().programBank().bank().record (d->destination());
    feed (refusalReply());
    EXPECT_FALSE (d->isReadingBack());
    EXPECT_EQ (controller.model().programBank().bank().record (d->destination()), before);
    EXPECT_TRUE (codes.empty()) << "the dialog stays and says why";
    EXPECT_TRUE (d->statusText().contains ("nothing back"));
    EXPECT_TRUE (d->button (WriteSnd::writeId)->isEnabled()) << "and may write again";
}

TEST_F (WriteDialog, CancelReportsThirteenAndSetupsHaveNoCategories)
{
    WriteTarget setup;
    setup.kind = ObjectEditing::setupKind;
    setup.name = "Stage Multi";
    int edits = 0;
    setup.sendEdits = [&edits] { ++edits; };
    auto d = dialog (setup, WriteSnd::modeSequence);
    EXPECT_EQ (d->mode(), WriteSnd::modeStore) << "setups are written with store-with-name";
    EXPECT_FALSE (d->button (WriteSnd::mainCategoryId)->isVisible());
    EXPECT_FALSE (d->button (WriteSnd::subCategoryId)->isVisible());

    goOnLine();
    d->writePressed();
    EXPECT_EQ (edits, 1) << "the setup's edits go first";
    ASSERT_EQ (sent().size(), 1u);
    EXPECT_EQ (sent()[0][5], sysex::commandSetupPart);
    test.clock->step (WriteSnd::readBackDelayMs);
    EXPECT_EQ (sent().back(), sysex::objectInfoRequest (0, typeSetup, d->destination()));

    d->gskButtonPressed (WriteSnd::cancelId);
    EXPECT_EQ (codes, std::vector<int> { WriteSnd::cancelCode });
    EXPECT_EQ (d->lastCode(), 13);
}

TEST_F (WriteDialog, OffLineTheObjectIsKeptInTheLibraryAndItsFileWritten)
{
    session.set (program::common::byte63, 6, "Out Gain");
    auto d = dialog (programTarget ("Library Grand"));
    const int number = d->destination();
    d->writePressed();
    EXPECT_TRUE (sent().empty()) << "nothing goes to an instrument that is not there";
    const auto stored = controller.model().programBank().bank().record (number);
    ASSERT_GT (stored.size(), 64u);
    EXPECT_EQ (std::string (stored.begin(), stored.begin() + 20), "Library Grand       ");
    EXPECT_EQ (stored[63], 6);
    EXPECT_EQ (savedBanks, std::vector<int> { typeProgram });
    EXPECT_EQ (codes, std::vector<int> { WriteSnd::writtenCode });
}
