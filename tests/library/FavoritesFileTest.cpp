#include "library/FavoritesFile.h"
#include "support/TestHelpers.h"

#include <gtest/gtest.h>

using namespace zr9;
using namespace zr9::test;

namespace
{
struct FavoritesFiles : ::testing::Test
{
    juce::File path() const { return folder.libraryFile ("Favorites.dat"); }
    void writeRaw (const Bytes& bytes) const
    {
        path().getParentDirectory().createDirectory();
        ASSERT_TRUE (path().replaceWithData (bytes.data(), bytes.size()));
    }
    TempFolder folder;
    LibraryFolder library { folder.path() };
    FavoritesFile file { library };
    FavoritesBlock block;
};
} // namespace

TEST_F (FavoritesFiles, AMissingFileGivesEmptySlotsAndTheFirstSaveWritesExactly96Bytes)
{
    block.assign (2, 1, 77);
    file.load (block);
    EXPECT_EQ (block.bytes(), Bytes (96, 0)) << "what the block held before is gone";
    EXPECT_FALSE (path().exists()) << "loading writes nothing";

    block.assign (5, 0, 1025);
    ASSERT_TRUE (file.save (block));
    juce::MemoryBlock written;
    ASSERT_TRUE (path().loadFileAsData (written));
    ASSERT_EQ (written.getSize(), 96u);
    const auto* b = static_cast<const std::uint8_t*> (written.getData());
    EXPECT_EQ (b[15], 0x00);
    EXPECT_EQ (b[16], 0x04);
    EXPECT_EQ (b[17], 0x01);
    EXPECT_FALSE (file.changedOnDisk()) << "its own write is not a change by another program";
}

TEST_F (FavoritesFiles, AFileOfAnotherLengthIsTakenAsItIsAndNeverWrittenBack)
{
    Bytes longer (100, 0);
    longer[0] = 0;
    longer[1] = 0;
    longer[2] = 42;
    longer[99] = 0xEE;
    writeRaw (longer);

    file.load (block);
    EXPECT_EQ (block.bytes().size(), 100u);
    EXPECT_EQ (block.slot (0).number, 42);
    block.assign (1, 0, 5);
    EXPECT_FALSE (file.save (block));

    juce::MemoryBlock onDisk;
    path().loadFileAsData (onDisk);
    EXPECT_EQ (onDisk.getSize(), 100u) << "the file this program does not understand stays as it was";
    EXPECT_EQ (static_cast<const std::uint8_t*> (onDisk.getData())[99], 0xEE);
}

TEST_F (FavoritesFiles, AChangeByAnotherProgramIsSeenWithoutReadingTheFile)
{
    file.load (block);
    EXPECT_FALSE (file.changedOnDisk());
    writeRaw (Bytes (96, 0));
    EXPECT_TRUE (file.changedOnDisk()) << "the file appeared";
    file.load (block);
    EXPECT_FALSE (file.changedOnDisk());

    Bytes other (96, 0);
    other[2] = 9;
    writeRaw (other);
    path().setLastModificationTime (juce::Time::getCurrentTime() + juce::RelativeTime::seconds (5));
    EXPECT_TRUE (file.changedOnDisk());
    path().deleteFile();
    EXPECT_TRUE (file.changedOnDisk()) << "the file went";
}
