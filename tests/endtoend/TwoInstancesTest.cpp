// Two instances of the program on one library folder, each on an emulator
// and a clock of its own: what one fetched, wrote or arranged is never lost
// to the other, and each sees the other's work.

#include "library/LibraryFiles.h"
#include "model/ArrangementState.h"
#include "model/BankMerge.h"
#include "model/FactoryBanks.h"
#include "pages/arrangements/LibClass.h"
#include "pages/selectors/FavoriteCont.h"
#include "pages/selectors/PrgSelClass.h"
#include "support/BankBuilder.h"
#include "support/EmulatorWindow.h"
#include "support/ScriptedFileMan.h"

#include <gtest/gtest.h>

using namespace zr9;
using namespace zr9::emulator;
using namespace zr9::test;

namespace
{
/** One instance: a persistent processor on an emulator of its own, on a clock of its own. */
struct Instance
{
    explicit Instance (const TempFolder& folder) : processor (makePersistentProcessorOnTheEmulator (folder, ports, clock)) {}

    MidiCntrState& controller() { return processor->controller(); }
    ObjProgramBankClass& programs() { return controller().model().programBank(); }
    LibraryFiles& files() { return processor->libraryFiles(); }
    VirtualInstrument& zr9() { return ports->emulator().instrument(); }

    /** Fetches a range of one type from the emulator to its end, as RECEIVE DATA does. */
    void fetch (int type, int first, int last)
    {
        auto& run = controller().bulkReceive();
        ASSERT_TRUE (run.startRange (type, false, first, last));
        for (int i = 0; i < 500 && run.isActive(); ++i)
        {
            for (int j = 0; j < 1000; ++j)
            {
                runMessageLoopUntil ([&] { return ports->emulator().line().isIdle(); });
                run.deliverNow();
                if (ports->emulator().line().isIdle())
                    break;
            }
            if (run.isActive())
                clock->step (BulkReceive::replyTimeoutMs);
        }
        ASSERT_FALSE (run.isActive());
    }

    /** Lets one look of the watch pass and the banks' changes reach the pages. */
    void watchOnce()
    {
        clock->step (LibraryFiles::watchIntervalMs);
        controller().deliverModelChanges();
    }

    /** Stores a program by the path the pages take: into the bank, then its file. */
    void keepProgram (int number, const std::string& name)
    {
        ASSERT_TRUE (programs().storeRecord (number, ByteView (makeRecord (name, 300))));
        processor->saveLibraryBank (typeProgram);
    }

    std::shared_ptr<ManualClock> clock = std::make_shared<ManualClock>();
    std::shared_ptr<EmulatorPortProvider> ports = std::make_shared<EmulatorPortProvider> (std::make_shared<FakeMidiPorts> (2, 2));
    std::unique_ptr<RevuDIAudioProcessor> processor;
};

struct TwoInstances : ::testing::Test
{
    juce::File file (const juce::String& name) const { return folder.libraryFile (name); }
    BankIndex programFile() const { return bankFileOf (folder, typeProgram); }
    std::string nameOnDisk (int n) const { return juce::String (programFile().name (n)).trimEnd().toStdString(); }

    /** Every file of the library folder with its stamp. */
    std::map<juce::String, FileStamp> stamps() const
    {
        std::map<juce::String, FileStamp> all;
        for (const auto& f : folder.libraryFile ({}).findChildFiles (juce::File::findFiles, false))
            all[f.getFileName()] = stampOf (f);
        return all;
    }

    TempFolder folder;
    std::unique_ptr<Instance> b = std::make_unique<Instance> (folder); // started first, as an older plug-in instance
    std::unique_ptr<Instance> a = std::make_unique<Instance> (folder);
};

const char* const fetchedNames[] { "Stage Grand Bright", "Warm Tines Chorus", "Gospel Drawbars" };
} // namespace

TEST_F (TwoInstances, AFetchOutlivesTheShutdownOfAnInstanceStartedBeforeItWhichWritesNothing)
{
    a->fetch (typeProgram, 1025, 1030);
    for (int i = 0; i < 3; ++i)
        ASSERT_EQ (nameOnDisk (1025 + i), fetchedNames[i]) << "on disk as soon as the fetch is over";
    a.reset(); // a's settings and preset bank are written too
    const auto before = stamps();
    ASSERT_GT (before.count ("ZR9_ProgramData.dat"), 0u);

    b.reset();
    const auto after = stamps();
    for (const auto& [name, stamp] : after)
    {
        if (name == "halvipZR9.dat")
            continue; // the settings are written at every shutdown
        ASSERT_GT (before.count (name), 0u) << name << " was made by an instance that changed nothing";
        EXPECT_EQ (before.at (name), stamp) << name << " was written by an instance that changed nothing";
    }
    EXPECT_FALSE (file ("ZR9_Song_Data.dat").exists()) << "an empty song bank leaves no file";
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ (nameOnDisk (1025 + i), fetchedNames[i]);
}

TEST_F (TwoInstances, RecordsEachInstanceChangedAreAllKeptAndTheLaterWriteWinsANumberBothChanged)
{
    a->fetch (typeProgram, 1025, 1027);

    // b, which has not looked at the file since, keeps programs of its own off line through the write dialog.
    // The dialog lives in a block of its own: it must be gone before b is.
    {
        WriteTarget target;
        target.recordFor = [] (const std::string& name) { return makeRecord (name, 300); };
        WriteSnd dialog (b->controller(), std::move (target), [&] (int type) { b->processor->saveLibraryBank (type); });
        dialog.show (0, 1024, WriteSnd::modeStore);
        ASSERT_EQ (dialog.destination(), 1025) << "b has not seen a's programs yet";
        dialog.setDestination (1031);
        dialog.setName ("Written in B");
        dialog.writePressed();
        ASSERT_EQ (dialog.lastCode(), WriteSnd::writtenCode);
        EXPECT_EQ (nameOnDisk (1031), "Written in B");
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ (nameOnDisk (1025 + i), fetchedNames[i]) << "a's fetch is kept";
        EXPECT_EQ (b->programs().name (1026), "Warm Tines Chorus   ") << "the merge came into b's bank too";
    }

    // Both change 1026 (a first, b later) and each one other number.
    a->keepProgram (1026, "Changed by A");
    a->keepProgram (1040, "Only A");
    b->keepProgram (1026, "Changed by B");
    b->keepProgram (1041, "Only B");
    EXPECT_EQ (nameOnDisk (1026), "Changed by B") << "the later write wins that number";
    EXPECT_EQ (nameOnDisk (1040), "Only A");
    EXPECT_EQ (nameOnDisk (1041), "Only B");
    EXPECT_EQ (nameOnDisk (1025), fetchedNames[0]);
    EXPECT_EQ (nameOnDisk (1031), "Written in B");

    // a follows within a second and, ending, writes nothing over b's work.
    a->watchOnce();
    EXPECT_EQ (a->programs().name (1026), "Changed by B        ");
    EXPECT_FALSE (a->files().bankSync (typeProgram)->hasUnwrittenChanges());
    a.reset();
    b.reset();
    EXPECT_EQ (nameOnDisk (1026), "Changed by B");
    EXPECT_EQ (nameOnDisk (1041), "Only B");
}

TEST_F (TwoInstances, AFetchShowsInTheOtherInstancesOpenProgramSelectorWithinASecond)
{
    PrgSelClass selector (b->controller(), b->files().favorites());
    selector.setSize (992, 710);
    selector.setVisible (true);
    selector.openOn (1);
    ASSERT_EQ (selector.list().find (1025), nullptr);

    a->fetch (typeProgram, 1025, 1027);
    b->clock->step (LibraryFiles::watchIntervalMs - 1);
    b->controller().deliverModelChanges();
    runMessageLoopFor (20);
    EXPECT_EQ (selector.list().find (1025), nullptr) << "no look before the second is over";

    b->watchOnce();
    ASSERT_TRUE (runMessageLoopUntil ([&] { return selector.list().find (1027) != nullptr; }));
    EXPECT_EQ (selector.list().find (1025)->name, fetchedNames[0]);
    EXPECT_EQ (b->files().notices().recent().joinIntoString ("|"),
               "ZR9_ProgramData.dat changed in another instance: 3 objects read in");
}

TEST_F (TwoInstances, FavouritesAndArrangementLibrariesChangedInBothKeepBothVersionsAndSaySo)
{
    MainComp window (*b->processor);
    FavoriteCont favouritesA (a->controller(), a->files().favorites(), FavoriteCont::modePrograms);
    FavoriteCont favouritesB (b->controller(), b->files().favorites(), FavoriteCont::modePrograms);
    ASSERT_TRUE (favouritesA.assign (0, FavoritesBlock::kindProgram, 5));
    // b assigns before its panel looked at the file again.
    ASSERT_TRUE (favouritesB.assign (1, FavoritesBlock::kindProgram, 7));

    const auto copies = folder.libraryFile ({}).findChildFiles (juce::File::findFiles, false, "Favorites *.dat");
    ASSERT_EQ (copies.size(), 1);
    const auto kept = copies[0];
    EXPECT_EQ (kept, b->files().favorites()->lastDatedCopy());
    juce::MemoryBlock theirs, mine;
    kept.loadFileAsData (theirs);
    file ("Favorites.dat").loadFileAsData (mine);
    ASSERT_EQ (theirs.getSize(), 96u);
    EXPECT_EQ (static_cast<const std::uint8_t*> (theirs.getData())[2], 5) << "a's slot 1 in a's version";
    EXPECT_EQ (static_cast<const std::uint8_t*> (mine.getData())[5], 7) << "b's slot 2 in the file";
    EXPECT_EQ (static_cast<const std::uint8_t*> (mine.getData())[2], 0);
    EXPECT_EQ (window.footer().statusText(),
               "Favorites.dat was changed in another instance too: its version is kept as \"" + kept.getFileName() + "\"");

    // a's panel shows b's version within a second.
    a->clock->step (FavoriteCont::fileCheckMs);
    EXPECT_EQ (favouritesA.button (1).number(), 7);

    // The arrangement library: both managers open, both add an entry; a closes first, then b.
    const auto rock = ArrangementState::make (Factory_Banks_ZR9::arrangementBank().slice (2 * arrangement::recordSize, arrangement::recordSize));
    auto files = std::make_shared<ScriptedFileMan>();
    auto pageA = std::make_unique<LibClass> (a->controller(), *a->processor, files, file (WorkingLibraryFile::fileName), a->files().access());
    auto pageB = std::make_unique<LibClass> (b->controller(), *b->processor, files, file (WorkingLibraryFile::fileName), b->files().access());
    pageA->library().add (U"From A", ByteView (rock));
    pageB->library().add (U"From B", ByteView (rock));
    pageA.reset();
    ASSERT_TRUE (file (WorkingLibraryFile::fileName).existsAsFile());
    pageB.reset();

    const auto lists = folder.libraryFile ({}).findChildFiles (juce::File::findFiles, false, "Lib *.zr9arrlib");
    ASSERT_EQ (lists.size(), 1);
    const auto read = [] (const juce::File& f) { return readListFile (f).entries; };
    ASSERT_EQ (read (lists[0]).size(), 1u);
    EXPECT_EQ (libentry::name (ByteView (read (lists[0])[0])), "From A") << "a's version kept beside";
    ASSERT_EQ (read (file (WorkingLibraryFile::fileName)).size(), 1u);
    EXPECT_EQ (libentry::name (ByteView (read (file (WorkingLibraryFile::fileName))[0])), "From B") << "b's written";
    EXPECT_EQ (window.footer().statusText(),
               "Lib.zr9arrlib was changed in another instance too: its version is kept as \"" + lists[0].getFileName() + "\"");
}

TEST_F (TwoInstances, AnOpenLibraryPageFollowsTheOtherInstancesList)
{
    const auto edm = ArrangementState::make (Factory_Banks_ZR9::arrangementBank().slice (0, arrangement::recordSize));
    auto files = std::make_shared<ScriptedFileMan>();
    LibClass pageB (b->controller(), *b->processor, files, file (WorkingLibraryFile::fileName), b->files().access());
    {
        LibClass pageA (a->controller(), *a->processor, files, file (WorkingLibraryFile::fileName), a->files().access());
        pageA.library().add (U"Gig one", ByteView (edm));
        pageA.library().add (U"Gig two", ByteView (edm));
    }
    ASSERT_EQ (pageB.library().size(), 0);
    b->clock->step (LibClass::followMs);
    ASSERT_EQ (pageB.library().size(), 2);
    EXPECT_EQ (pageB.library().name (1), "Gig two");
    EXPECT_EQ (pageB.list().rows().getModel()->getNumRows(), 2) << "the list shows them";
}

TEST_F (TwoInstances, AGarbageBankFileDroppedInWhileBothRunIsKeptAsideAndNeverMerged)
{
    a->fetch (typeProgram, 1025, 1027);
    b->watchOnce();
    const auto bankBefore = b->programs().bank().bytes();

    juce::Random random (23);
    juce::MemoryBlock garbage (300000);
    random.fillBitsRandomly (garbage.getData(), garbage.getSize());
    ASSERT_TRUE (file ("ZR9_ProgramData.dat").replaceWithData (garbage.getData(), garbage.getSize()));

    a->watchOnce(); // the first look waits: a copy may still be coming in
    EXPECT_FALSE (file ("ZR9_ProgramData.dat.unreadable").exists());
    a->watchOnce();
    ASSERT_TRUE (file ("ZR9_ProgramData.dat.unreadable").existsAsFile());
    juce::MemoryBlock kept;
    file ("ZR9_ProgramData.dat.unreadable").loadFileAsData (kept);
    EXPECT_EQ (kept, garbage) << "kept whole";
    EXPECT_TRUE (bankmerge::isWholeBank (typeProgram, ByteView (programFile().bytes()))) << "a's library written in its place";
    EXPECT_EQ (nameOnDisk (1025), fetchedNames[0]);

    b->watchOnce();
    b->watchOnce();
    EXPECT_EQ (b->programs().bank().bytes(), bankBefore) << "nothing of the garbage came into b";
    EXPECT_EQ (folder.libraryFile ({}).findChildFiles (juce::File::findFiles, false, "*.unreadable").size(), 1) << "kept once";
    EXPECT_TRUE (a->files().notices().recent().joinIntoString ("|").contains ("ZR9_ProgramData.dat was not a bank: kept as"));

    // A bank cut short is no bank either.
    const auto whole = programFile().bytes();
    ASSERT_TRUE (file ("ZR9_ProgramData.dat").replaceWithData (whole.data(), whole.size() - 5000));
    b->watchOnce();
    b->watchOnce();
    EXPECT_EQ (b->programs().bank().bytes(), bankBefore);
    EXPECT_TRUE (bankmerge::isWholeBank (typeProgram, ByteView (programFile().bytes())));
    EXPECT_EQ (folder.libraryFile ({}).findChildFiles (juce::File::findFiles, false, "*.unreadable").size(), 2);
}
