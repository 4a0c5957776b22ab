// Exporting the library's objects to files and importing them into another
// library: every type in the bank format, programs as a ".syx" file, and
// what an export refuses.

#include "library/BankFiles.h"
#include "library/ObjectFiles.h"
#include "model/ImportPlan.h"
#include "model/ProgramSequences.h"
#include "support/BankBuilder.h"
#include "support/TestHelpers.h"

#include <gtest/gtest.h>

using namespace zr9;
using namespace zr9::test;

namespace
{
struct Libraries : ::testing::Test
{
    Libraries()
    {
        loadStartupBanks (from, LibraryFolder (folder.path()), false);
        loadStartupBanks (into, LibraryFolder (folder.path()), false);
        // Songs, algorithms and samples start empty: give the exporting library some.
        for (const int type : { (int) typeSong, (int) typeAlgorithm, (int) typeSample })
            for (const int n : { 1, 2, 1025 })
            {
                auto record = makeRecord ("Made " + std::to_string (n), 100 + (size_t) n % 7);
                from.holderFor (type)->storeRecord (n, ByteView (record));
            }
    }

    /** Exports every object of a type from `from` and imports the file into `into` under the objects' own numbers. */
    int roundTrip (int type, objectfiles::Format format)
    {
        const auto& bank = from.holderFor (type)->bank();
        const auto file = folder.path().getChildFile ("objects" + juce::String (type));
        const auto exported = objectfiles::exportObjects (bank, bank.idList (4), format, file);
        EXPECT_TRUE (exported.error.isEmpty()) << exported.error;
        const auto contents = objectfiles::read (file);
        EXPECT_TRUE (contents.problems.empty()) << type << ": " << contents.problems.front();
        EXPECT_EQ (contents.typeId, type);
        auto& target = *into.holderFor (type);
        const auto plan = planImport (contents, target.bank(), ImportDestination::ownNumbers);
        applyImport (plan, contents, target);
        return exported.written;
    }

    TempFolder folder;
    RK2Class from, into;
};
} // namespace

TEST_F (Libraries, EveryTypeGoesToABankFileAndComesBackIntoAnotherLibraryWhole)
{
    for (const auto& info : bankTypes())
    {
        const int type = info.id;
        // The importing library holds none of them, so every object is stored.
        auto& target = *into.holderFor (type);
        for (const int n : target.bank().idList (4))
            target.storeRecord (n, ByteView());

        const int written = roundTrip (type, objectfiles::Format::bank);
        const auto& source = from.holderFor (type)->bank();
        EXPECT_EQ (written, (int) source.idList (4).size()) << type;
        EXPECT_GT (written, 0) << type;
        for (const int n : source.idList (4))
            EXPECT_EQ (target.bank().record (n), source.record (n)) << type << " " << n;
    }
}

TEST_F (Libraries, ProgramsGoToASyxFileAndComeBackUnderTheirStoredNames)
{
    auto& target = into.programBank();
    for (const int n : target.bank().idList (4))
        target.storeRecord (n, ByteView());
    EXPECT_EQ (roundTrip (typeProgram, objectfiles::Format::sysex), 260);
    const auto& source = from.programBank().bank();
    for (const int n : source.idList (4))
        EXPECT_EQ (target.bank().record (n), program::storedRecord (ByteView (source.record (n)))) << n;
}

TEST_F (Libraries, AnExportSaysWhatItCannotDoAndLeavesNoFileBehind)
{
    const auto file = folder.path().getChildFile ("multis.syx");
    auto result = objectfiles::exportObjects (from.setupBank().bank(), { 1, 2 }, objectfiles::Format::sysex, file);
    EXPECT_EQ (result.written, 0);
    EXPECT_TRUE (result.error.contains ("Multis cannot be sent"));
    EXPECT_FALSE (file.exists());

    result = objectfiles::exportObjects (from.programBank().bank(), { 300, 400 }, objectfiles::Format::bank, file);
    EXPECT_TRUE (result.error.startsWith ("Nothing to export"));
    EXPECT_FALSE (file.exists());

    const auto unwritable = folder.path().getChildFile ("a file").getChildFile ("below a file.zr9bank");
    folder.path().getChildFile ("a file").replaceWithText ("x");
    result = objectfiles::exportObjects (from.programBank().bank(), { 1 }, objectfiles::Format::bank, unwritable);
    EXPECT_TRUE (result.error.startsWith ("The file could not be written"));

    EXPECT_TRUE (objectfiles::read (folder.path().getChildFile ("missing.syx")).problems.front() == "The file does not exist.");
}
