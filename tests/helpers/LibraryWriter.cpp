// A second instance in a process of its own, for the tests that kill one:
//
//   zr9_library_writer FOLDER hold    takes the library folder's lock, says so
//                                     with the file FOLDER/holding, and keeps it
//   zr9_library_writer FOLDER write   writes the program bank file over and over,
//                                     generation after generation, through the
//                                     program's own lock and bank file code
//
// Both run until they are killed. In every generation each of the 2,048
// programs carries the generation's number, so a file made of two
// generations shows as a mix.

#include "library/BankFileSync.h"
#include "library/FolderLock.h"
#include "library/LibraryFolder.h"
#include "model/BlankBank.h"
#include "model/ObjBankHolderBase.h"
#include "support/BankBuilder.h"

#include <cstdio>
#include <map>

using namespace zr9;

namespace
{
constexpr int programCap = 2048;
constexpr int recordSize = 400;

Bytes generationBank (int generation)
{
    std::map<int, Bytes> records;
    char name[32];
    std::snprintf (name, sizeof (name), "Generation %09d", generation);
    for (int n = 1; n <= programCap; ++n)
        records[n] = test::makeRecord (name, recordSize);
    return test::makeFullBank (typeProgram, programCap + 1, records);
}

int hold (const juce::File& folder)
{
    FolderLock lock (folder);
    auto held = lock.acquire (10000);
    if (! held.held())
        return 2;
    if (! folder.getChildFile ("holding").replaceWithText ("held"))
        return 3;
    for (;;)
        juce::Thread::sleep (1000);
}

int write (const juce::File& folder)
{
    FolderLock lock (folder);
    ObjBankHolder programs (typeProgram);
    programs.indexBank (ByteView (blankBankImage (typeProgram, programCap + 1)), programCap);
    BankFileSync sync (programs, folder.getChildFile ("ZR9_ProgramData.dat"));
    for (int generation = 1;; ++generation)
    {
        programs.indexBank (ByteView (generationBank (generation)), programCap);
        auto held = lock.acquire (FolderLock::writeWaitMs);
        if (held.mayWrite())
            sync.save();
    }
}
} // namespace

int main (int argc, char** argv)
{
    if (argc != 3)
    {
        std::fprintf (stderr, "usage: zr9_library_writer FOLDER hold|write\n");
        return 1;
    }
    const juce::File folder (juce::String::fromUTF8 (argv[1]));
    const juce::String mode (argv[2]);
    if (mode == "hold")
        return hold (folder);
    if (mode == "write")
        return write (folder);
    return 1;
}
