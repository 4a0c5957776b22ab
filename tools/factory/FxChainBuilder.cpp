#include "FxChainBuilder.h"

#include "FactoryFacts.h"
#include "InfoBlockWriter.h"
#include "NameSource.h"
#include "RecordBytes.h"
#include "Sizing.h"

#include "model/FxChainLayout.h"
#include "model/FxTypeTable.h"

#include <stdexcept>

namespace zr9::factory
{

namespace
{

constexpr int headerTextOffset = 20;     // "RK2" and two version bytes
constexpr int effectCountCopyOffset = 25;
constexpr int keyByteOffset = 26;
constexpr int anchorBase = 26;           // anchor = 26 + 4 × effect count
constexpr int anchorStepPerEffect = 4;
constexpr int maxEffects = 8;            // keeps the anchor within 20 to 59
constexpr int chainBodySize = fxchain::effectCountFromAnchor - 1; // bytes between the anchor and the count
constexpr long long minWords = 6;
constexpr long long maxWords = 200;
constexpr int reverbType = 4;
constexpr int littleBoothWords = 13;     // 34-byte effect entry

const std::vector<std::string> adjectives {
    "Small", "Large", "Bright", "Dark", "Warm", "Deep", "Short", "Long", "Wide", "Soft", "Big", "Tight",
    "Airy", "Lush", "Studio", "Vintage", "Classic", "Modern", "Clean", "Smooth", "Dense", "Subtle", "Heavy",
    "Light", "Silky", "Gentle", "Hard", "Fat", "Thin", "Slow", "Fast", "Mellow", "Crisp", "Rich" };
const std::vector<std::string> suffixes { "", "", "", "1", "2", "Lo", "Hi", "Mix" };

struct FxFamily
{
    const char* use;
    int keyByte;                                      // FX category number shown by selectors
    int count;
    std::vector<std::vector<std::string>> effects;    // one abbreviation per step; "" leaves the step out
    std::vector<std::string> nouns;
    std::vector<std::string> controls;
};

const std::vector<FxFamily>& families()
{
    static const std::vector<FxFamily> list {
        { "reverb", 1, 520, { { "", "", "", "EQ  ", "Cmpr" }, { "Rvrb", "Rvrb", "Rvrb", "Lvrb", "GRvb" } },
          { "Hall", "Room", "Plate", "Chamber", "Booth", "Cathedral", "Stage", "Arena", "Club", "Space", "Ambience",
            "Church", "Studio", "Garage", "Spring", "Vault", "Canyon", "Attic", "Theater" },
          { " Wet/Dry", "Reverb Time", "Pre-Delay", "HF Damping", "Size", "Diffusion" } },
        { "delay", 8, 300, { { "Dly ", "DlyR", "CDly" }, { "", "Rvrb", "Lvrb" } },
          { "Echo Hall", "Delay Room", "Slap Plate", "Echo Verb", "Dly Verb", "Tape Space", "Echo Room" },
          { " Wet/Dry", "Delay Time", "Feedback", "Reverb Time", "Delay Level" } },
        { "delay", 8, 200, { { "", "", "EQ  ", "Filt" }, { "Dly ", "Dly ", "FDly", "DlyR" } },
          { "Slap Delay", "Ping Pong", "Tape Echo", "Analog Dly", "Dotted 8th", "Triplet Dly", "Dub Echo",
            "Multi Tap", "Quarter Dly", "16th Echo" },
          { " Wet/Dry", "Delay Time", "Feedback", "Tempo Sync", "HF Damping" } },
        { "chorus", 2, 150, { { "Chor", "Chor", "CDly", "PchC" }, { "", "", "Rvrb" } },
          { "Chorus", "Ensemble", "Shimmer", "Doubler", "Detune", "Wide Chorus" },
          { " Wet/Dry", "Rate", "Depth", "Feedback" } },
        { "chorus", 2, 150, { { "Chor", "CRvb", "CDRv" }, { "", "Rvrb" } },
          { "Chorus Hall", "Chorus Room", "Ens Plate", "Chorus Verb", "Shimmer Hall" },
          { " Wet/Dry", "Rate", "Depth", "Reverb Time" } },
        { "modulation", 3, 80, { { "Flng", "Flng", "FRvb", "FDRv", "PchF" }, { "", "Rvrb" } },
          { "Flanger", "Jet Flange", "Through Zero", "Flange Verb", "Sweep" },
          { " Wet/Dry", "Rate", "Depth", "Feedback" } },
        { "modulation", 4, 80, { { "Phsr", "Phsr", "PLFO" }, { "", "Rvrb" } },
          { "Phaser", "Phase 4", "Phase 8", "Swirl", "Stereo Phase" },
          { " Wet/Dry", "Rate", "Depth", "Feedback" } },
        { "modulation", 5, 80, { { "Trem", "Pan ", "Ster" }, { "", "Chor", "Rvrb" } },
          { "Tremolo", "Auto Pan", "Vibe", "Stereo Trem", "Pulse" },
          { "Rate", "Depth", " Wet/Dry" } },
        { "organ", 7, 120, { { "", "", "Dist" }, { "Roto", "TW3 ", "TW3a", "TW3b" }, { "", "Rvrb" } },
          { "Rotary", "Rotor", "Horn Drum", "Cabinet", "Console" },
          { "Rotor Speed", "Drive", "Horn Level", " Wet/Dry" } },
        { "drive", 10, 120, { { "Dist", "DstC", "DstF", "Kaos", "Shpr", "TDst" }, { "", "Cmpr" }, { "", "Rvrb", "Dly " } },
          { "Drive", "Fuzz", "Crunch", "Overdrive", "Grit", "Tube Amp", "Saturate" },
          { "Drive", "Tone", "Out Level", " Wet/Dry" } },
        { "dynamics", 11, 80, { { "Cmpr", "CmpX", "Expd", "Gate", "RvCm" }, { "", "EQ  " } },
          { "Comp", "Squash", "Limiter", "Gate", "Leveler", "Punch" },
          { "Threshold", "Ratio", "Gain", "Attack" } },
        { "eq", 17, 60, { { "EQ  " }, { "", "Enhc", "Cmpr", "Rvrb" } },
          { "EQ", "Tone Shape", "Presence", "Low Boost", "Air EQ" },
          { "Low Gain", "Mid Gain", "High Gain", "Mid Freq" } },
        { "eq", 12, 40, { { "Enhc", "Stim" }, { "", "EQ  ", "Rvrb" } },
          { "Enhancer", "Exciter", "Sparkle", "Polish" },
          { "Amount", "Tune", " Wet/Dry" } },
        { "filter", 13, 80, { { "Filt", "QntF", "FShp", "ShpR", "Reso" }, { "", "Dly ", "Rvrb" } },
          { "Auto Wah", "Env Filter", "Sweep Filt", "Formant", "Resonator", "Talk Box" },
          { "Cutoff", "Resonance", "Env Amount", " Wet/Dry" } },
        { "pitch", 15, 60, { { "Pchr", "PchR", "FPch", "Freq", "Mod ", "RMod" }, { "", "Dly ", "Rvrb" } },
          { "Pitch Shift", "Octaver", "Harmonizer", "Ring Mod", "Freq Shift" },
          { "Pitch Shift", "Fine Tune", " Wet/Dry", "Feedback" } },
        { "guitar", 16, 80, { { "Guit", "GLvb" }, { "", "Dly ", "Rvrb" }, { "", "Cmpr" } },
          { "Amp Sim", "Combo Amp", "Stack", "Cab", "Clean Amp", "Bass Amp" },
          { "Amp Drive", "Tone", "Cab Size", " Wet/Dry" } },
        { "synth", 13, 46, { { "Snth", "QntA", "Vocl", "Util" }, { "", "Dly ", "Rvrb" } },
          { "Synth FX", "Vocoder", "Quantize", "Utility", "Lo-Fi" },
          { "Amount", "Rate", " Wet/Dry" } },
    };
    return list;
}

struct EffectPlan
{
    int type;
    long long words;
};

struct ChainPlan
{
    std::string name;
    int keyByte = 0;
    std::vector<EffectPlan> effects;
    std::vector<InfoEntry> info;
};

/** The FX type numbers that carry each abbreviation. */
const std::map<std::string, std::vector<int>>& typesByAbbreviation()
{
    static const auto table = [] {
        std::map<std::string, std::vector<int>> m;
        for (int t = 0; t < fxTypeTableSize; ++t)
            if (fxTypeAbbreviation (t) != "    ")
                m[fxTypeAbbreviation (t)].push_back (t);
        return m;
    }();
    return table;
}

int anchorFor (std::size_t effects)
{
    return anchorBase + anchorStepPerEffect * (int) effects;
}

/** Record size without the effects' parameter words. */
long long sizeWithoutWords (const ChainPlan& c)
{
    return anchorFor (c.effects.size()) + fxchain::firstEffectFromAnchor
         + (long long) fxchain::effectHeadSize * (long long) c.effects.size() + infoBlockBytes (c.info);
}

long long chainSize (const ChainPlan& c)
{
    long long size = sizeWithoutWords (c);
    for (const auto& e : c.effects)
        size += fxchain::effectWordSize * e.words;
    return size;
}

ChainPlan plannedChain (const FxFamily& family, NameSource& names, Prng& prng)
{
    ChainPlan c;
    c.name = names.take ({ adjectives, family.nouns, suffixes });
    c.keyByte = family.keyByte;

    for (const auto& step : family.effects)
    {
        const auto& abbreviation = prng.pick (step);
        if (! abbreviation.empty())
            c.effects.push_back ({ prng.pick (typesByAbbreviation().at (abbreviation)), prng.range (14, 60) });
    }
    // A few chains carry a longer processing line in front.
    static const std::vector<std::string> extras { "EQ  ", "Cmpr", "Util", "Enhc", "Gate" };
    const int longLine = prng.chance (3) ? prng.range (5, maxEffects) : 0;
    while ((int) c.effects.size() < longLine)
        c.effects.insert (c.effects.begin(), { prng.pick (typesByAbbreviation().at (prng.pick (extras))), prng.range (10, 30) });

    const int controls = prng.range (1, (int) family.controls.size());
    static const int knobs[] { 25, 26, 71, 72, 73, 79 }; // KNOB FX 1, KNOB FX 2, KNOB P1 to P4
    for (int i = 0; i < controls; ++i)
        c.info.push_back ({ knobs[i], prng.chance (10) ? 0xFFFF : prng.range (0, 127), family.controls[(std::size_t) i], false });
    return c;
}

ChainPlan littleBooth()
{
    return { "Little Booth", 1, { { reverbType, littleBoothWords } }, { { 25, 64, " Wet/Dry", false } } };
}

Bytes chainRecord (const ChainPlan& c, Prng& prng)
{
    const int count = (int) c.effects.size();
    const int anchor = anchorFor (c.effects.size());
    Bytes b = namedRecord (c.name, (std::size_t) (anchor + fxchain::firstEffectFromAnchor));

    putText (b, headerTextOffset, "RK2\x01\x02");
    putByte (b, effectCountCopyOffset, count);
    putByte (b, keyByteOffset, c.keyByte);
    // One routing byte per header slot up to the marker; never zero, so 00 00 14 appears only at the anchor.
    for (int p = keyByteOffset + 1; p < anchor - 2; ++p)
        putByte (b, p, prng.range (1, 0x7F));
    putByte (b, anchor, fxchain::anchorMarker);

    for (int p = anchor + 1; p <= anchor + chainBodySize; ++p)
        putByte (b, p, prng.chance (60) ? 0 : prng.range (1, 127));
    putByte (b, anchor + fxchain::effectCountFromAnchor, count);

    for (std::size_t i = 0; i < c.effects.size(); ++i)
    {
        const auto& e = c.effects[i];
        const auto start = (long long) b.size();
        b.resize ((std::size_t) (start + fxchain::effectHeadSize + fxchain::effectWordSize * e.words), 0);
        putWord (b, start + fxchain::effectTypeOffset, e.type);
        putByte (b, start + 2, (int) i + 1);
        putWord (b, start + 4, 100);
        putWord (b, start + fxchain::effectWordCountOffset, (int) e.words);
        for (long long w = 0; w < e.words; ++w)
            putWord (b, start + fxchain::effectHeadSize + fxchain::effectWordSize * w, prng.range (0, 1000));
    }

    appendInfoBlock (b, c.info);
    return b;
}

/** Spreads the parameter words (2 bytes each) and, for an odd remainder, one text terminator over the chains. */
void fitChains (std::vector<ChainPlan>& chains, long long recordBytes)
{
    long long fixed = 0;
    std::vector<long long> words, lo, hi;
    for (std::size_t i = 0; i < chains.size(); ++i)
    {
        fixed += sizeWithoutWords (chains[i]);
        for (const auto& e : chains[i].effects)
        {
            words.push_back (e.words);
            lo.push_back (i == 0 ? e.words : minWords);
            hi.push_back (i == 0 ? e.words : maxWords);
        }
    }

    const long long wordBytes = recordBytes - fixed;
    if (wordBytes < 0 || ! fitToTotal (words, lo, hi, wordBytes / fxchain::effectWordSize))
        throw std::runtime_error ("FX chain sizes cannot meet the image size");

    std::size_t w = 0;
    for (auto& c : chains)
        for (auto& e : c.effects)
            e.words = words[w++];

    if (wordBytes % fxchain::effectWordSize != 0)
        chains.back().info.front().terminated = true;
}

} // namespace

FxChainBank buildFxChains (long long recordBytes)
{
    Prng prng (0x4658434841494E31ull);
    NameSource names (0x46584E414D455331ull);

    // Families interleaved, so that every kind of chain is found among the lower numbers.
    std::vector<std::size_t> order;
    for (std::size_t f = 0; f < families().size(); ++f)
        order.insert (order.end(), (std::size_t) families()[f].count, f);
    for (std::size_t i = order.size() - 1; i > 1; --i)
        std::swap (order[i], order[(std::size_t) prng.range (1, (int) i)]);

    std::vector<ChainPlan> chains { littleBooth() };
    names.claim ("Little Booth");
    names.claim ("Soundboard");
    std::vector<const char*> uses { "reverb" };
    for (std::size_t i = 0; i < order.size(); ++i)
    {
        const auto& family = families()[order[i]];
        chains.push_back (plannedChain (family, names, prng));
        uses.push_back (family.use);
    }
    chains[1].name = "Soundboard";

    fitChains (chains, recordBytes);

    FxChainBank result;
    result.bank = { typeFxChain, factsFor (typeFxChain).lastNumber, {} };
    for (std::size_t i = 0; i < chains.size(); ++i)
    {
        const int number = (int) i + 1;
        result.bank.records[number] = chainRecord (chains[i], prng);
        if ((long long) result.bank.records[number].size() != chainSize (chains[i]))
            throw std::runtime_error ("FX chain " + std::to_string (number) + " is not the planned size");
        result.numbersByUse[uses[i]].push_back (number);
    }
    return result;
}

} // namespace zr9::factory
