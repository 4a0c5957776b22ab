// The program and setup editors and the write dialog against the emulator:
// a program and a setup are opened from the instrument's edit buffers,
// changed, undone and redone, written to a free number, and found read back
// in the library bank and in its file.

#include "model/SetupLayout.h"
#include "support/EmulatorWindow.h"

#include <gtest/gtest.h>

using namespace zr9;
using namespace zr9::emulator;
using namespace zr9::test;

namespace
{
struct EditorsEndToEnd : ::testing::Test
{
    EditorsEndToEnd() : processor (makePersistentProcessorOnTheEmulator (folder, ports, clock))
    {
        controller().connection().sendIdentityRequest();
        arrivedUntil ([&] { return controller().connection().isConnected(); });
        main = std::make_unique<MainComp> (*processor);
        clock->step (MainComp::versionDisplayMs);
    }

    MidiCntrState& controller() { return processor->controller(); }
    VirtualInstrument& zr9() { return ports->emulator().instrument(); }

    /** Runs the message loop, handing over what arrived, until `done` holds. */
    bool arrivedUntil (const std::function<bool()>& done)
    {
        return runMessageLoopUntil ([&] {
            controller().deliverModelChanges();
            controller().bulkReceive().deliverNow();
            return done();
        });
    }

    /** Writes with the dialog to `number`, lets the instrument store it and waits for the read-back to close the dialog. */
    void writeTo (int type, int number)
    {
        auto* dialog = main->writeDialog();
        ASSERT_NE (dialog, nullptr);
        dialog->setDestination (number);
        dialog->writePressed();
        ASSERT_TRUE (arrivedUntil ([&] { return zr9().holds (type, number); }));
        clock->step (WriteSnd::readBackDelayMs);
        EXPECT_TRUE (arrivedUntil ([&] { return main->writeDialog() == nullptr; })) << "the dialog goes once read back";
    }

    Bytes instrumentRecord (int type, int number) { return libraryRecordOf (zr9(), type, number); }
    BankIndex bankFile (int type) { return bankFileOf (folder, type); }

    TempFolder folder;
    std::shared_ptr<ManualClock> clock = std::make_shared<ManualClock>();
    std::shared_ptr<EmulatorPortProvider> ports = std::make_shared<EmulatorPortProvider> (std::make_shared<FakeMidiPorts> (2, 2));
    std::unique_ptr<RevuDIAudioProcessor> processor;
    std::unique_ptr<MainComp> main;
};
} // namespace

TEST_F (EditorsEndToEnd, AProgramIsEditedUndoneRedoneWrittenAndReadBackIntoTheLibrary)
{
    ASSERT_TRUE (controller().connection().isConnected());
    processor->setLiveValue (1025, LiveTable::channelRow (0, LiveTable::slotProgram), true);
    ASSERT_TRUE (arrivedUntil ([&] { return zr9().channelProgram (0) == 1025; }));
    ASSERT_FALSE (controller().model().programBank().bank().exists (1025)) << "the library has never seen it";

    main->openProgramEditor (0);
    auto* editor = main->programEditor();
    ASSERT_NE (editor, nullptr);
    EXPECT_TRUE (main->isPageShown (MainComp::slotProgramEditor));
    ASSERT_TRUE (arrivedUntil ([&] { return ! editor->isWaitingForInstrument(); }));
    EXPECT_EQ (controller().model().programEdit (0).record(), instrumentRecord (typeProgram, 1025));
    EXPECT_EQ (editor->nameField().getText(), "Stage Grand Bright");

    auto& session = editor->editSession();
    auto* gain = editor->commonPage().control ("Out Gain");
    ASSERT_NE (gain, nullptr);
    const int gainBefore = gain->value();
    session.setName ("Stage Grand Brighter");
    ASSERT_TRUE (gain->enterText ("9 dB"));
    EXPECT_EQ (editor->writeMode(), WriteSnd::modeSequence);

    session.undo();
    session.undo();
    editor->refreshAll();
    EXPECT_FALSE (editor->isEdited());
    EXPECT_EQ (gain->value(), gainBefore);
    session.redo();
    session.redo();
    editor->refreshAll();
    EXPECT_EQ (gain->value(), 9);
    EXPECT_EQ (editor->nameField().getText(), "Stage Grand Brig") << "16 characters, as the instrument keeps them";

    editor->writeButton().triggerClick();
    ASSERT_TRUE (runMessageLoopUntil ([&] { return main->writeDialog() != nullptr; }));
    EXPECT_EQ (main->writeDialog()->mode(), WriteSnd::modeSequence);
    ASSERT_FALSE (zr9().holds (typeProgram, 1031));
    writeTo (typeProgram, 1031);

    ASSERT_TRUE (zr9().holds (typeProgram, 1031));
    const auto written = instrumentRecord (typeProgram, 1031);
    EXPECT_EQ (zr9().objectName (typeProgram, 1031), "Stage Grand Brig");
    EXPECT_EQ (written[63], 9);
    const auto& bank = controller().model().programBank().bank();
    EXPECT_EQ (bank.record (1031), written) << "read back into the library";
    EXPECT_EQ (bankFile (typeProgram).record (1031), written) << "and into its file";
    EXPECT_FALSE (editor->isEdited()) << "the instrument holds what the editor shows";
    EXPECT_TRUE (main->footer().statusText().contains ("1031"));
}

TEST_F (EditorsEndToEnd, ASetupsZoneChangeIsWrittenAndReadBackIntoTheLibrary)
{
    processor->setLiveValue (1025, LiveTable::rowMulti, true);
    ASSERT_TRUE (arrivedUntil ([&] { return zr9().lastValueMessage() == 1025; }));

    main->openSetupEditor();
    auto* editor = main->setupEditor();
    ASSERT_NE (editor, nullptr);
    ASSERT_TRUE (arrivedUntil ([&] { return ! editor->isWaitingForInstrument(); }));
    const auto original = instrumentRecord (typeSetup, 1025);
    EXPECT_EQ (controller().model().multi().record.bytes(), original);

    editor->showPage (SetupEditor::Page::zones);
    editor->zonesPage().showZone (1);
    auto* volume = editor->zonesPage().control ("Volume");
    ASSERT_NE (volume, nullptr);
    const int before = volume->value();
    ASSERT_TRUE (volume->enterText ("77"));
    ASSERT_NE (before, 77);
    editor->editSession().undo();
    EXPECT_FALSE (editor->isEdited());
    editor->editSession().redo();
    EXPECT_TRUE (editor->isEdited());

    editor->writeButton().triggerClick();
    ASSERT_TRUE (runMessageLoopUntil ([&] { return main->writeDialog() != nullptr; }));
    writeTo (typeSetup, 1030);

    ASSERT_TRUE (zr9().holds (typeSetup, 1030));
    const auto written = instrumentRecord (typeSetup, 1030);
    const auto zone1 = setup::walkZones (ByteView (written)).zones[1];
    EXPECT_EQ (written[(size_t) zone1.start + 13], 77) << "the zone change reached the instrument";
    EXPECT_EQ (Bytes (written.begin() + 20, written.end()), Bytes (controller().model().multi().record.bytes().begin() + 20,
                                                                  controller().model().multi().record.bytes().end()));
    EXPECT_EQ (controller().model().setupBank().bank().record (1030), written);
    EXPECT_EQ (bankFile (typeSetup).record (1030), written);
}
