#include "library/BankFiles.h"
#include "model/FactoryBanks.h"
#include "support/BankBuilder.h"
#include "support/TestHelpers.h"

#include <gtest/gtest.h>

using namespace zr9;
using namespace zr9::test;

TEST (BankFiles, StartupBanksComeFromTheirFilesOrTheFactoryImages)
{
    TempFolder folder;
    const LibraryFolder library (folder.path());
    const auto userKeyMaps = makeFullBank (typeKeyMap, 3, { { 2, makeRecord ("My Split", 60) } });
    ASSERT_TRUE (writeDataFile (library.file (bankFileName (typeKeyMap)), userKeyMaps.data(), userKeyMaps.size()));
    library.file (bankFileName (typeProgram)).replaceWithText (""); // an empty file counts as missing
    library.file (bankFileName (typeSetup)).replaceWithText ("no bank at all");
    auto cutSongs = makeFullBank (typeSong, 4, { { 1, makeRecord ("Evening Set", 300) } });
    cutSongs.resize (cutSongs.size() - 3);
    ASSERT_TRUE (writeDataFile (library.file (bankFileName (typeSong)), cutSongs.data(), cutSongs.size()));

    RK2Class model;
    const auto reads = loadStartupBanks (model, library, true);
    EXPECT_EQ (model.keyMap.bank().bytes(), userKeyMaps);
    EXPECT_EQ (model.keyMap.bank().name (2), "My Split            ");
    EXPECT_EQ (model.keyMap.bank().cap(), 8192);
    EXPECT_EQ (model.programBank().bank().bytes().size(), Factory_Banks_ZR9::image (typeProgram).size());
    EXPECT_EQ (model.programBank().bank().cap(), 2048);
    EXPECT_EQ (model.arpeggiator.bank().cap(), 2047);
    EXPECT_EQ (model.song.bank().cap(), 2560) << "without a file, songs start as a bank of empty slots";
    EXPECT_FALSE (model.song.bank().exists (1)) << "a bank cut short is never indexed";
    EXPECT_EQ (model.setupBank().bank().bytes().size(), Factory_Banks_ZR9::image (typeSetup).size()) << "nor is a file that is no bank";
    EXPECT_TRUE (reads.at (typeSetup).heldNoBank);
    EXPECT_TRUE (reads.at (typeSong).heldNoBank);
    EXPECT_FALSE (reads.at (typeKeyMap).heldNoBank);
    EXPECT_FALSE (reads.at (typeProgram).heldNoBank) << "an empty file is a missing one";
    EXPECT_TRUE (reads.at (typeKeyMap).stamp.exists);
    EXPECT_FALSE (reads.at (typeAlgorithm).stamp.exists);

    RK2Class factoryOnly;
    loadStartupBanks (factoryOnly, library, false);
    EXPECT_EQ (factoryOnly.keyMap.bank().bytes().size(), Factory_Banks_ZR9::image (typeKeyMap).size());
}
