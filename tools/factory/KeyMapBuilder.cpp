#include "KeyMapBuilder.h"

#include "FactoryFacts.h"
#include "NameSource.h"
#include "RecordBytes.h"
#include "Sizing.h"

#include <stdexcept>
#include <string>

namespace zr9::factory
{

namespace
{

constexpr int headSize = 4;
constexpr int zoneSize = 4;
constexpr int formatOffset = 20;
constexpr int categoryOffset = 21;
constexpr int zoneCountOffset = 22;
constexpr int firstZoneOffset = nameLength + headSize;
constexpr int keyMapFormat = 1;
constexpr long long minZones = 7;    // 52-byte records
constexpr long long maxZones = 880;  // about 3.5 kB

struct KeyMapFamily
{
    Category category;
    int count;
    int minZones;
    int maxZones;
    std::vector<std::vector<std::string>> words;
};

const std::vector<std::string> dynamics { "pp", "p", "mp", "mf", "f", "ff" };

const std::vector<KeyMapFamily>& families()
{
    static const std::vector<KeyMapFamily> list {
        { piano, 180, 88, 700, { { "Piano", "Grand", "Grand 7ft", "Grand 9ft", "Upright", "Felt Piano", "Bright Pno", "Concert" },
                                 dynamics, { "Left", "Right", "Mid", "Lo", "Hi", "Str", "Rel", "" } } },
        { electricPiano, 110, 60, 400, { { "Rhodes", "Rhodes 73", "Tine Pno", "Wurly", "Wurly Soft", "Tine EP", "FM EP", "Reed EP" },
                                         dynamics, { "", "Bark", "Soft", "Tine", "Rel", "Lo", "Hi" } } },
        { clav, 40, 30, 200, { { "Clav", "Clav Mute", "Harpsi", "Harpsi 8ft", "Harpsi 4ft", "Celeste" }, dynamics, { "", "Lo", "Hi", "Rel" } } },
        { organ, 60, 12, 96, { { "Drawbar", "Pipe", "Combo Org", "Perc Org", "Reed Org", "Principal", "Flute 8ft", "Mixture" },
                               { "", "Lo", "Hi", "Soft", "Full", "Click" } } },
        { stringsPads, 90, 24, 200, { { "Violins", "Violas", "Celli", "Basses", "Strings", "Pizz", "Trem Str", "Solo Violin", "Harp" },
                                      { "Sus", "Stac", "Leg", "Lo", "Hi", "Soft", "Loud", "Mart" } } },
        { brassWinds, 70, 16, 160, { { "Trumpet", "Trombone", "Horns", "Tuba", "Brass Sect", "Flugel", "Alto Sax", "Tenor Sax",
                                       "Flute", "Clarinet", "Oboe", "Bassoon" },
                                     { "Sus", "Stac", "Fall", "Soft", "Loud", "Lo", "Hi" } } },
        { voicesMisc, 50, 12, 100, { { "Choir Aah", "Choir Ooh", "Voice Doo", "Boys Choir", "Whisper", "Vox Pad", "Marimba", "Vibes" },
                                     { "", "Lo", "Hi", "Soft", "Loud" } } },
        { leadsSynth, 120, 7, 60, { { "Saw", "Square", "Pulse", "Sine", "Tri", "Noise", "Sync", "Analog Pad", "Digi Wave", "Bell",
                                      "Pluck", "Sweep" },
                                    { "Wave", "Loop", "Lo", "Hi", "Multi", "A", "B", "Soft", "Hard" } } },
        { guitarBass, 90, 24, 200, { { "Nylon Gtr", "Steel Gtr", "Jazz Gtr", "Clean Gtr", "Mute Gtr", "Elec Bass", "Pick Bass",
                                       "Fretless", "Slap Bass", "Upright Bs", "Synth Bass" },
                                     dynamics, { "", "Lo", "Hi", "Slide", "Harm" } } },
        { drumsPerc, 100, 7, 128, { { "Kick", "Snare", "HiHat", "Tom", "Ride", "Crash", "Kit", "Perc", "Conga", "Bongo", "Shaker",
                                      "Clap", "Tamb" },
                                    { "Acoustic", "Room", "Dry", "Rock", "Jazz", "Elec", "Vintage", "Brush" }, { "", "1", "2", "3" } } },
    };
    return list;
}

Bytes keyMapRecord (const std::string& name, Category category, int zones, int firstSample, Prng& prng)
{
    Bytes b = namedRecord (name, (std::size_t) (firstZoneOffset + zoneSize * zones));
    putByte (b, formatOffset, keyMapFormat);
    putByte (b, categoryOffset, category);
    putWord (b, zoneCountOffset, zones);

    // Zones cover the keyboard once per velocity layer, lowest layer first.
    const int layers = 1 + zones / 64;
    const int perLayer = (zones + layers - 1) / layers;
    for (int z = 0; z < zones; ++z)
    {
        const int layer = z / perLayer;
        const int index = z % perLayer;
        const long long pos = firstZoneOffset + (long long) zoneSize * z;
        putByte (b, pos, 127 * (index + 1) / perLayer);
        putByte (b, pos + 1, 127 * (layer + 1) / layers);
        putWord (b, pos + 2, firstSample + z + prng.range (0, 1));
    }
    return b;
}

} // namespace

KeyMapBank buildKeyMaps (long long recordBytes)
{
    Prng prng (0x4B45594D41505331ull);
    NameSource names (0x4B4D4E414D455331ull);

    struct Planned { std::string name; Category category; };
    std::vector<Planned> planned;
    std::vector<long long> zones;
    std::vector<long long> lo, hi;

    const char* fixedNames[] { "Piano f Left", "Piano f Right" };
    for (const char* fixed : fixedNames)
        names.claim (fixed);

    for (const auto& family : families())
        for (int i = 0; i < family.count; ++i)
        {
            const std::string name = planned.size() < std::size (fixedNames) ? fixedNames[planned.size()] : names.take (family.words);
            planned.push_back ({ name, family.category });
            zones.push_back (prng.range (family.minZones, family.maxZones));
            lo.push_back (minZones);
            hi.push_back (maxZones);
        }

    const long long perRecordFixed = firstZoneOffset;
    const long long zoneBytes = recordBytes - perRecordFixed * (long long) planned.size();
    if (zoneBytes % zoneSize != 0 || ! fitToTotal (zones, lo, hi, zoneBytes / zoneSize))
        throw std::runtime_error ("key map sizes cannot meet the image size");

    KeyMapBank result;
    const auto& facts = factsFor (typeKeyMap);
    result.bank = { typeKeyMap, facts.lastNumber, {} };
    int sample = 1;
    for (std::size_t i = 0; i < planned.size(); ++i)
    {
        const int number = (int) i + 1;
        result.bank.records[number] = keyMapRecord (planned[i].name, planned[i].category, (int) zones[i], sample, prng);
        result.numbersByCategory[planned[i].category].push_back (number);
        sample = (sample + (int) zones[i]) % 30000 + 1; // sample words stay below 32768
    }
    return result;
}

} // namespace zr9::factory
