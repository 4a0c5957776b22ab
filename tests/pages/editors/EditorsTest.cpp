// The program and setup editors against a controller on fake ports: off
// line from the library, on line from the parts the instrument sends, the
// edits with undo and redo, and what is sent at once.

#include "pages/editors/ProgramEditor.h"
#include "pages/editors/SetupEditor.h"
#include "model/PartMessages.h"
#include "model/ProgramLayout.h"
#include "model/SetupLayout.h"
#include "support/TestController.h"
#include "support/TestHelpers.h"

#include <gtest/gtest.h>

using namespace zr9;
using namespace zr9::test;

namespace
{

struct Editors : ::testing::Test
{
    Editors() : test (ports)
    {
        controller.connection().openOutputPort (1);
        controller.connection().openInputPort (1);
    }

    void goOnLine()
    {
        feed (zr9Reply);
        ports.log->clear();
    }
    void feed (const Bytes& m) { ports.feed (juce::MidiMessage (m.data(), (int) m.size())); }
    /** What the instrument sends for a program request of the slot: the program in its parts. */
    void answerProgram (int slot, const Bytes& record)
    {
        const ByteView r (record);
        feed (sysex::programCommonPart (0, slot, r));
        feed (sysex::programFurtherPart (0, slot, r));
        for (int k = 0; k < program::layerCount (r); ++k)
            feed (sysex::programLayerPart (0, slot, k, r));
        feed (sysex::programInfoPart (0, slot, r));
        controller.deliverModelChanges();
    }
    Bytes libraryProgram (int n) { return controller.model().programBank().bank().record (n); }
    std::vector<Bytes> sent() const { return ports.log->sysEx(); }

    FakeMidiPorts ports { 2, 2 };
    TestController test;
    MidiCntrState& controller = test.controller;
};
} // namespace

TEST_F (Editors, OffLineTheProgramComesFromTheLibraryAndEditsCanBeUndoneAndRedone)
{
    controller.setLiveValue (5, LiveTable::channelRow (2, LiveTable::slotProgram), false);
    ProgramEditor editor (controller);
    editor.setSize (996, 700);
    editor.open (2);
    EXPECT_TRUE (sent().empty());
    EXPECT_TRUE (editor.statusText().startsWith ("OFF-LINE"));
    EXPECT_EQ (editor.programNumber(), 5);
    EXPECT_EQ (controller.model().programEdit (2).record(), libraryProgram (5));
    EXPECT_FALSE (editor.isEdited());
    EXPECT_EQ (editor.writeMode(), ProgramEditor::writeModeStore);

    auto* gain = editor.commonPage().control ("Out Gain");
    ASSERT_NE (gain, nullptr);
    EXPECT_EQ (gain->text(), juce::String (libraryProgram (5)[63]) + " dB");
    const int before = gain->value();
    ASSERT_TRUE (gain->enterText ("12 dB"));
    EXPECT_EQ (controller.model().programEdit (2).get (program::common::byte63), 12);
    EXPECT_TRUE (editor.isEdited());
    EXPECT_EQ (editor.writeMode(), ProgramEditor::writeModeSequence) << "only the write sequence carries the edit";

    // The steps of one drag are one undo step.
    editor.editSession().beginGesture();
    for (int v : { 13, 14, 15 })
        editor.editSession().set (program::common::byte63, v, "Out Gain");
    editor.undoButton().triggerClick();
    runMessageLoopUntil ([&] { return gain->value() == 12; });
    EXPECT_EQ (gain->value(), 12);
    editor.undoButton().triggerClick();
    runMessageLoopUntil ([&] { return gain->value() == before; });
    EXPECT_EQ (gain->value(), before);
    EXPECT_FALSE (editor.isEdited());
    EXPECT_FALSE (editor.undoButton().isEnabled());
    editor.redoButton().triggerClick();
    runMessageLoopUntil ([&] { return gain->value() == 12; });
    EXPECT_TRUE (editor.isEdited());

    // The name box takes what the instrument keeps: printable characters, 16 of them.
    editor.nameField().showEditor();
    auto* box = editor.nameField().getCurrentTextEditor();
    ASSERT_NE (box, nullptr);
    box->setText ({}, false);
    box->insertTextAtCaret (juce::CharPointer_UTF8 ("Concert \xc3\x9c Grand Piano XL"));
    EXPECT_EQ (box->getText(), "Concert  Grand P");
    editor.nameField().hideEditor (false);
    EXPECT_EQ (controller.model().programEdit (2).name(), "Concert  Grand P    ");
    EXPECT_TRUE (editor.editSession().history().undoDescription() == "Name");
    editor.editSession().undo();
    const auto library = libraryProgram (5);
    EXPECT_EQ (controller.model().programEdit (2).name(), std::string (library.begin(), library.begin() + 20));

    // Opening the same channel again keeps edits not yet written.
    editor.open (2);
    EXPECT_TRUE (editor.isEdited());
    EXPECT_EQ (controller.model().programEdit (2).get (program::common::byte63), 12);
}

TEST_F (Editors, OnLineTheEditorShowsWhatTheInstrumentSendsAndWaitsForItsInputToListen)
{
    goOnLine();
    controller.pauseInput (2000); // as when the playing mode changes
    ProgramEditor editor (controller);
    editor.setSize (996, 700);
    editor.open (4);
    EXPECT_TRUE (sent().empty()) << "an answer now would be lost";
    EXPECT_TRUE (editor.isWaitingForInstrument());
    test.clock->step (1999);
    EXPECT_TRUE (sent().empty()) << "the input is still paused";
    test.clock->step (1);
    ASSERT_EQ (sent().size(), 1u) << "the request goes out as soon as the input listens again";
    EXPECT_EQ (sent()[0], (Bytes { 0xF0, 0x07, 0x44, 0x03, 0, 0x02, 0, 0, 4, 0, 0, 0, 0xF7 }));
    EXPECT_FALSE (editor.commonPage().isEnabled()) << "nothing to edit until it is there";

    const auto instruments = libraryProgram (200); // what the instrument's edit buffer holds
    answerProgram (4, instruments);
    EXPECT_FALSE (editor.isWaitingForInstrument());
    EXPECT_EQ (controller.model().programEdit (4).record(), instruments);
    EXPECT_FALSE (editor.isEdited()) << "this is what the instrument sent";
    EXPECT_TRUE (editor.commonPage().isEnabled());
    EXPECT_TRUE (editor.statusText().contains ("edit buffer"));
    editor.showPage (ProgramEditor::Page::layers);
    EXPECT_EQ (editor.layersPage().rowsShown(), program::layerCount (ByteView (instruments)));

    // The category goes to the instrument at once, and back again when undone.
    ports.log->clear();
    editor.categoryChoice().setSelectedId (4 + 1, juce::sendNotificationSync);
    ASSERT_EQ (ports.log->controllers().size(), 7u);
    EXPECT_EQ (ports.log->controllers()[4], (std::array<int, 3> { 5, 114, 0 }));
    EXPECT_EQ (ports.log->controllers()[6], (std::array<int, 3> { 5, 119, 4 }));
    editor.editSession().undo();
    ASSERT_EQ (ports.log->controllers().size(), 14u);
    EXPECT_EQ (ports.log->controllers()[13][2], instruments[30]);

    // The instrument says nothing: after a while the library's program is shown.
    ProgramEditor silent (controller);
    silent.open (9);
    test.clock->step (ProgramEditor::answerTimeoutMs);
    EXPECT_FALSE (silent.isWaitingForInstrument());
    EXPECT_TRUE (silent.statusText().contains ("did not answer"));
    EXPECT_EQ (controller.model().programEdit (9).record(), libraryProgram (controller.currentProgram (9)));
}

TEST_F (Editors, LayersAndRoutesAreEditedInTheRecord)
{
    controller.setLiveValue (3, LiveTable::channelRow (0, LiveTable::slotProgram), false);
    ProgramEditor editor (controller);
    editor.setSize (996, 700);
    editor.open (0);
    auto& object = controller.model().programEdit (0);
    const auto record = object.record();
    const int layers = object.layerCount();
    ASSERT_GT (layers, 1);

    editor.showPage (ProgramEditor::Page::layers);
    EXPECT_EQ (editor.layersPage().rowsShown(), layers);
    auto* key = editor.layersPage().control (layers - 1, "Low Key");
    ASSERT_NE (key, nullptr);
    ASSERT_TRUE (key->enterText ("C3"));
    EXPECT_EQ (object.layerField (layers - 1, program::layer::lowKey), 48);
    EXPECT_EQ (object.record()[(size_t) program::layerOffset (layers - 1) + 2], 48);
    for (int k = 0; k < layers; ++k)
        EXPECT_FALSE (editor.layersPage().layerTitle (k).isEmpty()) << "own name or the key map's";

    editor.showPage (ProgramEditor::Page::controls);
    auto& controls = editor.controlsPage();
    object.decodeBlocks();
    const auto lists = object.infoLists();
    EXPECT_EQ ((int) controls.programLines().size(), lists.group[ProgramInfoLists::programGroup].count);
    ASSERT_GT (controls.programLines().size(), 0u);
    EXPECT_FALSE (controls.programLines()[0].control.isEmpty());
    if (controls.routesShown() > 0)
    {
        auto* amount = controls.routeControl (0, "Amount");
        ASSERT_NE (amount, nullptr);
        ASSERT_TRUE (amount->enterText ("99"));
        EXPECT_EQ (object.routeByte2 (0), 99);
    }
    editor.editSession().undo();
    editor.editSession().undo();
    EXPECT_EQ (object.record(), record);
}

TEST_F (Editors, TheSetupEditorAsksForItsZonesOnceTheHeaderHasCome)
{
    goOnLine();
    const auto instruments = controller.model().setupBank().bank().record (12);
    const ByteView r (instruments);
    const auto table = setup::walkZones (r);
    ASSERT_GT (table.walked, 1);

    SetupEditor editor (controller);
    editor.setSize (996, 700);
    editor.open();
    ASSERT_EQ (sent().size(), 3u) << "setup parts 0 and 1, global part 0";
    feed (sysex::setupHeaderPart (0, r));
    controller.deliverModelChanges();
    ASSERT_EQ (sent().size(), 3u + (size_t) table.walked) << "then each zone";
    EXPECT_EQ (sent().back(), (Bytes { 0xF0, 0x07, 0x44, 0x03, 0, 0x0B, 0, 0, 0, 2, (std::uint8_t) (table.walked - 1), 0, 0xF7 }));
    feed (sysex::setupCommonPart (0, r));
    for (int z = 0; z < table.walked; ++z)
        feed (sysex::setupZonePart (0, z, r.slice (table.zones[(size_t) z].start, table.zones[(size_t) z].length)));
    controller.deliverModelChanges();
    EXPECT_FALSE (editor.isWaitingForInstrument());
    EXPECT_EQ (controller.model().multi().record.bytes(), instruments);
    EXPECT_FALSE (editor.isEdited());

    editor.showPage (SetupEditor::Page::zones);
    editor.zonesPage().showZone (1);
    auto* volume = editor.zonesPage().control ("Volume");
    ASSERT_NE (volume, nullptr);
    ASSERT_TRUE (volume->enterText ("101"));
    EXPECT_EQ (controller.model().multi().zones[1].bytes[13], 101);
    EXPECT_EQ (controller.model().multi().record.byte ((int) table.zones[1].start + 13), 101);
    EXPECT_TRUE (editor.isEdited());
    EXPECT_TRUE (editor.zonesPage().walkText().contains ("List A"));
    auto* tempo = editor.commonPage().control ("Tempo");
    ASSERT_NE (tempo, nullptr);
    ASSERT_TRUE (tempo->enterText ("140"));
    EXPECT_EQ (controller.model().multi().value (272, 0), 140);
    editor.undoButton().triggerClick();
    editor.undoButton().triggerClick();
    runMessageLoopUntil ([&] { return ! editor.isEdited(); });
    EXPECT_EQ (controller.model().multi().record.bytes(), instruments);
}

TEST_F (Editors, ANameWithBytesOutsideTheCharactersIsShownAndWrittenSafely)
{
    auto record = libraryProgram (5);
    const std::string odd = "Odd\x05Name\xC8Piano\x7F";
    std::fill (record.begin(), record.begin() + 20, ' ');
    std::copy (odd.begin(), odd.end(), record.begin());
    controller.model().programBank().storeRecord (5, ByteView (record));
    controller.setLiveValue (5, LiveTable::channelRow (1, LiveTable::slotProgram), false);

    ProgramEditor editor (controller);
    editor.open (1);
    EXPECT_EQ (editor.nameField().getText(), "Odd NamePiano") << "a control byte and DEL as blanks, a byte above 127 left out";
    EXPECT_EQ (editor.editSession().name(), "Odd NamePiano");

    // Renamed and renamed back by undo: the name's bytes are back as far as a name reads (0xC8 never does).
    editor.editSession().setName ("Even Name");
    EXPECT_EQ (controller.model().programEdit (1).name(), "Even Name           ");
    editor.editSession().undo();
    auto expected = record;
    const std::string kept = "Odd\x05NamePiano\x7F";
    std::fill (expected.begin(), expected.begin() + 20, ' ');
    std::copy (kept.begin(), kept.end(), expected.begin());
    EXPECT_EQ (controller.model().programEdit (1).record(), expected);
}
