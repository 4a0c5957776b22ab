// An instance killed (SIGKILL) in the middle of writing the program bank
// file: the file is the old or the new version, never a mix, and the other
// instance goes on reading and writing the folder.

#include "library/LibraryFiles.h"
#include "model/BankMerge.h"
#include "support/BankBuilder.h"
#include "support/LibraryWriterProgram.h"
#include "support/ProcessorFixture.h"

#include <gtest/gtest.h>

using namespace zr9;
using namespace zr9::test;

namespace
{
constexpr int programCap = 2048;

/** The generation every program of the file carries (see tests/helpers/LibraryWriter.cpp); -1 for a file that is not one whole generation. */
int generationOf (const juce::File& file)
{
    juce::MemoryBlock block;
    if (! file.loadFileAsData (block))
        return -1;
    const ByteView bytes (static_cast<const std::uint8_t*> (block.getData()), block.getSize());
    if (! bankmerge::isWholeBank (typeProgram, bytes))
        return -1;
    BankIndex bank;
    bank.index (typeProgram, bytes, programCap);
    const auto first = bank.name (1);
    for (int n = 2; n <= programCap; ++n)
        if (bank.name (n) != first)
            return -1;
    return juce::String (first).fromLastOccurrenceOf (" ", false, false).getIntValue();
}

juce::Array<juce::File> unfinishedWrites (const juce::File& folder)
{
    return folder.findChildFiles (juce::File::findFiles, false, ".*.part");
}
} // namespace

TEST (KilledInstance, AKillInTheMiddleOfAWriteLeavesTheOldOrTheNewFileAndTheOtherInstanceGoesOn)
{
    TempFolder folder;
    auto options = processorOptions (folder, std::make_shared<FakeMidiPorts>(), std::make_shared<ManualClock>(), Files::kept);
    options.useDevices = false;
    auto clock = std::static_pointer_cast<ManualClock> (options.clock);
    RevuDIAudioProcessor survivor (options);

    const auto library = folder.libraryFile ({});
    ASSERT_TRUE (library.createDirectory());
    const auto bankFile = library.getChildFile ("ZR9_ProgramData.dat");
    int killedWhileWriting = 0;
    int lastGeneration = 0;
    for (int round = 0; round < 6; ++round)
    {
        juce::ChildProcess other;
        ASSERT_TRUE (other.start (juce::StringArray { zr9::test::libraryWriterProgram(), library.getFullPathName(), "write" }, 0));
        // It writes one version after another; the kill comes while a temporary file shows a write under way.
        const auto before = stampOf (bankFile);
        ASSERT_TRUE (waitForOtherProcess ([&] { return stampOf (bankFile).exists && stampOf (bankFile) != before; }));
        const auto leftBefore = unfinishedWrites (library).size();
        waitForOtherProcess ([&] { return unfinishedWrites (library).size() > leftBefore; });
        ASSERT_TRUE (other.kill());
        other.waitForProcessToFinish (5000);
        if (unfinishedWrites (library).size() > leftBefore)
            ++killedWhileWriting;

        lastGeneration = generationOf (bankFile);
        EXPECT_GT (lastGeneration, 0) << "round " << round << ": the file is one whole version";
    }
    EXPECT_GT (killedWhileWriting, 0) << "at least one kill fell inside a write";

    // The survivor reads the last whole version, and writes under the lock the killed one left.
    clock->step (LibraryFiles::watchIntervalMs);
    auto& programs = survivor.controller().model().programBank();
    EXPECT_EQ (juce::String (programs.name (programCap)).fromLastOccurrenceOf (" ", false, false).getIntValue(), lastGeneration);
    ASSERT_TRUE (programs.storeRecord (7, ByteView (makeRecord ("Survivor", 300))));
    survivor.saveLibraryBank (typeProgram);
    EXPECT_FALSE (survivor.libraryFiles().bankSync (typeProgram)->hasUnwrittenChanges()) << "written";
    BankIndex onDisk;
    const auto block = readDataFile (bankFile);
    onDisk.index (typeProgram, ByteView (static_cast<const std::uint8_t*> (block.getData()), block.getSize()), programCap);
    EXPECT_EQ (onDisk.name (7), "Survivor            ");
    EXPECT_EQ (onDisk.name (8), programs.name (8));
}
