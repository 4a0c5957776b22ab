// How fast the banks are indexed, stored into and read, on the factory images.

#include "model/BankIndex.h"
#include "model/FactoryBanks.h"

#include <benchmark/benchmark.h>

using namespace zr9;

namespace
{
void indexImage (benchmark::State& state, int type)
{
    const auto image = Factory_Banks_ZR9::image (type);
    const int cap = findBankType (type)->cap;
    for (auto _ : state)
    {
        BankIndex bank;
        bank.index (type, image, cap);
        benchmark::DoNotOptimize (bank.offset (1));
    }
    state.SetBytesProcessed ((int64_t) state.iterations() * (int64_t) image.size());
}

void indexAllEight (benchmark::State& state)
{
    for (auto _ : state)
        for (const auto type : startupBankTypes)
        {
            BankIndex bank;
            bank.index (type, Factory_Banks_ZR9::image (type), findBankType (type)->cap);
            benchmark::DoNotOptimize (bank.offset (1));
        }
}

// Replaces a record in the middle of the largest bank, alternating two lengths so the bank keeps its size.
void storeIntoTheMiddle (benchmark::State& state)
{
    BankIndex bank;
    bank.index (typeFxChain, Factory_Banks_ZR9::image (typeFxChain), findBankType (typeFxChain)->cap);
    const int middle = 1100;
    const Bytes shorter (300, 0x11), longer (700, 0x22);
    bool flip = false;
    for (auto _ : state)
    {
        bank.store (middle, ByteView (flip ? longer : shorter));
        flip = ! flip;
    }
    state.counters["bank bytes"] = (double) bank.bytes().size();
}

void readEveryRecord (benchmark::State& state, int type)
{
    BankIndex bank;
    bank.index (type, Factory_Banks_ZR9::image (type), findBankType (type)->cap);
    for (auto _ : state)
    {
        size_t total = 0;
        for (int n = 1; n <= bank.cap(); ++n)
            total += bank.record (n).size();
        benchmark::DoNotOptimize (total);
    }
}
} // namespace

BENCHMARK_CAPTURE (indexImage, programs, (int) typeProgram)->Unit (benchmark::kMillisecond);
BENCHMARK_CAPTURE (indexImage, setups, (int) typeSetup)->Unit (benchmark::kMillisecond);
BENCHMARK_CAPTURE (indexImage, fx_chains, (int) typeFxChain)->Unit (benchmark::kMillisecond);
BENCHMARK_CAPTURE (indexImage, key_maps, (int) typeKeyMap)->Unit (benchmark::kMillisecond);
BENCHMARK_CAPTURE (indexImage, intonation, (int) typeIntonation)->Unit (benchmark::kMillisecond);
BENCHMARK_CAPTURE (indexImage, shift_patterns, (int) typeShiftPattern)->Unit (benchmark::kMillisecond);
BENCHMARK_CAPTURE (indexImage, velocity_patterns, (int) typeVelocityPattern)->Unit (benchmark::kMillisecond);
BENCHMARK_CAPTURE (indexImage, arpeggiators, (int) typeArpeggiator)->Unit (benchmark::kMillisecond);
BENCHMARK (indexAllEight)->Unit (benchmark::kMillisecond);
BENCHMARK (storeIntoTheMiddle)->Unit (benchmark::kMicrosecond);
BENCHMARK_CAPTURE (readEveryRecord, programs, (int) typeProgram)->Unit (benchmark::kMillisecond);
BENCHMARK_CAPTURE (readEveryRecord, fx_chains, (int) typeFxChain)->Unit (benchmark::kMillisecond);
