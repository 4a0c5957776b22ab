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

    RK2Class model;
    loadStartupBanks (model, library, true);
    EXPECT_EQ (model.keyMap.bank().bytes(), userKeyMaps);
    EXPECT_EQ (model.keyMap.bank().name (2), "My Split            ");
    EXPECT_EQ (model.keyMap.bank().cap(), 8192);
    EXPECT_EQ (model.programBank().bank().bytes().size(), Factory_Banks_ZR9::image (typeProgram).size());
    EXPECT_EQ (model.programBank().bank().cap(), 2048);
    EXPECT_EQ (model.arpeggiator.bank().cap(), 2047);
    EXPECT_EQ (model.song.bank().cap(), 2560) << "without a file, songs start as a bank of empty slots";
    EXPECT_FALSE (model.song.bank().exists (1));

    RK2Class factoryOnly;
    loadStartupBanks (factoryOnly, library, false);
    EXPECT_EQ (factoryOnly.keyMap.bank().bytes().size(), Factory_Banks_ZR9::image (typeKeyMap).size());
}
