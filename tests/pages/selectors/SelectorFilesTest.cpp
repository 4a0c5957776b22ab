// The selectors' files and the program selector's audition, headless: an
// export of the rows selected, an import that shows what it would replace
// and is answered both ways, a file dropped onto a selector, a file that is
// not what it says, and the audition line over the program list.

#include "library/ObjectFiles.h"
#include "model/BankFileFormat.h"
#include "pages/selectors/FxcSelClass.h"
#include "pages/selectors/PlainSelectors.h"
#include "pages/selectors/PrgSelClass.h"
#include "support/ProcessorFixture.h"
#include "support/ScriptedFileMan.h"
#include "support/TestHelpers.h"

#include <gtest/gtest.h>

using namespace zr9;
using namespace zr9::test;

namespace
{

struct SelectorFiles_ : ProcessorFixture
{
    SelectorFiles_()
    {
        controller().scan().stop();
        controller().connection().openOutputPort (1);
        controller().connection().openInputPort (1);
        page.setSize (992, 640);
        page.setVisible (true);
        page.openOn (controller().currentProgram (0));
        page.setFileAccess ({ &files, [this] (int type) { saved.push_back (type); }, [this] (const juce::String& t) { told = t; } });
    }

    ObjProgramBankClass& programs() { return controller().model().programBank(); }

    /** A bank file of programs: the library's program `from` renamed, under each number given. */
    juce::File programFile (const juce::String& name, const std::vector<std::pair<int, std::string>>& objects, int from = 7)
    {
        std::vector<Bytes> records;
        std::vector<bankfile::Entry> entries;
        records.reserve (objects.size());
        for (const auto& [n, newName] : objects)
        {
            auto r = programs().bank().record (from);
            auto padded = newName;
            padded.resize (20, ' ');
            std::copy (padded.begin(), padded.end(), r.begin());
            records.push_back (r);
            entries.push_back ({ n, ByteView (records.back()) });
        }
        const auto bytes = bankfile::write (typeProgram, entries);
        const auto file = folder.path().getChildFile (name);
        file.replaceWithData (bytes.data(), bytes.size());
        return file;
    }

    /** Lets the panel's closing (after its own button) happen. */
    void letThePanelGo() { runMessageLoopUntil ([&] { return page.files().importPanel() == nullptr; }); }

    ScriptedFileMan files;
    std::vector<int> saved;
    juce::String told;
    PrgSelClass page { controller() };
};
} // namespace

TEST_F (SelectorFiles_, TheRowsSelectedTogetherAreExportedToTheFileChosen)
{
    // A click plays its row; Ctrl-click adds rows without playing them.
    page.table().selectRow (page.list().rowOf (3), false, true);
    const auto playing = controller().currentProgram (0);
    page.table().selectRow (page.list().rowOf (5), false, false);
    page.table().selectRow (page.list().rowOf (1021), false, false);
    EXPECT_EQ (page.selectedNumbers(), (std::vector<int> { 3, 5, 1021 }));
    EXPECT_EQ (controller().currentProgram (0), playing) << "selecting several plays none of them";
    EXPECT_TRUE (page.statusText().contains ("3 programs selected"));

    const auto file = folder.path().getChildFile ("three.zr9bank");
    files.answers.push_back (file);
    page.files().run (SelectorFiles::exportSelectedBank, page.selectedNumbers());
    ASSERT_EQ (files.kindsAsked(), std::vector<int> { FileMan::kindExportBank });
    EXPECT_EQ (files.asked[0].second, "ZR9 Programs 3-1021");
    const auto back = objectfiles::read (file);
    ASSERT_EQ (back.objects.size(), 3u);
    EXPECT_EQ (back.objects[2].record, programs().bank().record (1021));
    EXPECT_EQ (told, "Exported 3 programs to three.zr9bank.");

    // A kind of export that cannot be, and a cancelled dialog, leave no file.
    FxcSelClass chains (controller());
    chains.setFileAccess ({ &files, {}, {} });
    EXPECT_TRUE (chains.files().refusal (SelectorFiles::exportAllSysex, {}).contains ("FX chains cannot be sent"));
    page.files().run (SelectorFiles::exportAllBank, {});
    EXPECT_TRUE (told.startsWith ("Exported 3")) << "cancelled: nothing new to say";
}

TEST_F (SelectorFiles_, AnImportShowsWhatItWouldReplaceAndCancelLeavesTheLibraryAsItWas)
{
    const auto file = programFile ("mine.zr9bank", { { 1, "Mine Over One" }, { 1500, "Brand New" } });
    const auto before = programs().bank().bytes();
    files.answers.push_back (file);
    page.files().run (SelectorFiles::importCommand, {});
    auto* panel = page.files().importPanel();
    ASSERT_NE (panel, nullptr);
    EXPECT_EQ (panel->cellText (0, ImportPanel::columnDestination), "1");
    EXPECT_EQ (panel->cellText (0, ImportPanel::columnReplaces), "1 " + juce::String (programs().bank().name (1)).trimEnd());
    EXPECT_EQ (panel->cellText (1, ImportPanel::columnReplaces), "nothing (free)");
    EXPECT_EQ (panel->cellText (1, ImportPanel::columnName), "Brand New");
    EXPECT_FALSE (panel->cellText (0, ImportPanel::columnCategory).isEmpty());
    EXPECT_EQ (panel->importButton().getButtonText(), "IMPORT, REPLACING 1");

    panel->cancelButton().onClick();
    letThePanelGo();
    EXPECT_EQ (programs().bank().bytes(), before);
    EXPECT_TRUE (saved.empty());
    EXPECT_EQ (told, "Nothing imported from mine.zr9bank.");
}

TEST_F (SelectorFiles_, ConfirmedTheImportReplacesOrGoesToFreeNumbersAsChosen)
{
    const auto file = programFile ("mine.zr9bank", { { 1, "Mine Over One" }, { 1500, "Brand New" } });
    page.files().importFrom (file);
    auto* panel = page.files().importPanel();
    ASSERT_NE (panel, nullptr);
    panel->importButton().onClick();
    letThePanelGo();
    EXPECT_EQ (programs().bank().name (1), "Mine Over One       ");
    EXPECT_EQ (programs().bank().name (1500), "Brand New           ");
    EXPECT_EQ (saved, std::vector<int> { typeProgram }) << "the bank file is written at once";
    EXPECT_EQ (told, "Imported 2 programs from mine.zr9bank into 1 to 1500, replacing 1.");
    EXPECT_TRUE (runMessageLoopUntil ([&] { return page.list().find (1500) != nullptr; })) << "the list follows the bank";

    // The same file to free numbers replaces nothing.
    page.files().importFrom (file);
    panel = page.files().importPanel();
    panel->freeNumbersButton().triggerClick();
    runMessageLoopUntil ([&] { return panel->plan().choice == ImportDestination::firstFreeUserNumbers; });
    EXPECT_EQ (panel->plan().replacing(), 0);
    EXPECT_EQ (panel->importButton().getButtonText(), "IMPORT");
    EXPECT_EQ (panel->plan().rows[0].destination, 1025);
    EXPECT_EQ (panel->plan().rows[1].destination, 1026);
    EXPECT_EQ (panel->confirm(), 2);
    letThePanelGo();
    EXPECT_EQ (programs().bank().name (1), "Mine Over One       ");
    EXPECT_EQ (programs().bank().name (1025), "Mine Over One       ");
}

TEST_F (SelectorFiles_, ALibraryChangedWhileThePanelWasOpenIsShownAgainBeforeAnythingIsStored)
{
    const auto file = programFile ("mine.zr9bank", { { 1400, "Incoming" } });
    page.files().importFrom (file);
    auto* panel = page.files().importPanel();
    ASSERT_NE (panel, nullptr);
    EXPECT_EQ (panel->plan().replacing(), 0);

    auto other = programs().bank().record (2);
    programs().storeRecord (1400, ByteView (other));
    EXPECT_EQ (panel->confirm(), 0);
    EXPECT_EQ (programs().bank().record (1400), other) << "not replaced unasked";
    EXPECT_TRUE (panel->summaryText().contains ("changed meanwhile"));
    EXPECT_EQ (panel->importButton().getButtonText(), "IMPORT, REPLACING 1");
    EXPECT_EQ (panel->confirm(), 1);
    EXPECT_EQ (programs().bank().name (1400), "Incoming            ");
}

TEST_F (SelectorFiles_, AFileDroppedIsImportedAndOneThatIsNotWhatItSaysIsTurnedAway)
{
    EXPECT_TRUE (page.isInterestedInFileDrag ({ "x.syx" }));
    const auto text = folder.path().getChildFile ("notes.syx");
    text.replaceWithText ("these are notes, not messages");
    page.filesDropped ({ text.getFullPathName() }, 10, 10);
    EXPECT_EQ (page.files().importPanel(), nullptr);
    EXPECT_TRUE (told.contains ("Nothing to import from notes.syx"));
    EXPECT_TRUE (told.contains ("not a System Exclusive file"));
    EXPECT_TRUE (page.statusText().contains ("notes.syx"));

    // A cut-short bank file offers the whole objects it holds, and says it was cut.
    const auto whole = programFile ("whole.zr9bank", { { 1300, "First" }, { 1301, "Second" } });
    juce::MemoryBlock bytes;
    whole.loadFileAsData (bytes);
    const auto cut = folder.path().getChildFile ("cut.zr9bank");
    cut.replaceWithData (bytes.getData(), bytes.getSize() - 200);
    page.filesDropped ({ cut.getFullPathName() }, 10, 10);
    auto* panel = page.files().importPanel();
    ASSERT_NE (panel, nullptr);
    EXPECT_EQ (panel->plan().rows.size(), 1u);
    EXPECT_TRUE (panel->problemText().contains ("cut short"));

    ObjectSelector* unreachable = nullptr;
    KmpSelClass maps (controller());
    unreachable = &maps;
    EXPECT_FALSE (unreachable->isInterestedInFileDrag ({ "x.syx" })) << "without files to reach, nothing is taken";
}

TEST_F (SelectorFiles_, AuditionSaysSoOverTheListAndEndsWhenAnotherProgramIsChosen)
{
    auto& audition = page.actionButton (ObjectSelector::actionAudition);
    EXPECT_TRUE (audition.isVisible());
    page.auditionPressed();
    EXPECT_TRUE (page.statusText().contains ("not on line"));
    EXPECT_TRUE (page.bannerText().isEmpty());

    ports->feed (juce::MidiMessage (zr9Reply.data(), (int) zr9Reply.size()));
    page.choose (7);
    ports->log->clear();
    page.auditionPressed();
    EXPECT_EQ (page.bannerText(), "Auditioning 7 " + juce::String (programs().bank().name (7)).trimEnd() + " from the library, not stored");
    EXPECT_TRUE (audition.isSelected());
    const auto sent = ports->log->wholeSysEx();
    ASSERT_EQ (sent.size(), 3u) << "the three parts of the write sequence";
    for (const auto& m : sent)
        EXPECT_EQ (sysex::Reader (m).number14Hi (sysex::at::number), 0) << "number 0: nothing is stored";

    page.choose (8);
    controller().audition().deliverNow();
    EXPECT_TRUE (page.bannerText().isEmpty());
    EXPECT_FALSE (audition.isSelected());

    // Pressed again while it lasts, it ends it and the channel gets its own program back.
    page.auditionPressed();
    ports->log->clear();
    page.auditionPressed();
    EXPECT_TRUE (page.bannerText().isEmpty());
    ASSERT_EQ (ports->log->wholeSysEx().size(), 1u);
    EXPECT_EQ (ports->log->wholeSysEx()[0], (Bytes { 0xF0, 0x07, 0x44, 0x03, 0, 0x20, 0, 0, 8, 0xF7 }));
}
