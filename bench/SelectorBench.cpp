// The program selector on a full bank of 2,048 programs: building its list
// from the bank (every entry's name, category and mode, the category counts,
// the rows), and narrowing the shown rows by one more typed character.

#include "BenchProcessor.h"

#include "model/FactoryBanks.h"
#include "pages/selectors/PrgSelClass.h"
#include "pages/selectors/SelectorSources.h"

#include <benchmark/benchmark.h>

using namespace zr9;

namespace
{
constexpr int fullBank = 2048;

/** A processor without devices or files whose program bank holds a program at every number from 1 to 2,048. */
struct FullBank
{
    FullBank()
    {
        processor = bench::makeProcessor (folder);

        // Every empty number gets a factory program under a name of its own.
        auto& bank = processor->controller().model().programBank();
        const auto factory = bank.bank();
        const std::array<const char*, 8> words { "Grand", "Rhodes", "Organ", "Strings", "Brass", "Choir", "Lead", "Bass" };
        for (int n = 1; n <= fullBank; ++n)
        {
            if (factory.exists (n))
                continue;
            auto record = factory.record (1 + n % 256);
            const auto name = std::string (words[(size_t) n % words.size()]) + " " + std::to_string (n) + " " + words[(size_t) (n / 8) % words.size()];
            for (size_t i = 0; i < 20; ++i)
                record[i] = (std::uint8_t) (i < name.size() ? name[i] : ' ');
            record[30] = (std::uint8_t) (n % 11);
            bank.storeRecord (n, ByteView (record));
        }
        page = std::make_unique<PrgSelClass> (processor->controller(), processor->libraryFiles().favorites());
        page->setSize (866, 710);
        page->setVisible (true);
        page->openOn (1);
    }

    juce::ScopedJuceInitialiser_GUI gui;
    juce::File folder = bench::freshFolder();
    std::unique_ptr<RevuDIAudioProcessor> processor;
    std::unique_ptr<PrgSelClass> page;
};

FullBank& fixture()
{
    static FullBank f;
    return f;
}

void buildProgramList (benchmark::State& state)
{
    auto& f = fixture();
    for (auto _ : state)
        f.page->rebuild();
    state.counters["programs"] = (double) f.page->list().size();
}

void narrowByOneCharacter (benchmark::State& state)
{
    auto& f = fixture();
    for (auto _ : state)
    {
        state.PauseTiming();
        f.page->setSearchText ("gr");
        state.ResumeTiming();
        f.page->setSearchText ("gra");
    }
    state.counters["rows left"] = (double) f.page->list().size();
    f.page->setSearchText ("");
}

/** The entries alone, without the page's widgets. */
void readEntriesFromTheBank (benchmark::State& state)
{
    auto& bank = fixture().processor->controller().model().programBank();
    for (auto _ : state)
        benchmark::DoNotOptimize (selectorsource::programs (bank).size());
}
} // namespace

BENCHMARK (buildProgramList)->Unit (benchmark::kMillisecond);
BENCHMARK (narrowByOneCharacter)->Unit (benchmark::kMillisecond);
BENCHMARK (readEntriesFromTheBank)->Unit (benchmark::kMillisecond);
