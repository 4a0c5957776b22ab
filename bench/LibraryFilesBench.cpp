// The library's files shared by instances on one folder: merging a changed
// bank of 2,048 programs with a file another instance changed (the merge
// alone, and the whole save: lock, read, index, merge, write, flush), one
// look of the change watch at a folder nobody changed, and the shutdown of
// an instance that changed nothing (what it writes to the library, settings
// aside).

#include "BenchProcessor.h"

#include "library/BankFileSync.h"
#include "library/BankFiles.h"
#include "library/FolderLock.h"
#include "model/BankMerge.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>

using namespace zr9;

namespace
{
constexpr int programCap = 2048;
constexpr int recordSize = 460;

Bytes recordOf (const std::string& name, int seed)
{
    Bytes r ((size_t) recordSize);
    for (size_t i = 0; i < r.size(); ++i)
        r[i] = i < 20 ? (std::uint8_t) (i < name.size() ? name[i] : ' ') : (std::uint8_t) (i * 7 + (size_t) seed);
    return r;
}

/** A program bank with a record at every number from 1 to 2,048, in the bank format. */
BankIndex fullBank()
{
    const auto* info = findBankType (typeProgram);
    Bytes b (info->bankTag, info->bankTag + 10);
    for (int n = 1; n <= programCap + 1; ++n)
    {
        char digits[5];
        std::snprintf (digits, sizeof (digits), "%04d", n);
        char innerClose[10], recordClose[10];
        makeCloseTag (info->innerTag, innerClose);
        makeCloseTag (info->recordTag, recordClose);
        b.insert (b.end(), info->recordTag, info->recordTag + 10);
        b.insert (b.end(), digits, digits + 4);
        b.insert (b.end(), info->innerTag, info->innerTag + 10);
        if (n <= programCap)
        {
            const auto r = recordOf ("Program " + std::to_string (n), n);
            b.insert (b.end(), r.begin(), r.end());
        }
        b.insert (b.end(), innerClose, innerClose + 10);
        b.insert (b.end(), recordClose, recordClose + 10);
        b.insert (b.end(), digits, digits + 4);
    }
    char close[10];
    makeCloseTag (info->bankTag, close);
    b.insert (b.end(), close, close + 10);
    BankIndex bank;
    bank.index (typeProgram, std::move (b), programCap);
    return bank;
}

/** Replaces every `step`-th record from `first` on, as a fetch or a series of writes would. */
BankIndex changedEvery (const BankIndex& from, int first, int step, const std::string& by)
{
    auto b = from;
    for (int n = first; n <= programCap; n += step)
        b.store (n, ByteView (recordOf (by + " " + std::to_string (n), n + 1)));
    return b;
}

/** Both sides changed a quarter of the bank; 128 numbers on both sides. */
struct ChangedSides
{
    BankIndex base = fullBank();
    BankIndex mine = changedEvery (base, 1, 4, "Mine");
    BankIndex theirs = changedEvery (base, 2, 4, "Theirs");
    ChangedSides() { theirs = changedEvery (theirs, 1, 16, "Theirs too"); }
};

void mergeChangedProgramBanks (benchmark::State& state)
{
    static const ChangedSides sides;
    for (auto _ : state)
    {
        auto merged = bankmerge::merge (sides.base, sides.mine, sides.theirs);
        benchmark::DoNotOptimize (merged.bytes.data());
    }
    state.counters["bank_bytes"] = (double) sides.base.bytes().size();
}
BENCHMARK (mergeChangedProgramBanks)->Unit (benchmark::kMillisecond);

/** The whole save of a changed bank over a file another instance changed: lock, read, index, merge, index, write, flush. */
void saveMergingAnotherInstancesFile (benchmark::State& state)
{
    static const ChangedSides sides;
    const auto folder = bench::freshFolder();
    folder.createDirectory();
    const auto file = folder.getChildFile ("ZR9_ProgramData.dat");
    FolderLock lock (folder);
    for (auto _ : state)
    {
        state.PauseTiming();
        writeDataFile (file, sides.base.bytes().data(), sides.base.bytes().size());
        ObjBankHolder holder (typeProgram);
        holder.setBank (sides.base);
        BankFileSync sync (holder, file);
        holder.setBank (sides.mine);
        writeDataFile (file, sides.theirs.bytes().data(), sides.theirs.bytes().size()); // the other instance's write
        state.ResumeTiming();

        auto held = lock.acquire (FolderLock::writeWaitMs);
        const auto outcome = sync.save();
        if (outcome.kind != BankFileSync::Outcome::Kind::merged)
            state.SkipWithError ("not merged");
    }
    folder.deleteRecursively();
}
BENCHMARK (saveMergingAnotherInstancesFile)->Unit (benchmark::kMillisecond);

/** A persistent processor on a library folder that holds every file. */
struct KeptLibrary
{
    KeptLibrary()
    {
        auto first = make();
        auto& programs = first->controller().model().programBank();
        programs.storeRecord (1500, ByteView (recordOf ("Kept", 1)));
        for (const auto type : savedBankTypes)
            if (auto* holder = first->controller().model().holderFor (type); holder != nullptr && type != typeProgram)
                holder->storeRecord (1025, ByteView (recordOf ("Kept", 2)));
        first.reset(); // writes every bank, the preset bank and the settings
    }

    std::unique_ptr<RevuDIAudioProcessor> make() const
    {
        ProcessorOptions options;
        options.documentsBase = folder;
        options.persistent = true;
        options.useDevices = false;
        options.ports = std::make_shared<JuceMidiPorts>();
        return std::make_unique<RevuDIAudioProcessor> (options);
    }

    /** Every library file but the settings with its stamp. */
    std::map<juce::String, FileStamp> stamps() const
    {
        std::map<juce::String, FileStamp> all;
        for (const auto& f : folder.getChildFile ("Library/ZR9").findChildFiles (juce::File::findFiles, false))
            if (f.getFileName() != "halvipZR9.dat")
                all[f.getFileName()] = stampOf (f);
        return all;
    }

    ~KeptLibrary() { folder.deleteRecursively(); }

    juce::ScopedJuceInitialiser_GUI gui;
    juce::File folder = bench::freshFolder();
};

void watchLookAtAnUnchangedFolder (benchmark::State& state)
{
    KeptLibrary library;
    auto processor = library.make();
    auto& files = processor->libraryFiles();
    for (auto _ : state)
        files.checkForChanges();
    state.counters["looks_per_second"] = 1000.0 / LibraryFiles::watchIntervalMs;
}
BENCHMARK (watchLookAtAnUnchangedFolder)->Unit (benchmark::kMicrosecond);

void shutdownOfAnInstanceThatChangedNothing (benchmark::State& state)
{
    KeptLibrary library;
    double written = 0.0;
    for (auto _ : state)
    {
        state.PauseTiming();
        auto processor = library.make();
        const auto before = library.stamps();
        state.ResumeTiming();

        processor.reset();

        state.PauseTiming();
        for (const auto& [name, stamp] : library.stamps())
        {
            const auto was = before.find (name);
            if (was == before.end() || was->second != stamp)
                written += (double) stamp.size;
        }
        state.ResumeTiming();
    }
    state.counters["library_bytes_written"] = written;
}
BENCHMARK (shutdownOfAnInstanceThatChangedNothing)->Unit (benchmark::kMillisecond)->Iterations (20);
} // namespace
