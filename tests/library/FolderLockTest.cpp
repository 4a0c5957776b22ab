// The lock on the library folder: two instances never hold it at once,
// holding is counted, and a lock left by a killed instance is taken over.

#include "library/FolderLock.h"
#include "support/TestHelpers.h"
#include "support/LibraryWriterProgram.h"

#include <gtest/gtest.h>

using namespace zr9;
using namespace zr9::test;

TEST (FolderLock, TwoInstancesNeverHoldItAtOnceAndHoldingIsCounted)
{
    TempFolder folder;
    const auto library = folder.path().getChildFile ("Library");
    FolderLock a (library), b (library);
    {
        auto outer = a.acquire (0);
        ASSERT_TRUE (outer.held());
        EXPECT_TRUE (library.getChildFile (FolderLock::fileName).existsAsFile()) << "the folder and the lock file are made";
        EXPECT_EQ (b.acquire (0).state(), FolderLock::State::busy);
        {
            auto inner = a.acquire (0);
            EXPECT_TRUE (inner.held()) << "code that holds the lock may take it again";
        }
        EXPECT_TRUE (a.isHeld());
        const auto started = juce::Time::getMillisecondCounter();
        auto waited = b.acquire (50);
        EXPECT_FALSE (waited.mayWrite());
        EXPECT_GE (juce::Time::getMillisecondCounter() - started, 50u) << "it waits as long as asked";
    }
    EXPECT_FALSE (a.isHeld());
    EXPECT_TRUE (b.acquire (0).held());

    // Where no lock file can be made there is nobody to keep out: writing may go ahead (and will fail by itself).
    const auto notAFolder = folder.path().getChildFile ("plain file");
    notAFolder.replaceWithText ("x");
    FolderLock nowhere (notAFolder);
    auto none = nowhere.acquire (0);
    EXPECT_EQ (none.state(), FolderLock::State::unavailable);
    EXPECT_TRUE (none.mayWrite());
    FolderLock missing (folder.path().getChildFile ("no such folder"));
    EXPECT_EQ (missing.acquireIfFolderExists (0).state(), FolderLock::State::unavailable);
    EXPECT_FALSE (folder.path().getChildFile ("no such folder").exists()) << "a look creates nothing";
}

TEST (FolderLock, ALockLeftByAKilledInstanceIsTakenOver)
{
    TempFolder folder;
    const auto library = folder.path().getChildFile ("Library");
    ASSERT_TRUE (library.createDirectory());
    juce::ChildProcess other;
    ASSERT_TRUE (other.start (juce::StringArray { zr9::test::libraryWriterProgram(), library.getFullPathName(), "hold" }, 0));
    ASSERT_TRUE (waitForOtherProcess ([&] { return library.getChildFile ("holding").existsAsFile(); })) << "the other instance took the lock";

    FolderLock mine (library);
    EXPECT_EQ (mine.acquire (0).state(), FolderLock::State::busy);
    ASSERT_TRUE (other.kill());
    other.waitForProcessToFinish (5000);
    EXPECT_TRUE (library.getChildFile (FolderLock::fileName).existsAsFile()) << "the killed instance left its lock file";
    EXPECT_TRUE (mine.acquire (2000).held());
}
