#include "PatternBuilders.h"

#include "FactoryFacts.h"
#include "NameSource.h"
#include "RecordBytes.h"
#include "Sizing.h"

#include <array>
#include <stdexcept>

namespace zr9::factory
{

namespace
{

constexpr int stepCountOffset = 20;
constexpr int flagsOffset = 21;
constexpr int firstStepOffset = 22;

// ---------------------------------------------------------------- intonation

struct Temperament
{
    const char* name;
    std::array<int, 12> cents; // offset of C, C#, ..., B from equal temperament
};

const Temperament temperaments[] {
    { "Equal",         { 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0 } },
    { "Just",          { 0, 12, 4, 16, -14, -2, -10, 2, 14, -16, 18, -12 } },
    { "Werkmeister",   { 0, -10, -8, -6, -10, -2, -12, -4, -8, -12, -4, -8 } },
    { "Pythagorean",   { 0, -10, 4, -6, 8, -2, 12, 2, -8, 6, -4, 10 } },
    { "Meantone",      { 0, -24, -7, 10, -14, 3, -21, -3, -27, -10, 7, -17 } },
    { "Kirnberger",    { 0, -10, -7, -6, -14, -2, -10, -3, -8, -10, -4, -12 } },
    { "Vallotti",      { 0, -6, -4, -2, -8, 2, -8, -2, -4, -6, 0, -10 } },
    { "Young",         { 0, -6, -4, -2, -8, 0, -8, -2, -4, -6, -2, -8 } },
    { "Neidhardt",     { 0, -4, -4, -2, -6, 0, -4, -2, -4, -4, -2, -6 } },
    { "Just Minor",    { 0, 12, 4, 16, -14, -2, -10, 2, 14, -16, -4, -12 } },
    { "Harmonic",      { 0, 5, 4, -2, -14, -29, -49, 2, -59, 6, -31, -12 } },
    { "Barbershop",    { 0, 12, 4, 16, -14, -2, -10, 2, 14, -16, -31, -12 } },
    { "Blues",         { 0, 0, 0, -33, 0, 0, -17, 0, 0, 0, -31, 0 } },
    { "Arabic Rast",   { 0, 0, 0, 0, -50, 0, 0, 0, 0, 0, 0, -50 } },
    { "Arabic Bayati", { 0, 0, 0, 0, -50, 0, 0, 0, 0, 0, 0, 0 } },
    { "Indian",        { 0, -10, 4, 16, -14, -2, 12, 2, -8, -16, 18, -12 } },
    { "Slendro",       { 0, 0, 40, 0, 0, -20, 0, 20, 0, 0, -40, 0 } },
    { "Pelog",         { 0, 20, 40, -20, 30, -10, 10, 40, -30, 20, -40, 0 } },
};

// ---------------------------------------------------------------- shift patterns

struct Scale
{
    const char* name;
    std::vector<int> notes; // semitones above the root within one octave
};

const std::vector<Scale>& scales()
{
    static const std::vector<Scale> list {
        { "major", { 0, 2, 4, 5, 7, 9, 11 } },        { "minor", { 0, 2, 3, 5, 7, 8, 10 } },
        { "dorian", { 0, 2, 3, 5, 7, 9, 10 } },       { "phrygian", { 0, 1, 3, 5, 7, 8, 10 } },
        { "lydian", { 0, 2, 4, 6, 7, 9, 11 } },       { "mixolydian", { 0, 2, 4, 5, 7, 9, 10 } },
        { "locrian", { 0, 1, 3, 5, 6, 8, 10 } },      { "harm minor", { 0, 2, 3, 5, 7, 8, 11 } },
        { "mel minor", { 0, 2, 3, 5, 7, 9, 11 } },    { "pentatonic", { 0, 2, 4, 7, 9 } },
        { "minor pent", { 0, 3, 5, 7, 10 } },         { "blues", { 0, 3, 5, 6, 7, 10 } },
        { "whole tone", { 0, 2, 4, 6, 8, 10 } },      { "diminished", { 0, 2, 3, 5, 6, 8, 9, 11 } },
        { "chromatic", { 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11 } },
        { "bebop", { 0, 2, 4, 5, 7, 9, 10, 11 } },    { "hungarian", { 0, 2, 3, 6, 7, 8, 11 } },
        { "spanish", { 0, 1, 4, 5, 7, 8, 10 } },      { "double harm", { 0, 1, 4, 5, 7, 8, 11 } },
        { "japanese", { 0, 1, 5, 7, 8 } },            { "hirajoshi", { 0, 2, 3, 7, 8 } },
        { "in sen", { 0, 1, 5, 7, 10 } },             { "egyptian", { 0, 2, 5, 7, 10 } },
        { "gypsy", { 0, 2, 3, 6, 7, 8, 10 } },        { "augmented", { 0, 3, 4, 7, 8, 11 } },
    };
    return list;
}

const std::vector<Scale>& chords()
{
    static const std::vector<Scale> list {
        { "maj", { 0, 4, 7 } },       { "min", { 0, 3, 7 } },      { "7", { 0, 4, 7, 10 } },
        { "maj7", { 0, 4, 7, 11 } },  { "min7", { 0, 3, 7, 10 } }, { "dim7", { 0, 3, 6, 9 } },
        { "sus4", { 0, 5, 7 } },      { "sus2", { 0, 2, 7 } },     { "add9", { 0, 4, 7, 14 } },
        { "6", { 0, 4, 7, 9 } },      { "min6", { 0, 3, 7, 9 } },  { "9", { 0, 4, 7, 10, 14 } },
        { "min9", { 0, 3, 7, 10, 14 } }, { "aug", { 0, 4, 8 } },   { "7sus4", { 0, 5, 7, 10 } },
    };
    return list;
}

enum class Motion { up, down, upDown, twoOctaves, threeOctaves, broken };

struct ShiftPlan
{
    std::string name;
    std::vector<int> notes;
    Motion motion;
    long long steps;
};

constexpr int octaveLimit = 4; // offsets stay within four octaves of the root

int ascending (const std::vector<int>& notes, long long i)
{
    const long long n = (long long) notes.size();
    return notes[(std::size_t) (i % n)] + 12 * (int) ((i / n) % octaveLimit);
}

int shiftStep (const ShiftPlan& p, long long i)
{
    const long long n = (long long) p.notes.size();
    switch (p.motion)
    {
        case Motion::up:           return ascending (p.notes, i);
        case Motion::down:         return -ascending (p.notes, i);
        case Motion::twoOctaves:   return ascending (p.notes, i % (2 * n + 1));
        case Motion::threeOctaves: return ascending (p.notes, i % (3 * n + 1));
        case Motion::broken:       return ascending (p.notes, i / 2 + (i % 2) * 2);
        case Motion::upDown:
        {
            const long long top = n + 1, period = 2 * top - 2;
            const long long t = i % period;
            return ascending (p.notes, t < top ? t : period - t);
        }
    }
    return 0;
}

long long naturalShiftSteps (const ShiftPlan& p)
{
    const long long n = (long long) p.notes.size();
    switch (p.motion)
    {
        case Motion::upDown:       return 2 * n + 2;
        case Motion::twoOctaves:   return 2 * n + 1;
        case Motion::threeOctaves: return 3 * n + 1;
        case Motion::up:
        case Motion::down:
        case Motion::broken:       return n + 1;
    }
    return n + 1;
}

// ---------------------------------------------------------------- velocity patterns

enum class Shape { pseudoSine, loHi, hiLo, rampUp, rampDown, triangle, accent1, accent3, accent4, swing, offbeat,
                   random, pulse, ghost, waltz, clave };

struct VelocityPlan
{
    std::string name;
    Shape shape;
    int variant;     // 0 plain, 1 soft, 2 hard, 3 low, 4 high
    long long steps;
};

int triangle (long long i, long long period, int top)
{
    const long long t = i % period, half = period / 2;
    return (int) ((t < half ? t : period - t) * top / (half > 0 ? half : 1));
}

int shapeValue (Shape s, long long i, long long k, Prng& prng)
{
    static const int claveHits[16] { 1, 0, 0, 1, 0, 0, 1, 0, 0, 0, 1, 0, 1, 0, 0, 0 };
    switch (s)
    {
        case Shape::pseudoSine:
        {
            const int x = triangle (i, 16, 128);                    // 0 to 128
            return 20 + x * x * (3 * 128 - 2 * x) / (128 * 128) * 100 / 128;
        }
        case Shape::loHi:     return i % 2 == 0 ? 40 : 110;
        case Shape::hiLo:     return i % 2 == 0 ? 110 : 40;
        case Shape::rampUp:   return 20 + (int) (100 * i / (k > 1 ? k - 1 : 1));
        case Shape::rampDown: return 120 - (int) (100 * i / (k > 1 ? k - 1 : 1));
        case Shape::triangle: return 20 + triangle (i, 8, 100);
        case Shape::accent1:  return i == 0 ? 127 : 70;
        case Shape::accent3:  return i % 3 == 0 ? 120 : 70;
        case Shape::accent4:  return i % 4 == 0 ? 120 : 70;
        case Shape::swing:    return i % 2 == 0 ? 100 : 60;
        case Shape::offbeat:  return i % 2 == 0 ? 55 : 115;
        case Shape::random:   return prng.range (30, 127);
        case Shape::pulse:    return i % 4 < 2 ? 110 : 50;
        case Shape::ghost:    return i % 4 == 0 ? 115 : (i % 2 != 0 ? 35 : 70);
        case Shape::waltz:    return i % 3 == 0 ? 120 : 65;
        case Shape::clave:    return claveHits[i % 16] != 0 ? 120 : 45;
    }
    return 64;
}

int varied (int v, int variant)
{
    switch (variant)
    {
        case 1:  v = v * 3 / 4; break;
        case 2:  v = v * 5 / 4; break;
        case 3:  v = v / 2 + 10; break;
        case 4:  v = 64 + v / 2; break;
        default: break;
    }
    return v < 1 ? 1 : v > 127 ? 127 : v;
}

/** A record of name, step count, flags byte and the steps. */
Bytes stepRecord (const std::string& name, const std::vector<int>& steps, int flags)
{
    Bytes b = namedRecord (name, (std::size_t) firstStepOffset + steps.size());
    putByte (b, stepCountOffset, (int) steps.size());
    putByte (b, flagsOffset, flags);
    for (std::size_t i = 0; i < steps.size(); ++i)
        putByte (b, firstStepOffset + (long long) i, steps[i] & 0xFF);
    return b;
}

template <typename Plan>
void fitSteps (std::vector<Plan>& plans, long long recordBytes, long long minSteps, long long maxSteps)
{
    std::vector<long long> steps;
    for (const auto& p : plans)
        steps.push_back (p.steps < minSteps ? minSteps : p.steps > maxSteps ? maxSteps : p.steps);
    const long long stepBytes = recordBytes - firstStepOffset * (long long) plans.size();
    if (! fitToTotal (steps, minSteps, maxSteps, stepBytes))
        throw std::runtime_error ("pattern sizes cannot meet the image size");
    for (std::size_t i = 0; i < plans.size(); ++i)
        plans[i].steps = steps[i];
}

} // namespace

BankContent buildIntonationTables()
{
    BankContent bank { typeIntonation, factsFor (typeIntonation).lastNumber, {} };
    int number = 1;
    for (const auto& t : temperaments)
    {
        Bytes b = namedRecord (t.name, nameLength + 2 * t.cents.size());
        for (std::size_t i = 0; i < t.cents.size(); ++i)
            putWord (b, nameLength + 2 * (long long) i, t.cents[i] & 0xFFFF);
        bank.records[number++] = std::move (b);
    }
    return bank;
}

BankContent buildShiftPatterns (long long recordBytes)
{
    std::vector<ShiftPlan> plans;
    for (const auto& s : scales())
        plans.push_back ({ s.name, s.notes, Motion::up, 0 });

    static const std::pair<const char*, Motion> motions[] { { "up", Motion::up }, { "down", Motion::down },
        { "updown", Motion::upDown }, { "2oct", Motion::twoOctaves }, { "3oct", Motion::threeOctaves },
        { "broken", Motion::broken } };
    for (const auto& [suffix, motion] : motions)
        for (const auto& c : chords())
            plans.push_back ({ std::string (c.name) + " " + suffix, c.notes, motion, 0 });
    plans.resize (factoryShiftPatterns);

    for (auto& p : plans)
        p.steps = naturalShiftSteps (p);
    fitSteps (plans, recordBytes, 6, 38);

    BankContent bank { typeShiftPattern, factsFor (typeShiftPattern).lastNumber, {} };
    for (std::size_t n = 0; n < plans.size(); ++n)
    {
        std::vector<int> steps;
        for (long long i = 0; i < plans[n].steps; ++i)
            steps.push_back (shiftStep (plans[n], i));
        bank.records[(int) n + 1] = stepRecord (plans[n].name, steps, 0);
    }
    return bank;
}

BankContent buildVelocityPatterns (long long recordBytes)
{
    Prng prng (0x56454C5041545331ull);
    NameSource names (0x56454C4E414D4531ull);

    static const std::pair<const char*, Shape> shapes[] {
        { "PseudoSine", Shape::pseudoSine }, { "LoHi", Shape::loHi }, { "HiLo", Shape::hiLo },
        { "Ramp Up", Shape::rampUp }, { "Ramp Down", Shape::rampDown }, { "Triangle", Shape::triangle },
        { "Accent 1st", Shape::accent1 }, { "Accent 3", Shape::accent3 }, { "Accent 4", Shape::accent4 },
        { "Swing", Shape::swing }, { "Offbeat", Shape::offbeat }, { "Random", Shape::random },
        { "Pulse", Shape::pulse }, { "Ghost Notes", Shape::ghost }, { "Waltz", Shape::waltz }, { "Clave", Shape::clave } };
    static const char* variants[] { "", "Soft", "Hard", "Lo", "Hi" };
    static const int lengths[] { 8, 16, 12, 24, 32, 6 };

    std::vector<VelocityPlan> plans;
    for (const auto& [name, shape] : shapes)
        plans.push_back ({ name, shape, 0, 16 });
    for (const auto& [name, shape] : shapes)
        names.claim (name);
    while ((int) plans.size() < factoryVelocityPatterns)
    {
        const auto& [name, shape] = shapes[prng.range (0, 15)];
        const int variant = prng.range (0, 4);
        const int length = lengths[prng.range (0, 5)];
        const std::string full = variant == 0 ? std::string (name) + " " + std::to_string (length)
                                              : std::string (name) + " " + variants[variant];
        if (full.size() <= (std::size_t) nameLength && names.claim (full))
            plans.push_back ({ full, shape, variant, length });
    }
    fitSteps (plans, recordBytes, 6, 54);

    BankContent bank { typeVelocityPattern, factsFor (typeVelocityPattern).lastNumber, {} };
    for (std::size_t n = 0; n < plans.size(); ++n)
    {
        std::vector<int> steps;
        for (long long i = 0; i < plans[n].steps; ++i)
            steps.push_back (varied (shapeValue (plans[n].shape, i, plans[n].steps, prng), plans[n].variant));
        bank.records[(int) n + 1] = stepRecord (plans[n].name, steps, 0);
    }
    return bank;
}

} // namespace zr9::factory
