#include "ArpBuilder.h"

#include "FactoryFacts.h"
#include "NameSource.h"
#include "RecordBytes.h"
#include "Sizing.h"

#include <stdexcept>

namespace zr9::factory
{

namespace
{

constexpr int settingSize = 96;
constexpr long long maxSteps = 64;
constexpr int formatOffset = 20;
constexpr int orderOffset = 21;          // 0 up, 1 down, 2 up/down, 3 random, 4 as played, 5 chord
constexpr int resolutionOffset = 22;     // 4, 8, 16 or 32 steps per bar
constexpr int octavesOffset = 23;
constexpr int gateOffset = 25;           // percent
constexpr int swingOffset = 26;          // percent
constexpr int latchOffset = 27;
constexpr int limitOffset = 28;
constexpr int tempoOffset = 30;          // word, beats per minute × 100
constexpr int shiftPatternOffset = 32;   // word
constexpr int velocityPatternOffset = 34;// word
constexpr int modeOffset = 61;           // 0 classic, 1 step sequencer
constexpr int stepSequenceOffset = 71;
constexpr int stepCountOffset = 72;
constexpr int classicMode = 0;
constexpr int stepSequencerMode = 1;

struct ArpPlan
{
    std::string name;
    int mode = classicMode;
    int order = 0;
    long long steps = 0;
};

Bytes arpRecord (const ArpPlan& p, int shiftPatterns, int velocityPatterns, Prng& prng)
{
    Bytes b = namedRecord (p.name, (std::size_t) (settingSize + p.steps));
    static const int resolutions[] { 4, 8, 16, 32 };
    putByte (b, formatOffset, 1);
    putByte (b, orderOffset, p.order);
    putByte (b, resolutionOffset, resolutions[prng.range (1, 3)]);
    putByte (b, octavesOffset, prng.range (1, 4));
    putByte (b, gateOffset, prng.range (20, 100));
    putByte (b, swingOffset, prng.chance (30) ? prng.range (52, 66) : 50);
    putByte (b, latchOffset, prng.range (0, 1));
    putByte (b, limitOffset, prng.chance (50) ? 0 : prng.range (1, 16));
    putWord (b, tempoOffset, prng.range (80, 160) * 100);
    putWord (b, shiftPatternOffset, prng.chance (40) ? prng.range (1, shiftPatterns) : 0);
    putWord (b, velocityPatternOffset, prng.chance (40) ? prng.range (1, velocityPatterns) : 0);
    putByte (b, modeOffset, p.mode);
    putByte (b, stepSequenceOffset, p.mode == stepSequencerMode ? prng.range (1, 32) : 0);
    putByte (b, stepCountOffset, (int) p.steps);

    // Each step: a note offset within two octaves in bits 0 to 4, a tie in bit 6.
    for (long long i = 0; i < p.steps; ++i)
        putByte (b, settingSize + i, prng.range (0, 24) | (prng.chance (15) ? 0x40 : 0));
    return b;
}

} // namespace

BankContent buildArpeggiators (long long recordBytes, int shiftPatterns, int velocityPatterns)
{
    Prng prng (0x4152504547474931ull);
    NameSource names (0x4152504E414D4531ull);

    static const std::vector<std::string> styles { "Up", "Down", "UpDown", "Random", "Chord", "Trance", "Funk", "House",
        "Techno", "Pop", "Rock", "Latin", "Reggae", "Disco", "Ambient", "Harp", "Guitar", "Bass", "Gated", "Minor", "Major" };
    static const std::vector<std::string> kinds { "8ths", "16ths", "Triplets", "Gate", "Run", "Riff", "Groove", "Rap",
        "Pulse", "Line", "Arp", "Strum", "Roll" };

    names.claim ("Default Arp");
    names.claim ("Minor Rap");
    std::vector<ArpPlan> plans;
    for (int i = 0; i < factoryArpeggiators; ++i)
    {
        ArpPlan p;
        p.name = i == 0 ? "Default Arp" : i == 1 ? "Minor Rap" : names.take ({ styles, kinds });
        p.mode = i > 1 && prng.chance (40) ? stepSequencerMode : classicMode;
        p.order = prng.range (0, 5);
        p.steps = p.mode == stepSequencerMode ? prng.range (16, 64) : prng.range (8, 48);
        plans.push_back (p);
    }
    plans[0].steps = 16;
    plans[0].order = 0;

    std::vector<long long> steps;
    for (const auto& p : plans)
        steps.push_back (p.steps);
    if (! fitToTotal (steps, 0, maxSteps, recordBytes - settingSize * (long long) plans.size()))
        throw std::runtime_error ("arpeggiator sizes cannot meet the image size");

    BankContent bank { typeArpeggiator, factsFor (typeArpeggiator).lastNumber, {} };
    for (std::size_t i = 0; i < plans.size(); ++i)
    {
        plans[i].steps = steps[i];
        bank.records[(int) i + 1] = arpRecord (plans[i], shiftPatterns, velocityPatterns, prng);
    }
    return bank;
}

} // namespace zr9::factory
