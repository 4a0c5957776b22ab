#include "library/LibraryFolder.h"
#include "support/TestHelpers.h"

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

using namespace zr9;
using namespace zr9::test;

TEST (LibraryFolder, PathsLieInLibraryZr9BelowTheBase)
{
    TempFolder folder;
    const LibraryFolder library (folder.path());
    EXPECT_EQ (library.file ("halvipZR9.dat"), folder.path().getChildFile ("Library/ZR9/halvipZR9.dat"));
    EXPECT_FALSE (library.folder().exists()) << "nothing is created before the first write";
    EXPECT_EQ (LibraryFolder().base(), juce::File::getSpecialLocation (juce::File::userDocumentsDirectory));
}

TEST (LibraryFolder, WriterCreatesFoldersReplacesAndRemovesOnZeroBytes)
{
    TempFolder folder;
    const auto file = LibraryFolder (folder.path()).file ("data.dat");
    ASSERT_TRUE (writeDataFile (file, "first", 5));
    EXPECT_EQ (file.loadFileAsString(), "first");
    ASSERT_TRUE (writeDataFile (file, "second!", 7));
    EXPECT_EQ (file.loadFileAsString(), "second!");
    EXPECT_EQ (file.getParentDirectory().getNumberOfChildFiles (juce::File::findFilesAndDirectories, "*"), 1)
        << "no temporary file is left behind";

    EXPECT_TRUE (writeDataFile (file, "", 0));
    EXPECT_FALSE (file.exists());
    EXPECT_TRUE (writeDataFile (file, "", 0)) << "removing a missing file is fine";

    const auto data = readDataFile (file);
    EXPECT_EQ (data.getSize(), 0u);
}

TEST (LibraryFolder, AFailedWriteKeepsTheOldContent)
{
    TempFolder folder;
    const auto file = folder.path().getChildFile ("keep.dat");
    ASSERT_TRUE (writeDataFile (file, "old content", 11));

    // Make every write beyond 64 bytes fail, as a full disk would.
    const auto previousHandler = std::signal (SIGXFSZ, SIG_IGN);
    rlimit old {};
    getrlimit (RLIMIT_FSIZE, &old);
    rlimit small = old;
    small.rlim_cur = 64;
    ASSERT_EQ (setrlimit (RLIMIT_FSIZE, &small), 0);

    const std::string big (10000, 'x');
    const bool written = writeDataFile (file, big.data(), big.size());

    setrlimit (RLIMIT_FSIZE, &old);
    std::signal (SIGXFSZ, previousHandler);

    EXPECT_FALSE (written);
    EXPECT_EQ (file.loadFileAsString(), "old content");
    EXPECT_EQ (folder.path().getNumberOfChildFiles (juce::File::findFilesAndDirectories, "*"), 1);
}

TEST (LibraryFolder, WriterReportsAFolderThatCannotBeMade)
{
    TempFolder folder;
    folder.path().getChildFile ("Library").replaceWithText ("a file where the folder should be");
    const auto file = LibraryFolder (folder.path()).file ("x.dat");
    EXPECT_FALSE (writeDataFile (file, "abc", 3));
}
