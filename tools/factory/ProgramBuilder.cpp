#include "ProgramBuilder.h"

#include "FactoryFacts.h"
#include "InfoBlockWriter.h"
#include "NameSource.h"
#include "RecordBytes.h"
#include "Sizing.h"

#include "model/ProgramLayout.h"

#include <stdexcept>

namespace zr9::factory
{

namespace
{

// Common part offsets the generator fills (see the program layout in src/model).
constexpr int formatTagOffset = 20;        // "RK2" 0x04 0x07
constexpr int commonTagOffset = 25;        // "RK2" 0x03 0x03
constexpr int categoryOffset = 30;
constexpr int subTypeOffset = 31;
constexpr int bendUpOffset = 32;           // signed word
constexpr int levelOffset = 55;            // signed level, -96 to 24
constexpr int panOffset = 58;              // signed pan
constexpr int switchesOffset = 61;         // bits 0 to 4
constexpr int bendDownOffset = 62;
constexpr int outGainOffset = 63;
constexpr int outPanModeOffset = 65;
constexpr int negatedValueOffset = 78;
constexpr int portamentoOffset = 80;
constexpr int attackOffset = 82;
constexpr int insertOutOffset = 83;        // bit 0
constexpr int insertChainOffset = 84;      // word
constexpr int aux1LevelOffset = 86;        // bits 0 to 6 level, bit 7 out switch
constexpr int aux2LevelOffset = 87;
constexpr int aux1OutOffset = 95;
constexpr int aux1ChainOffset = 96;        // word
constexpr int fxAllocOffset = 100;
constexpr int aux2ChainOffset = 108;       // word
constexpr int fxSwitchValueOffsets[] { 111, 112 };
constexpr int fxValueOffsets[] { 115, 116 };
constexpr int fxSwitchOffsets[] { 120, 132 };
constexpr int fxWordOffsets[] { 121, 133 };
constexpr int rfuTextOffset = 141;         // "ProgramRFU012567"
constexpr int modeOffset = 157;            // 'x' for a tonewheel organ program
constexpr int furtherBytesFirst = 158;
constexpr int furtherBytesLast = 248;
constexpr int aux2OutOffset = 187;
constexpr int outSwitchBit = 0x80;
constexpr int maxAux1Level = 100;
constexpr int maxAux2Level = 120;
constexpr int maxChainNumber = 2047;       // keeps the aux 2 chain's high byte within bits 0 to 2 of byte 108

// Layer offsets.
constexpr int layerMarkerOffset = 0;       // 0x09
constexpr int layerMarker = 0x09;
constexpr int layerLowKeyOffset = 2;
constexpr int layerHighKeyOffset = 3;
constexpr int layerLowVelocityOffset = 4;
constexpr int layerHighVelocityOffset = 5;
constexpr int layerSwitchOffset = 7;       // bit 5
constexpr int layerTuneOffset = 138;       // signed word
constexpr int layerKeyMapOffset = 142;     // word
constexpr int layerLevelOffset = 208;      // signed byte
constexpr int layerNameOffset = 290;
constexpr int layerRfuOffset = 310;

struct CategoryPlan
{
    Category category;
    int count;             // programs among 1 to 256
    int minLayers;
    int maxLayers;
    std::vector<std::string> adjectives;
    std::vector<std::vector<std::string>> nounsBySubType; // index = sub-type byte
    std::vector<int> subTypeWeights;
    const char* insertUse;
    std::vector<InfoEntry> controls;
};

const std::vector<CategoryPlan>& plans()
{
    static const std::vector<CategoryPlan> list {
        { piano, 48, 6, 16,
          { "Dyn", "Rich", "Bright", "Warm", "Mellow", "Concert", "Stage", "Ballad", "Jazz", "Pop", "Rock", "Soft", "Dark",
            "Close", "Open", "Studio", "Classic", "Intimate", "Big", "Felt", "Vintage" },
          { { "Upright", "Honky Tonk", "Piano", "Parlor Pno", "Tack Piano" },
            { "9ft Grand", "German Grnd", "Concert 9ft", "Hall Grand" },
            { "Grand 7ft", "Grand Piano", "Japan Grand", "Grand 6ft" },
            { "Triple Grnd", "Tri Strike" } },
          { 2, 5, 4, 1 }, "eq",
          { { 71, 64, "Lid Position" }, { 72, 0, "Hammer Noise" }, { 73, 80, "String Res" }, { 79, 40, "Damper Noise" } } },
        { electricPiano, 36, 4, 12,
          { "Classic", "Warm", "Bright", "Soft", "Dirty", "Phased", "Trem", "Chorus", "Funky", "Smooth", "Sparkly",
            "Vintage", "Stage", "Mellow", "Barky", "Soul" },
          { { "FM EP", "Tine EP", "FM Bells", "EP Pad" },
            { "Rhodes 77", "EP 77", "Stage 77" },
            { "Rhodes 73", "EP 73", "Tine 73" },
            { "Wurly", "Wurli", "Reed EP", "Wurly Reed" } },
          { 1, 3, 3, 2 }, "modulation",
          { { 71, 64, "Tine Level" }, { 72, 30, "Bark" }, { 73, 50, "Tremolo Rate" }, { 79, 0, "Tremolo Depth" } } },
        { clav, 12, 3, 8,
          { "Bright", "Muted", "Funky", "Classic", "Dark", "Wah", "Pluck", "Stage", "Soft", "Baroque", "Phased" },
          { { "Clav" }, { "Clav", "Clavier", "Funk Clav", "Clav Wah" }, { "Harpsichord", "Harpsi", "Baroque Hpsi" },
            { "Celeste", "Celesta", "Music Box" } },
          { 0, 3, 2, 1 }, "filter",
          { { 71, 64, "Pickup Mix" }, { 72, 0, "Wah Pedal" }, { 73, 90, "Key Off" } } },
        { organ, 28, 1, 8,
          { "Slow", "Fast", "Soft", "Full", "Dirty", "Clean", "Smoky", "Bright", "Warm", "Perc", "Jazzy", "Gospel",
            "Ballad", "Rock", "Soul", "Big" },
          { { "Organ" }, { "B3", "Drawbars", "Tonewheel", "Full Bars", "Perc Organ", "Jazz Organ", "Gospel Org" },
            { "Farsifa", "Combo Org", "Sixties Org" }, { "Vox", "Vox Combo", "Transistor" },
            { "Pipe Organ", "Church Org", "Cathedral", "Principal", "Full Organ" } },
          { 0, 6, 1, 1, 2 }, "organ",
          { { 71, 127, "Drawbar 16'" }, { 72, 127, "Drawbar 8'" }, { 73, 0, "Percussion" }, { 79, 0, "Rotor Speed" },
            { 1, 0, "Vibrato Depth" } } },
        { stringsPads, 36, 4, 14,
          { "Lush", "Slow", "Fast", "Dark", "Bright", "Soft", "Big", "Wide", "Warm", "Analog", "Airy", "Silk", "Epic",
            "Cinema", "Chamber", "Film" },
          { { "Strings", "Orchestra", "Ensemble", "Str Section", "Violins", "Cello Sect", "Pizzicato", "Tremolo Str",
              "Pad", "Glass Pad", "Sweep Pad", "Choir Pad", "Halo", "Atmosphere" } },
          { 1 }, "eq",
          { { 22, 40, "Attack Time" }, { 23, 64, "Release Time" }, { 71, 64, "Section Size" }, { 1, 0, "Vibrato Depth" } } },
        { brassWinds, 20, 3, 12,
          { "Big", "Soft", "Bright", "Mellow", "Punchy", "Jazz", "Funk", "Solo", "Classic", "Warm", "Fall" },
          { { "Brass", "Horns", "Trumpet", "Trombone", "Sax Section", "Tenor Sax", "Alto Sax", "Flute", "Clarinet",
              "Oboe", "Woodwinds", "Brass Stab", "Flugelhorn" } },
          { 1 }, "dynamics",
          { { 22, 20, "Attack Time" }, { 71, 64, "Growl" }, { 72, 0, "Fall Off" }, { 1, 0, "Vibrato Depth" } } },
        { voicesMisc, 16, 3, 10,
          { "Soft", "Big", "Airy", "Angel", "Dark", "Bright", "Wide", "Mellow", "Crystal", "Warm" },
          { { "Choir", "Voices", "Aahs", "Oohs", "Vox", "Marimba", "Vibes", "Bells", "Kalimba", "Glocken", "Whistle" } },
          { 1 }, "eq",
          { { 71, 64, "Vowel" }, { 72, 64, "Breath" }, { 23, 64, "Release Time" } } },
        { leadsSynth, 24, 2, 10,
          { "Fat", "Analog", "Digital", "Soft", "Retro", "Wide", "Hard", "Bright", "Dark", "Classic", "Modern", "Buzzy" },
          { { "Lead", "Saw Lead", "Square Ld", "Sync Lead", "Poly Synth", "Brass Synth", "Pluck", "Arp Synth", "Sweep",
              "Mono Lead" } },
          { 1 }, "filter",
          { { 13, 20, "Resonance" }, { 71, 0, "Glide Time" }, { 72, 64, "Osc Detune" }, { 73, 64, "Env Amount" } } },
        { guitarBass, 20, 4, 12,
          { "Clean", "Warm", "Bright", "Dark", "Funky", "Jazz", "Studio", "Picked", "Muted", "Deep", "Slap", "Fat" },
          { { "Nylon Gtr", "Steel Gtr", "Jazz Guitar", "Clean Gtr", "Mute Gtr", "12 String", "Elec Bass", "Finger Bass",
              "Pick Bass", "Fretless", "Slap Bass", "Upright Bass", "Synth Bass" } },
          { 1 }, "guitar",
          { { 71, 0, "Fret Noise" }, { 72, 64, "Pickup Tone" }, { 73, 0, "Slide" } } },
        { drumsPerc, 16, 16, 31,
          { "Studio", "Dry", "Big", "Tight", "Vintage", "Modern", "Power", "Live", "Lo-Fi", "Punchy" },
          { { "Drum Kit", "Rock Kit", "Jazz Kit", "Brush Kit", "Elec Kit", "Dance Kit", "Percussion", "Latin Perc",
              "Orch Perc", "Timpani", "Room Kit" } },
          { 1 }, "dynamics",
          { { 71, 64, "Room Mics" }, { 72, 64, "Kick Level" }, { 73, 64, "Snare Tune" } } },
    };
    return list;
}

// Controls every kind of program may name.
const std::vector<InfoEntry> sharedControls {
    { 28, 40, "Reverb Amount" }, { 12, 127, "Filter Freq" }, { 25, 0, "FX 1 Amount" }, { 26, 0, "FX 2 Amount" },
    { 27, 0, "Delay Amount" }, { 64, 0xFFFF, "Sustain Pedal" }, { 29, 0, "Variation" },
};

struct ProgramPlan
{
    int number = 0;
    std::string name;
    const CategoryPlan* plan = nullptr;
    int subType = 0;
    bool tonewheel = false;
    long long layers = 1;
    long long minLayers = 1;
    long long maxLayers = 1;
    bool split = false;        // two sounds side by side on the keyboard
    Category splitLow = piano; // key map kind of the lower half
    std::vector<InfoEntry> info;
    int routes = 0;
};

int weightedSubType (const CategoryPlan& plan, Prng& prng)
{
    int total = 0;
    for (int w : plan.subTypeWeights)
        total += w;
    int r = prng.range (0, total - 1);
    for (std::size_t s = 0; s < plan.subTypeWeights.size(); ++s)
        if ((r -= plan.subTypeWeights[s]) < 0)
            return (int) s;
    return 0;
}

std::vector<InfoEntry> plannedControls (const CategoryPlan& plan, Prng& prng)
{
    std::vector<InfoEntry> info;
    if (prng.chance (85))
        info.push_back (sharedControls.front());
    for (const auto& c : plan.controls)
        if (prng.chance (55))
            info.push_back (c);
    for (std::size_t i = 1; i < sharedControls.size(); ++i)
        if (prng.chance (15))
            info.push_back (sharedControls[i]);
    if (info.empty())
        info.push_back (sharedControls[1]);
    return info;
}

ProgramPlan plannedProgram (int number, const CategoryPlan& plan, NameSource& names, Prng& prng)
{
    ProgramPlan p;
    p.number = number;
    p.plan = &plan;
    p.subType = weightedSubType (plan, prng);
    p.name = names.take ({ plan.adjectives, plan.nounsBySubType[(std::size_t) p.subType] });
    p.tonewheel = plan.category == organ && p.subType == 1;
    p.minLayers = p.tonewheel ? 1 : plan.minLayers;
    p.maxLayers = p.tonewheel ? 3 : plan.maxLayers;
    p.layers = prng.range ((int) p.minLayers, (int) p.maxLayers);
    p.info = plannedControls (plan, prng);
    p.routes = prng.range (0, 6);
    return p;
}

const CategoryPlan& planFor (Category c)
{
    for (const auto& p : plans())
        if (p.category == c)
            return p;
    return plans().front();
}

std::vector<ProgramPlan> plannedPrograms (NameSource& names, Prng& prng)
{
    // Names given by hand are claimed first, so that no made-up name repeats them.
    struct Top { const char* name; Category upper; Category lower; int subType; };
    const Top tops[] { { "Piano & Strings", piano, stringsPads, 1 }, { "EP & Pad Layer", electricPiano, stringsPads, 2 },
                       { "Bass / Piano Split", piano, guitarBass, 2 }, { "Organ & Bass Split", organ, guitarBass, 2 } };
    for (const char* fixed : { "Dyn 9ft Grand", "Rich Grand 7ft" })
        names.claim (fixed);
    for (const auto& t : tops)
        names.claim (t.name);

    std::vector<ProgramPlan> programs;
    int number = 1;
    for (const auto& plan : plans())
        for (int i = 0; i < plan.count; ++i)
            programs.push_back (plannedProgram (number++, plan, names, prng));

    programs[0].name = "Dyn 9ft Grand";
    programs[0].subType = 1;
    programs[1].name = "Rich Grand 7ft";
    programs[1].subType = 2;

    // Four split and layer programs at the top of the factory range.
    number = 1021;
    for (const auto& t : tops)
    {
        ProgramPlan p = plannedProgram (number++, planFor (t.upper), names, prng);
        p.name = t.name;
        p.subType = t.subType;
        p.tonewheel = false;
        p.split = true;
        p.splitLow = t.lower;
        p.minLayers = 2;
        p.maxLayers = 12;
        p.layers = prng.range (4, 10);
        programs.push_back (p);
    }
    return programs;
}

long long sizeWithoutLayers (const ProgramPlan& p)
{
    return program::infoBlockBase + infoBlockBytes (p.info)
         + program::routeHeaderSize + program::routeEntrySize * p.routes + programTailSize;
}

long long programSize (const ProgramPlan& p)
{
    return sizeWithoutLayers (p) + program::layerSize * p.layers;
}

/** Layer counts take up whole 318-byte steps; the rest goes into info text terminators. */
void fitPrograms (std::vector<ProgramPlan>& programs, long long recordBytes)
{
    long long fixed = 0;
    std::vector<long long> layers, lo, hi;
    for (const auto& p : programs)
    {
        fixed += sizeWithoutLayers (p);
        layers.push_back (p.layers);
        lo.push_back (p.minLayers);
        hi.push_back (p.maxLayers);
    }
    const long long layerBytes = recordBytes - fixed;
    if (layerBytes < 0 || ! fitToTotal (layers, lo, hi, layerBytes / program::layerSize))
        throw std::runtime_error ("program sizes cannot meet the image size");
    for (std::size_t i = 0; i < programs.size(); ++i)
        programs[i].layers = layers[i];

    std::vector<long long> terminators (programs.size(), 0), none (programs.size(), 0), most;
    for (const auto& p : programs)
        most.push_back ((long long) p.info.size());
    if (! fitToTotal (terminators, none, most, layerBytes % program::layerSize))
        throw std::runtime_error ("program info texts cannot take up the rest");
    for (std::size_t i = 0; i < programs.size(); ++i)
        for (long long t = 0; t < terminators[i]; ++t)
            programs[i].info[(std::size_t) t].terminated = true;
}

/** FX chains a program's channel mixer names. */
struct ChainChoice
{
    const FxChainBank& chains;

    int pick (const std::string& use, Prng& prng) const
    {
        const auto& numbers = chains.numbersByUse.at (use);
        for (;;)
        {
            const int n = prng.pick (numbers);
            if (n <= maxChainNumber)
                return n;
        }
    }
};

void putSigned (Bytes& b, long long pos, int value)
{
    putByte (b, pos, value & 0xFF);
}

void fillCommon (Bytes& b, const ProgramPlan& p, const ChainChoice& chains, Prng& prng)
{
    const Category category = p.plan->category;
    putText (b, formatTagOffset, "RK2\x04\x07");
    putText (b, commonTagOffset, "RK2\x03\x03");
    putByte (b, categoryOffset, category);
    putByte (b, subTypeOffset, p.subType);
    putWord (b, bendUpOffset, 2);
    putSigned (b, levelOffset, prng.chance (60) ? 0 : prng.range (-12, 6));
    putSigned (b, panOffset, prng.chance (80) ? 0 : prng.range (-20, 20));
    putByte (b, program::layerCountOffset, (int) p.layers);

    const bool mono = category == leadsSynth && prng.chance (50);
    const bool drumRemap = category == drumsPerc;
    putByte (b, switchesOffset, (prng.chance (70) ? 0x01 : 0) | (drumRemap ? 0x04 : 0) | (mono ? 0x18 : 0));
    putByte (b, bendDownOffset, 2);
    putByte (b, outGainOffset, prng.range (0, 6));
    putByte (b, outPanModeOffset, prng.range (0, 2));
    putByte (b, negatedValueOffset, prng.range (0, 12));
    putByte (b, portamentoOffset, mono ? prng.range (10, 60) : 0);
    putByte (b, attackOffset, category == stringsPads ? prng.range (20, 80) : 0);

    const bool insertOut = prng.chance (30);
    putByte (b, insertOutOffset, insertOut ? 1 : 0);
    putWord (b, insertChainOffset, chains.pick (p.plan->insertUse, prng));
    const bool aux1Out = prng.chance (20);
    const bool aux2Out = prng.chance (20);
    putByte (b, aux1LevelOffset, prng.range (0, maxAux1Level) | (aux1Out ? outSwitchBit : 0));
    putByte (b, aux2LevelOffset, prng.range (20, maxAux2Level) | (aux2Out ? outSwitchBit : 0));
    putByte (b, aux1OutOffset, aux1Out ? 1 : 0);
    putWord (b, aux1ChainOffset, chains.pick (prng.chance (50) ? "delay" : "chorus", prng));
    putByte (b, fxAllocOffset, prng.chance (20) ? 1 : 0);
    putWord (b, aux2ChainOffset, chains.pick ("reverb", prng));
    for (int o : fxSwitchValueOffsets)
        putByte (b, o, (prng.chance (50) ? 0x80 : 0) | prng.range (0, 127));
    for (int o : fxValueOffsets)
        putByte (b, o, prng.range (0, 127));
    for (int o : fxSwitchOffsets)
        putByte (b, o, prng.chance (50) ? 1 : 0);
    for (int o : fxWordOffsets)
        putWord (b, o, prng.range (-100, 100) & 0xFFFF);
    putText (b, rfuTextOffset, "ProgramRFU012567");
    putByte (b, modeOffset, p.tonewheel ? 'x' : 0);

    for (int o = furtherBytesFirst; o <= furtherBytesLast; ++o)
        putByte (b, o, prng.chance (70) ? 0 : prng.range (1, 127));
    putByte (b, aux2OutOffset, aux2Out ? 1 : 0);
}

void fillLayer (Bytes& b, const ProgramPlan& p, int k, const KeyMapBank& keyMaps, Prng& prng)
{
    const long long at = program::layerOffset (k);
    const bool lowerHalf = p.split && k % 2 == 1;
    const Category sound = lowerHalf ? p.splitLow : p.plan->category;

    int low = 21, high = 108;
    if (sound == drumsPerc && ! p.split)
    {
        low = 35 + 2 * k;
        high = low + 1;
    }
    else if (p.split)
    {
        low = lowerHalf ? 21 : 60;
        high = lowerHalf ? 59 : 108;
    }

    for (int o = 1; o < program::layerSize; ++o)
        putByte (b, at + o, prng.chance (60) ? 0 : prng.range (1, 127));
    putByte (b, at + layerMarkerOffset, layerMarker);
    putByte (b, at + layerLowKeyOffset, low);
    putByte (b, at + layerHighKeyOffset, high);
    putByte (b, at + layerLowVelocityOffset, 1);
    putByte (b, at + layerHighVelocityOffset, 127);
    putByte (b, at + layerSwitchOffset, prng.chance (50) ? 0x20 : 0);
    putWord (b, at + layerTuneOffset, prng.range (-20, 20) & 0xFFFF);
    putWord (b, at + layerKeyMapOffset, prng.pick (keyMaps.numbersByCategory.at (sound)));
    putSigned (b, at + layerLevelOffset, prng.range (-24, 0));
    putText (b, at + layerNameOffset, prng.chance (50) ? "LayerNameHere0123456" : padded (""));
    putText (b, at + layerRfuOffset, "LayerRFU");
}

Bytes programRecord (const ProgramPlan& p, const KeyMapBank& keyMaps, const ChainChoice& chains, Prng& prng)
{
    Bytes b = namedRecord (p.name, (std::size_t) program::infoBlockBase + (std::size_t) (program::layerSize * p.layers));
    fillCommon (b, p, chains, prng);
    for (int k = 0; k < (int) p.layers; ++k)
        fillLayer (b, p, k, keyMaps, prng);
    putByte (b, program::infoBlockBase - 1 + program::layerSize * p.layers, 0);

    appendInfoBlock (b, p.info);

    const std::uint8_t route[] { 0x00, (std::uint8_t) program::routeBlockTag, 0x00, (std::uint8_t) p.routes };
    b.insert (b.end(), route, route + program::routeHeaderSize);
    static const int sources[] { 1, 11, 12, 13, 64, 71, 72, 73, 79 };
    for (int r = 0; r < p.routes; ++r)
    {
        b.push_back ((std::uint8_t) sources[prng.range (0, 8)]);
        b.push_back ((std::uint8_t) prng.range (0, 40));
        b.push_back ((std::uint8_t) prng.range (0, 127));
        b.push_back ((std::uint8_t) prng.range (0, 1));
    }

    b.resize (b.size() + programTailSize, 0);
    return b;
}

} // namespace

BankContent buildPrograms (long long recordBytes, const KeyMapBank& keyMaps, const FxChainBank& fxChains)
{
    Prng prng (0x50524F4752414D31ull);
    NameSource names (0x50524E414D455331ull);

    auto programs = plannedPrograms (names, prng);
    fitPrograms (programs, recordBytes);

    BankContent bank { typeProgram, factsFor (typeProgram).lastNumber, {} };
    const ChainChoice chains { fxChains };
    for (const auto& p : programs)
    {
        Bytes record = programRecord (p, keyMaps, chains, prng);
        if ((long long) record.size() != programSize (p))
            throw std::runtime_error ("program " + std::to_string (p.number) + " is not the planned size");
        bank.records[p.number] = std::move (record);
    }
    return bank;
}

} // namespace zr9::factory
