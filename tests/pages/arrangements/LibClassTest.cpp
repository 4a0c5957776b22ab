#include "model/ArrangementListFile.h"
#include "model/ArrangementState.h"
#include "model/FactoryBanks.h"
#include "model/ProgramCategories.h"
#include "pages/arrangements/LibClass.h"
#include "support/PointerEvents.h"
#include "support/ProcessorFixture.h"
#include "support/ScriptedFileMan.h"
#include "support/TestHelpers.h"

#include <gtest/gtest.h>

using namespace zr9;
using namespace zr9::test;

namespace
{

Bytes factoryState (int slot)
{
    return ArrangementState::make (Factory_Banks_ZR9::arrangementBank().slice ((long long) slot * arrangement::recordSize, arrangement::recordSize));
}

struct LibPageFixture : ProcessorFixture
{
    LibPageFixture()
    {
        controller().scan().stop();
        controller().connection().openOutputPort (1);
        ports->log->clear();
    }

    LibClass& page()
    {
        if (libPage == nullptr)
        {
            libPage = std::make_unique<LibClass> (processor->controller(), *processor, dialogs, working);
            libPage->setSize (780, 516); // as the library manager lays it out
        }
        return *libPage;
    }

    void fill (int n)
    {
        for (int i = 1; i <= n; ++i)
            page().library().add (u32 ("Entry " + std::to_string (i)), ByteView (factoryState ((i - 1) % 3)));
        page().list().refresh();
        page().updateButtons();
    }

    /** Clicks a page button, which must be shown. */
    void click (int id)
    {
        auto* b = page().button (id);
        ASSERT_NE (b, nullptr);
        ASSERT_TRUE (b->isVisible()) << id;
        b->clicked();
    }

    /** Answers the open question with a button; the text field first takes `text` when given. */
    void answer (int buttonId, std::optional<juce::String> text = std::nullopt)
    {
        auto* q = page().question();
        ASSERT_NE (q, nullptr);
        ASSERT_TRUE (q->isVisible());
        if (text.has_value())
            q->textField().setText (*text, false);
        q->answer (buttonId);
    }

    std::vector<int> shownButtons()
    {
        std::vector<int> shown;
        for (int id : { 1211, 1209, 1205, 1206, 1203, 1204, 1207 })
            if (page().button (id)->isVisible())
                shown.push_back (id);
        return shown;
    }

    juce::File working = folder.libraryFile ("Lib.zr9arrlib");
    std::shared_ptr<ScriptedFileMan> dialogs = std::make_shared<ScriptedFileMan>();
    std::unique_ptr<LibClass> libPage;
};
} // namespace

TEST_F (LibPageFixture, ButtonsAreShownByTheStateOfTheListAndStandInTheirColumn)
{
    EXPECT_EQ (shownButtons(), (std::vector<int> { 1211, 1207 }));
    EXPECT_EQ (page().list().getBounds().getPosition(), juce::Point<int> (20, 10));
    EXPECT_EQ (page().list().getWidth(), 334);
    EXPECT_EQ (page().button (1211)->getBounds(), juce::Rectangle<int> (660, 10, 100, 34));
    EXPECT_EQ (page().button (1205)->getY(), 90);
    EXPECT_EQ (page().button (1206)->getY(), 516 - 40);
    EXPECT_EQ (page().button (1207)->getY(), 516 - 180);

    fill (2);
    EXPECT_EQ (shownButtons(), (std::vector<int> { 1211, 1209, 1205, 1207 }));
    page().list().selectRow (1);
    EXPECT_EQ (shownButtons(), (std::vector<int> { 1211, 1209, 1205, 1206, 1203, 1204, 1207 }));
    EXPECT_TRUE (page().preview().isVisible());
    EXPECT_EQ (page().preview().getBounds(), juce::Rectangle<int> (364, 10, 280, 496)) << "beside the list, inside the page";
    EXPECT_LE (page().preview().getRight(), page().button (1211)->getX());

    page().list().clearSelection();
    EXPECT_EQ (shownButtons(), (std::vector<int> { 1211, 1209, 1205, 1207 }));
    EXPECT_FALSE (page().preview().isVisible());
}

TEST_F (LibPageFixture, AddCurrentStoresTheCurrentArrangementUnderTheTypedNameOrUntitled)
{
    fill (1);
    page().list().selectRow (0);
    click (1207);
    auto* q = page().question();
    ASSERT_NE (q, nullptr);
    EXPECT_EQ (q->message(), "Arrangement name:");
    EXPECT_TRUE (q->hasTextField());
    EXPECT_EQ (q->text(), "Untitled");
    EXPECT_TRUE (q->button (1201).isVisible());
    EXPECT_TRUE (q->button (1202).isVisible());
    EXPECT_FALSE (q->button (1200).isVisible());
    EXPECT_EQ (q->getBounds(), page().getLocalBounds()) << "the question covers the page";

    // Keys typed while the question is up stay in it: nothing is played.
    EXPECT_TRUE (q->textField().keyPressed (juce::KeyPress ('z', {}, 'z')));
    EXPECT_TRUE (q->keyPressed (juce::KeyPress ('x', {}, 'x')));
    EXPECT_TRUE (ports->log->sent.empty());

    answer (1201, juce::String());
    ASSERT_EQ (page().library().size(), 2);
    EXPECT_EQ (page().library().name (1), "Untitled");
    const auto current = processor->currentArrangementState();
    const auto data = page().library().arrangementData (1);
    EXPECT_EQ (Bytes (data.data(), data.data() + data.size()), Bytes ((const std::uint8_t*) current.getData(), (const std::uint8_t*) current.getData() + current.getSize()));
    EXPECT_EQ (page().list().selectedRow(), 0) << "adding keeps the selection";
    EXPECT_TRUE (page().library().isModified());

    click (1207);
    answer (1201, juce::String::repeatedString ("abc", 100));
    EXPECT_EQ (page().library().name (2), juce::String::repeatedString ("abc", 100).substring (0, 256).toStdString());

    click (1207);
    answer (1202, "Not this one");
    EXPECT_EQ (page().library().size(), 3) << "CANCEL adds nothing";
}

TEST_F (LibPageFixture, RenameAndDeleteAskAboutTheSelectedEntry)
{
    fill (3);
    page().list().selectRow (1);
    click (1203);
    EXPECT_EQ (page().question()->message(), "Rename Entry 2:");
    EXPECT_EQ (page().question()->text(), "Entry 2");
    page().library().markSaved();
    answer (1201, juce::String());
    EXPECT_EQ (page().library().name (1), "Entry 2") << "an empty name renames nothing";
    EXPECT_FALSE (page().library().isModified());

    click (1203);
    answer (1201, "Ballad");
    EXPECT_EQ (page().library().name (1), "Ballad");
    EXPECT_EQ (page().preview().title(), "Ballad");
    EXPECT_TRUE (page().library().isModified());

    click (1204);
    EXPECT_EQ (page().question()->message(), "Delete Ballad ?");
    EXPECT_FALSE (page().question()->hasTextField());
    answer (1202);
    EXPECT_EQ (page().library().size(), 3);
    click (1204);
    answer (1201);
    ASSERT_EQ (page().library().size(), 2);
    EXPECT_EQ (page().library().name (1), "Entry 3");
    EXPECT_EQ (page().list().selectedRow(), -1);
    EXPECT_EQ (shownButtons(), (std::vector<int> { 1211, 1209, 1205, 1207 }));
}

TEST_F (LibPageFixture, LoadAsksToSaveOnlyAModifiedListAndFollowsEachAnswer)
{
    const auto saved = folder.path().getChildFile ("Saved.zr9arrlib");
    const auto other = folder.path().getChildFile ("Other.zr9arrlib");
    {
        ArrangementLibrary two;
        two.add (u32 ("Other 1"), ByteView (factoryState (0)));
        two.add (u32 ("Other 2"), ByteView (factoryState (1)));
        const auto bytes = arrlist::encode (two.entries());
        other.replaceWithData (bytes.data(), bytes.size());
    }

    // An empty list loads at once.
    dialogs->answers = { other };
    click (1211);
    EXPECT_EQ (dialogs->kindsAsked(), (std::vector<int> { 9 }));
    ASSERT_EQ (page().library().size(), 2);
    EXPECT_FALSE (page().library().isModified());
    EXPECT_EQ (page().notice(), "LOADED 2 ARRANGEMENTS: Other.zr9arrlib");
    EXPECT_EQ (working, page().workingFile().file()) << "the working file stays Lib.zr9arrlib";

    // Modified: CANCEL does nothing, NO loads without saving.
    page().list().selectRow (0);
    click (1203);
    answer (1201, "Changed");
    dialogs->asked.clear();
    click (1211);
    EXPECT_EQ (page().question()->message(), "Save changes?");
    EXPECT_EQ (page().question()->button (1200).getButtonText(), "NO");
    answer (1202);
    EXPECT_TRUE (dialogs->asked.empty());
    EXPECT_EQ (page().library().name (0), "Changed");

    click (1211);
    dialogs->answers = { other };
    answer (1200);
    EXPECT_EQ (dialogs->kindsAsked(), (std::vector<int> { 9 }));
    EXPECT_EQ (page().library().name (0), "Other 1");
    EXPECT_EQ (page().list().selectedRow(), -1);

    // YES saves first, then loads; the open dialog still comes when the save dialog was cancelled.
    page().list().selectRow (0);
    click (1203);
    answer (1201, "Changed again");
    dialogs->asked.clear();
    click (1211);
    dialogs->answers = { saved, other };
    answer (1201);
    EXPECT_EQ (dialogs->asked, (std::vector<std::pair<int, juce::String>> { { 109, "Untitled" }, { 9, {} } }));
    ArrangementLibrary reread;
    takeListFile (reread, readListFile (saved));
    EXPECT_EQ (reread.name (0), "Changed again");

    page().list().selectRow (0);
    click (1203);
    answer (1201, "Changed once more");
    dialogs->asked.clear();
    click (1211);
    dialogs->answers = { std::nullopt, other };
    answer (1201);
    EXPECT_EQ (dialogs->kindsAsked(), (std::vector<int> { 109, 9 }));
    EXPECT_EQ (page().library().name (0), "Other 1");
}

TEST_F (LibPageFixture, ClearAllClearsOnlyOnNoOrOnceTheListIsSaved)
{
    click (1211); // a cancelled open dialog: nothing happens
    EXPECT_TRUE (page().library().empty());
    fill (2);
    const auto saved = folder.path().getChildFile ("Before clearing.zr9arrlib");

    click (1205);
    EXPECT_EQ (page().question()->message(), "Save changes?");
    answer (1202);
    EXPECT_EQ (page().library().size(), 2);

    // A save dialog that was cancelled, or a save that failed, clears nothing.
    click (1205);
    dialogs->answers = { std::nullopt };
    answer (1201);
    EXPECT_EQ (page().library().size(), 2);
    const auto notAFile = folder.path().getChildFile ("a folder");
    notAFile.getChildFile ("inside").create();
    click (1205);
    dialogs->answers = { notAFile };
    answer (1201);
    EXPECT_EQ (page().library().size(), 2);
    EXPECT_TRUE (page().notice().startsWith ("COULD NOT SAVE"));
    EXPECT_TRUE (page().library().isModified()) << "an unsaved list stays unsaved";

    click (1205);
    dialogs->answers = { saved };
    answer (1201);
    EXPECT_TRUE (page().library().empty());
    EXPECT_EQ (saved.getSize(), 10 + 2 * (10 + 630));
    EXPECT_EQ (shownButtons(), (std::vector<int> { 1211, 1207 }));

    fill (1);
    click (1205);
    answer (1200);
    EXPECT_TRUE (page().library().empty());
}

TEST_F (LibPageFixture, SaveWritesTheListToTheChosenFile)
{
    fill (3);
    const auto target = folder.path().getChildFile ("Gig.zr9arrlib");
    dialogs->answers = { target };
    click (1209);
    EXPECT_EQ (dialogs->asked.back(), (std::pair<int, juce::String> { 109, "Untitled" }));
    EXPECT_EQ (target.getSize(), 10 + 3 * 640);
    EXPECT_FALSE (page().library().isModified());
    EXPECT_EQ (page().notice(), "SAVED: Gig.zr9arrlib");
    clock->step (LibClass::noticeMs);
    EXPECT_EQ (page().notice(), "");
}

TEST_F (LibPageFixture, PickedFilesThatHoldNoListLeaveTheLibraryAsItWas)
{
    fill (2);
    page().library().markSaved();
    juce::Random random (7);
    juce::MemoryBlock noise;
    for (int i = 0; i < 4000; ++i)
        noise.append ("\x80\x11\x05\xfe" + random.nextInt (4), 1);
    const auto noiseFile = folder.path().getChildFile ("noise.zr9arrlib");
    noiseFile.replaceWithData (noise.getData(), noise.getSize());

    dialogs->answers = { noiseFile };
    click (1211);
    EXPECT_EQ (page().library().size(), 2);
    EXPECT_EQ (page().notice(), "NO ARRANGEMENTS IN noise.zr9arrlib");

    dialogs->answers = { folder.path().getChildFile ("gone.zr9arrlib") };
    click (1211);
    EXPECT_EQ (page().library().size(), 2);
    EXPECT_EQ (page().notice(), "COULD NOT READ gone.zr9arrlib");

    // A list cut short gives its whole entries.
    ArrangementLibrary three;
    for (int i = 0; i < 3; ++i)
        three.add (u32 ("Cut " + std::to_string (i)), ByteView (factoryState (i)));
    auto bytes = arrlist::encode (three.entries());
    bytes.resize (bytes.size() - 1);
    const auto cut = folder.path().getChildFile ("cut.zr9arrlib");
    cut.replaceWithData (bytes.data(), bytes.size());
    dialogs->answers = { cut };
    click (1211);
    ASSERT_EQ (page().library().size(), 2);
    EXPECT_EQ (page().library().name (1), "Cut 1");
    EXPECT_EQ (page().notice(), "ONLY 2 OF 3 ARRANGEMENTS COULD BE READ: cut.zr9arrlib");
}

TEST_F (LibPageFixture, ThePreviewShowsTheProgramsOfTheSelectedArrangement)
{
    page().library().add (u32 ("EDM night"), ByteView (factoryState (0)));
    page().library().add (u32 ("Not an arrangement"), ByteView (Bytes (330, 'x')));
    page().list().refresh();

    page().list().selectRow (0);
    const auto& programs = controller().model().programBank();
    const auto& rows = page().preview().rows();
    EXPECT_EQ (page().preview().title(), "EDM night");
    ASSERT_EQ (rows.size(), 16u);
    const int edm[] { 261, 99, 375, 330, 327, 124, 354, 112, 449, 239, 331, 182, 492, 102, 68, 74 };
    for (int c = 0; c < 16; ++c)
    {
        EXPECT_EQ (rows[(size_t) c].channel, juce::String (c + 1) + ".");
        EXPECT_EQ (rows[(size_t) c].number, juce::String (edm[c]).paddedLeft ('0', 4));
        // Programs the library's bank does not hold show their number alone.
        const bool held = programs.exists (edm[c]);
        EXPECT_EQ (rows[(size_t) c].name, juce::String (programs.name (edm[c])).trimEnd());
        EXPECT_EQ (rows[(size_t) c].name.isEmpty(), ! held) << c;
        EXPECT_EQ (rows[(size_t) c].category, held ? juce::String (programs.categoryText (edm[c])) : juce::String()) << c;
    }
    EXPECT_EQ (rows[14].number, "0068");
    EXPECT_TRUE (programs.exists (68));
    EXPECT_EQ (rows[14].subType, juce::String (programSubTypeName (programs.category (68), programs.subType (68))));

    page().list().selectRow (1);
    EXPECT_EQ (page().preview().title(), "Not an arrangement");
    EXPECT_TRUE (page().preview().rows().empty());

    // Applying an entry that is not an arrangement sends nothing.
    click (1206);
    EXPECT_EQ (page().notice(), "NOT AN ARRANGEMENT: Not an arrangement");
    EXPECT_TRUE (ports->log->sysEx().empty());
}

TEST_F (LibPageFixture, TheListScrollsByRowsWithTheBarItsRepeatItsThumbAndTheWheel)
{
    fill (40);
    auto& list = page().list();
    auto& bar = list.scrollBar();
    const int visible = list.visibleRowCount();
    ASSERT_EQ (visible, 13);
    const int lastFirst = 40 - visible;

    // Clicking a row selects it.
    auto* row = list.rows().getComponentAt (100, 2 * GskFile::rowHeight + 10);
    ASSERT_NE (row, nullptr);
    ASSERT_NE (row, &list.rows());
    row->mouseDown (mouseEventOn (*row, { 100.0f, 10.0f }));
    row->mouseUp (mouseEventOn (*row, { 100.0f, 10.0f }));
    EXPECT_EQ (list.selectedRow(), 2);
    EXPECT_EQ (page().preview().title(), "Entry 3");

    // The wheel moves one row per notch and never past the last full page.
    list.mouseWheelMove (mouseEventOn (list), wheelNotch (-0.2f));
    EXPECT_EQ (list.firstVisibleRow(), 1);
    list.mouseWheelMove (mouseEventOn (list), wheelNotch (0.2f));
    list.mouseWheelMove (mouseEventOn (list), wheelNotch (0.2f));
    EXPECT_EQ (list.firstVisibleRow(), 0);
    list.scrollToRow (1000);
    EXPECT_EQ (list.firstVisibleRow(), lastFirst);
    EXPECT_EQ (list.rows().getViewport()->getViewPositionY(), lastFirst * GskFile::rowHeight) << "the rows follow";
    list.scrollToTop();

    // A press below the thumb moves one row, then one more every 200 ms until the thumb reaches the pointer.
    const float below = (float) bar.getHeight() - 3.0f;
    bar.mouseDown (pointerEvent (bar, { 10.0f, below }, { 10.0f, below }));
    EXPECT_EQ (list.firstVisibleRow(), 1);
    clock->step (199);
    EXPECT_EQ (list.firstVisibleRow(), 1);
    clock->step (1);
    EXPECT_EQ (list.firstVisibleRow(), 2);
    clock->step (200 * 40);
    EXPECT_EQ (list.firstVisibleRow(), lastFirst) << "the thumb ends under the pointer at the bottom";
    bar.mouseUp (pointerEvent (bar, { 10.0f, below }, { 10.0f, below }));
    EXPECT_FALSE (bar.isRepeating());

    // Above the thumb: up one row, and letting go stops the repeat.
    bar.mouseDown (pointerEvent (bar, { 10.0f, 2.0f }, { 10.0f, 2.0f }));
    EXPECT_EQ (list.firstVisibleRow(), lastFirst - 1);
    bar.mouseUp (pointerEvent (bar, { 10.0f, 2.0f }, { 10.0f, 2.0f }));
    clock->step (1000);
    EXPECT_EQ (list.firstVisibleRow(), lastFirst - 1);

    // Dragging the thumb scrolls in proportion.
    list.scrollToTop();
    const auto thumb = bar.thumbArea();
    ASSERT_GT (thumb.getHeight(), 0);
    const juce::Point<float> grab (10.0f, (float) thumb.getCentreY());
    const int track = bar.getHeight() - thumb.getHeight();
    bar.mouseDown (pointerEvent (bar, grab, grab));
    bar.mouseDrag (pointerEvent (bar, grab.translated (0.0f, (float) track / 2.0f), grab));
    EXPECT_NEAR (list.firstVisibleRow(), lastFirst / 2, 1);
    bar.mouseDrag (pointerEvent (bar, grab.translated (0.0f, (float) track), grab));
    EXPECT_EQ (list.firstVisibleRow(), lastFirst);
    bar.mouseUp (pointerEvent (bar, grab.translated (0.0f, (float) track), grab));
    EXPECT_FALSE (bar.isRepeating()) << "a thumb drag starts no repeat";
}
