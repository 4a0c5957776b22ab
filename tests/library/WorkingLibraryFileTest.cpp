#include "library/ArrangementListFiles.h"
#include "support/TestHelpers.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace zr9;
using namespace zr9::test;

namespace
{

Bytes arrangementLike (std::uint8_t fill) { return Bytes (330, fill); }

Bytes contentOf (const juce::File& file)
{
    juce::MemoryBlock block;
    file.loadFileAsData (block);
    const auto* p = static_cast<const std::uint8_t*> (block.getData());
    return Bytes (p, p + block.getSize());
}

void writeBytes (const juce::File& file, const Bytes& bytes)
{
    file.getParentDirectory().createDirectory();
    file.replaceWithData (bytes.data(), bytes.size());
}

struct WorkingFileFixture : ::testing::Test
{
    /** Writes a working file of n entries named "Entry 1" ... and returns its bytes. */
    Bytes workingFileOf (int n)
    {
        ArrangementLibrary library;
        for (int i = 1; i <= n; ++i)
            library.add (u32 ("Entry " + std::to_string (i)), ByteView (arrangementLike ((std::uint8_t) i)));
        const auto bytes = arrlist::encode (library.entries());
        writeBytes (path, bytes);
        return bytes;
    }

    TempFolder folder;
    juce::File path = folder.libraryFile (WorkingLibraryFile::fileName);
};
} // namespace

TEST_F (WorkingFileFixture, ClosingWritesTheListBackAndClearingThenClosingKeepsTheOldEntries)
{
    workingFileOf (2);
    {
        ArrangementLibrary library;
        WorkingLibraryFile working (path);
        EXPECT_EQ (working.open (library).outcome, ListFileRead::Outcome::whole);
        ASSERT_EQ (library.size(), 2);
        EXPECT_FALSE (library.isModified());
        library.add (u32 ("Third"), ByteView (arrangementLike (3)));
        EXPECT_EQ (working.close (library), ListWrite::written);
    }
    {
        ArrangementLibrary library;
        WorkingLibraryFile working (path);
        working.open (library);
        ASSERT_EQ (library.size(), 3);
        EXPECT_EQ (library.name (2), "Third");

        // An empty list is never written: the file keeps its entries, and they come back next time.
        library.clear();
        EXPECT_EQ (working.close (library), ListWrite::nothingToWrite);
    }
    ArrangementLibrary again;
    WorkingLibraryFile (path).open (again);
    EXPECT_EQ (again.size(), 3);
}

TEST_F (WorkingFileFixture, AMissingWorkingFileGivesAnEmptyListAndIsMadeWhenThereIsSomethingToKeep)
{
    ArrangementLibrary library;
    WorkingLibraryFile working (path);
    EXPECT_EQ (working.open (library).outcome, ListFileRead::Outcome::missing);
    EXPECT_TRUE (library.empty());
    EXPECT_EQ (working.close (library), ListWrite::nothingToWrite);
    EXPECT_FALSE (path.exists());

    library.add (u32 ("First"), ByteView (arrangementLike (1)));
    EXPECT_EQ (working.close (library), ListWrite::written);
    EXPECT_EQ (path.getSize(), 650);
}

TEST_F (WorkingFileFixture, AWorkingFileCutShortIsNeverReplacedByLess)
{
    auto bytes = workingFileOf (3);
    bytes.resize (bytes.size() - 100); // the third entry is cut off
    writeBytes (path, bytes);

    ArrangementLibrary library;
    WorkingLibraryFile working (path);
    EXPECT_EQ (working.open (library).outcome, ListFileRead::Outcome::cut);
    EXPECT_EQ (library.size(), 2) << "the whole entries are read";
    EXPECT_TRUE (working.needsKeeping());

    // Unchanged since it was read: the file stays exactly as it was.
    EXPECT_EQ (working.close (library), ListWrite::nothingToWrite);
    EXPECT_EQ (contentOf (path), bytes);

    // Changed: the old file is kept beside the new one first.
    library.add (u32 ("New"), ByteView (arrangementLike (9)));
    EXPECT_EQ (working.close (library), ListWrite::written);
    EXPECT_EQ (contentOf (working.keptFile()), bytes);
    ArrangementLibrary reread;
    WorkingLibraryFile (path).open (reread);
    EXPECT_EQ (reread.size(), 3);
    EXPECT_EQ (reread.name (2), "New");
}

TEST_F (WorkingFileFixture, AWorkingFileOfRandomBytesIsKeptAsideBeforeTheNewListReplacesIt)
{
    juce::Random random (18);
    Bytes noise (5000);
    for (auto& b : noise)
        b = (std::uint8_t) random.nextInt (256);
    writeBytes (path, noise);

    ArrangementLibrary library;
    WorkingLibraryFile working (path);
    EXPECT_EQ (working.open (library).outcome, ListFileRead::Outcome::notAList);
    EXPECT_TRUE (library.empty());
    library.add (u32 ("Mine"), ByteView (arrangementLike (1)));
    EXPECT_EQ (working.close (library), ListWrite::written);
    EXPECT_EQ (contentOf (working.keptFile()), noise);
    EXPECT_EQ (path.getSize(), 650);
}

TEST_F (WorkingFileFixture, PickedFilesThatAreMissingUnreadableOrEmptyLeaveTheListAsItWas)
{
    ArrangementLibrary library;
    library.add (u32 ("Keep me"), ByteView (arrangementLike (1)));

    const auto folderPicked = folder.path().getChildFile ("a folder.zr9arrlib");
    folderPicked.createDirectory();
    folderPicked.getChildFile ("inside").replaceWithText ("x");
    const auto emptyList = folder.path().getChildFile ("empty.zr9arrlib");
    writeBytes (emptyList, Bytes (12, 0)); // a count of 0; shorter files hold no list at all
    // A file far larger than any list (sparse, so it costs no disk) is not read into memory.
    const auto huge = folder.path().getChildFile ("huge.zr9arrlib");
    writeBytes (huge, arrlist::encode (library.entries()));
    std::filesystem::resize_file (huge.getFullPathName().toStdString(), (std::uintmax_t) largestListFile + 1);
    const std::pair<juce::File, ListFileRead::Outcome> picks[] {
        { huge, ListFileRead::Outcome::notAList },
        { folder.path().getChildFile ("gone.zr9arrlib"), ListFileRead::Outcome::missing },
        { folderPicked, ListFileRead::Outcome::unreadable },
        { emptyList, ListFileRead::Outcome::empty },
    };
    for (const auto& [file, outcome] : picks)
    {
        auto read = readListFile (file);
        EXPECT_EQ (read.outcome, outcome) << file.getFileName();
        EXPECT_FALSE (takeListFile (library, std::move (read)));
        ASSERT_EQ (library.size(), 1);
        EXPECT_TRUE (library.isModified()) << "a list that was not replaced still has its unsaved changes";
    }

    // Writing to a place that cannot take a file fails and says so.
    EXPECT_EQ (writeListFile (folderPicked, library.entries()), ListWrite::failed);
    EXPECT_TRUE (folderPicked.isDirectory());
}
