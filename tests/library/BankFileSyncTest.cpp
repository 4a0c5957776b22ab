// One bank and its data file, as two instances share it: what is written
// when, what is merged, what is read again, and a file that is not a bank.

#include "library/BankFileSync.h"
#include "library/LibraryFolder.h"
#include "model/BankMerge.h"
#include "support/BankBuilder.h"
#include "support/TestHelpers.h"

#include <gtest/gtest.h>

using namespace zr9;
using namespace zr9::test;

namespace
{
constexpr int cap = 30;

/** One instance's side of a bank file: its holder, read from the file as start-up reads it. */
struct SyncedInstance
{
    SyncedInstance (int type, const juce::File& file, const Bytes& fallback) : holder (static_cast<ObjectTypeId> (type)), sync (holder, file)
    {
        // As start-up reads it: a file that is no whole bank counts as missing.
        const auto read = readStamped (file);
        const ByteView bytes (static_cast<const std::uint8_t*> (read.bytes.getData()), read.bytes.getSize());
        const bool whole = bankmerge::isWholeBank (type, bytes);
        holder.indexBank (whole ? bytes : ByteView (fallback), cap);
        sync.takeAsRead (read.stamp, ! bytes.empty() && ! whole);
    }

    void store (int n, const Bytes& record) { ASSERT_TRUE (holder.storeRecord (n, ByteView (record))); }
    const BankIndex& bank() const { return holder.bank(); }

    ObjBankHolder holder;
    BankFileSync sync;
};

struct SharedBankFile : ::testing::Test
{
    juce::File file (int type = typeProgram) const { return folder.libraryFile (type == typeProgram ? "ZR9_ProgramData.dat" : "ZR9_Song_Data.dat"); }
    std::unique_ptr<SyncedInstance> start (int type = typeProgram) { return std::make_unique<SyncedInstance> (type, file (type), initial (type)); }
    Bytes initial (int type) const { return makeFullBank (type, cap + 1, { { 2, makeRecord ("Factory Two", 40) } }); }

    BankIndex onDisk (int type = typeProgram) const
    {
        const auto block = readDataFile (file (type));
        BankIndex b;
        b.index (type, ByteView (static_cast<const std::uint8_t*> (block.getData()), block.getSize()), cap);
        return b;
    }
    void writeRaw (const Bytes& bytes, int type = typeProgram) const
    {
        file (type).getParentDirectory().createDirectory();
        ASSERT_TRUE (file (type).replaceWithData (bytes.data(), bytes.size()));
    }

    TempFolder folder;
};

using Kind = BankFileSync::Outcome::Kind;
} // namespace

TEST_F (SharedBankFile, ABankNobodyChangedIsNeverWrittenAndAChangedOneIsWrittenWhole)
{
    auto a = start();
    EXPECT_EQ (a->sync.save().kind, Kind::nothing);
    EXPECT_FALSE (file().exists()) << "the factory bank is not written for nothing";

    a->store (7, makeRecord ("Seven", 50));
    EXPECT_TRUE (a->sync.hasUnwrittenChanges());
    const auto saved = a->sync.save();
    EXPECT_EQ (saved.kind, Kind::written);
    EXPECT_EQ (saved.ours, 1);
    EXPECT_EQ (onDisk().bytes(), a->bank().bytes());
    EXPECT_FALSE (a->sync.hasUnwrittenChanges());
    EXPECT_FALSE (a->sync.changedOnDisk()) << "its own write is no change by another instance";

    // Changed back to what the file holds: nothing to write.
    a->store (7, makeRecord ("Seven", 50));
    EXPECT_EQ (a->sync.save().kind, Kind::nothing);
}

TEST_F (SharedBankFile, AnOlderInstanceMergesItsChangesIntoWhatTheOtherWroteInsteadOfOverwritingIt)
{
    auto a = start();
    auto b = start(); // started before a wrote anything
    a->store (10, makeRecord ("A ten", 60));
    a->store (11, makeRecord ("A eleven", 60));
    a->store (5, makeRecord ("A five", 60));
    ASSERT_EQ (a->sync.save().kind, Kind::written);

    b->store (12, makeRecord ("B twelve", 60));
    b->store (5, makeRecord ("B five", 70));
    const auto saved = b->sync.save();
    EXPECT_EQ (saved.kind, Kind::merged);
    EXPECT_EQ (saved.theirs, 2);
    EXPECT_EQ (saved.both, 1);

    const auto disk = onDisk();
    EXPECT_EQ (disk.name (10), "A ten               ");
    EXPECT_EQ (disk.name (11), "A eleven            ");
    EXPECT_EQ (disk.name (12), "B twelve            ");
    EXPECT_EQ (disk.name (5), "B five              ") << "the later write wins the number both changed";
    EXPECT_EQ (disk.name (2), "Factory Two         ");
    EXPECT_EQ (b->bank().bytes(), disk.bytes()) << "the merge becomes the bank, so the selectors show it";
    EXPECT_FALSE (b->sync.hasUnwrittenChanges());
}

TEST_F (SharedBankFile, TheWatchReadsAnotherInstancesFileAndKeepsUnwrittenChangesOnTop)
{
    auto a = start();
    auto b = start();
    a->store (20, makeRecord ("Fetched by A", 80));
    ASSERT_EQ (a->sync.save().kind, Kind::written);

    // b changed nothing: the file becomes its bank.
    EXPECT_TRUE (b->sync.changedOnDisk());
    auto followed = b->sync.follow();
    EXPECT_EQ (followed.kind, Kind::followed);
    EXPECT_EQ (followed.theirs, 1);
    EXPECT_EQ (b->bank().name (20), "Fetched by A        ");
    EXPECT_FALSE (b->sync.hasUnwrittenChanges());
    EXPECT_EQ (b->sync.follow().kind, Kind::nothing) << "read once";

    // Now b has a change of its own when a writes again: both stay, b's still to be written.
    b->store (21, makeRecord ("B's own", 40));
    a->store (22, makeRecord ("A again", 40));
    ASSERT_EQ (a->sync.save().kind, Kind::written) << "b has written nothing: nothing to merge";
    followed = b->sync.follow();
    EXPECT_EQ (followed.kind, Kind::followed);
    EXPECT_EQ (b->bank().name (22), "A again             ");
    EXPECT_EQ (b->bank().name (21), "B's own             ");
    EXPECT_TRUE (b->sync.hasUnwrittenChanges());
    EXPECT_FALSE (onDisk().exists (21));

    ASSERT_EQ (b->sync.save().kind, Kind::written) << "nothing new on disk since it was read";
    EXPECT_EQ (onDisk().name (21), "B's own             ");
    EXPECT_EQ (onDisk().name (22), "A again             ");
}

TEST_F (SharedBankFile, AFileThatIsNotABankIsKeptAsideNeverMergedAndReplacedByThisBank)
{
    auto a = start();
    a->store (3, makeRecord ("Mine", 40));
    ASSERT_EQ (a->sync.save().kind, Kind::written);
    const auto mine = a->bank().bytes();

    const std::string junk = "this is no bank at all";
    writeRaw (Bytes (junk.begin(), junk.end()));
    EXPECT_EQ (a->sync.follow().kind, Kind::waiting) << "a file that may still be copied in gets another look";
    const auto kept = a->sync.follow();
    EXPECT_EQ (kept.kind, Kind::keptAside);
    EXPECT_EQ (kept.keptAs.getFileName(), "ZR9_ProgramData.dat.unreadable");
    EXPECT_EQ (kept.keptAs.loadFileAsString(), juce::String (junk));
    EXPECT_EQ (a->bank().bytes(), mine) << "nothing of it came into the bank";
    EXPECT_EQ (onDisk().bytes(), mine) << "this bank stands in its place";

    // A bank cut short while this instance has changes: kept aside at the save, never merged.
    a->store (4, makeRecord ("Four", 40));
    auto cut = makeFullBank (typeProgram, cap + 1, { { 9, makeRecord ("Half", 300) } });
    cut.resize (cut.size() / 2);
    writeRaw (cut);
    const auto saved = a->sync.save();
    EXPECT_EQ (saved.kind, Kind::keptAside);
    EXPECT_EQ (saved.keptAs.getFileName(), "ZR9_ProgramData.dat (2).unreadable") << "the first one kept is not replaced";
    EXPECT_EQ (onDisk().name (4), "Four                ");
    EXPECT_FALSE (onDisk().exists (9));
}

TEST_F (SharedBankFile, AVanishedFileIsWrittenAgainAtTheNextChange)
{
    auto a = start();
    a->store (3, makeRecord ("Three", 40));
    ASSERT_EQ (a->sync.save().kind, Kind::written);
    ASSERT_TRUE (file().deleteFile());

    EXPECT_EQ (a->sync.follow().kind, Kind::vanished);
    EXPECT_EQ (a->bank().name (3), "Three               ") << "the bank stays as it was";
    EXPECT_EQ (a->sync.save().kind, Kind::nothing) << "nothing changed: nothing written";
    EXPECT_FALSE (file().exists());

    a->store (4, makeRecord ("Four", 40));
    EXPECT_EQ (a->sync.save().kind, Kind::written);
    EXPECT_EQ (onDisk().name (3), "Three               ") << "written whole, not only the change";
    EXPECT_EQ (onDisk().name (4), "Four                ");
}

TEST_F (SharedBankFile, ASongBankWithoutAnySongLeavesNoFile)
{
    auto a = std::make_unique<SyncedInstance> (typeSong, file (typeSong), makeFullBank (typeSong, cap + 1, {}));
    a->store (5, makeRecord ("Evening Set", 300));
    ASSERT_EQ (a->sync.save().kind, Kind::written);
    ASSERT_TRUE (file (typeSong).existsAsFile());

    // The instrument refused the song: the local copy goes, and with the last song the file.
    a->store (5, {});
    EXPECT_EQ (a->sync.save().kind, Kind::written);
    EXPECT_FALSE (file (typeSong).exists());
    EXPECT_FALSE (a->sync.hasUnwrittenChanges());
}

TEST (LibraryFolderWrites, AWriteLeavesNoTemporaryFileAndLeftoversOfKilledWritersAreRemovedWhenOld)
{
    TempFolder folder;
    const auto file = folder.libraryFile ("Data.dat");
    const Bytes bytes (1000, 7);
    ASSERT_TRUE (writeDataFile (file, bytes.data(), bytes.size()));
    EXPECT_EQ (file.getSize(), 1000);
    EXPECT_EQ (file.getParentDirectory().getNumberOfChildFiles (juce::File::findFiles), 1) << "only the file itself";

    const auto leftover = file.getSiblingFile (".Data.dat.0badc0de.part");
    const auto recent = file.getSiblingFile (".Data.dat.00000001.part");
    leftover.replaceWithText ("half");
    recent.replaceWithText ("being written");
    leftover.setLastModificationTime (juce::Time::getCurrentTime() - juce::RelativeTime::hours (2));
    EXPECT_EQ (removeUnfinishedWrites (file.getParentDirectory(), juce::RelativeTime::hours (1)), 1);
    EXPECT_FALSE (leftover.exists());
    EXPECT_TRUE (recent.exists()) << "a write may still be under way";
    EXPECT_TRUE (file.exists());
}

TEST_F (SharedBankFile, AFileThatHeldNoBankAtStartUpIsLeftAloneUntilAChangeAndThenKeptAside)
{
    const std::string junk = "not a bank, found at start-up";
    writeRaw (Bytes (junk.begin(), junk.end()));
    auto a = start();
    EXPECT_EQ (a->sync.save().kind, Kind::nothing);
    EXPECT_EQ (file().loadFileAsString(), juce::String (junk)) << "nothing changed: the file stays as it was found";

    a->store (3, makeRecord ("Three", 40));
    const auto saved = a->sync.save();
    EXPECT_EQ (saved.kind, Kind::keptAside);
    EXPECT_EQ (saved.keptAs.loadFileAsString(), juce::String (junk)) << "kept whole before this bank replaced it";
    EXPECT_TRUE (bankmerge::isWholeBank (typeProgram, ByteView (onDisk().bytes())));
    EXPECT_EQ (onDisk().name (3), "Three               ");

    a->store (4, makeRecord ("Four", 40));
    EXPECT_EQ (a->sync.save().kind, Kind::written) << "kept aside once";
    EXPECT_EQ (folder.libraryFile ({}).findChildFiles (juce::File::findFiles, false, "*.unreadable").size(), 1);
}
