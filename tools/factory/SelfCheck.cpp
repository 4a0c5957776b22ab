#include "SelfCheck.h"

#include "ArrangementBuilder.h"
#include "ProgramBuilder.h"

#include "model/FxChainLayout.h"
#include "model/FxTypeTable.h"
#include "model/ProgramLayout.h"
#include "model/SetupLayout.h"

#include <algorithm>
#include <cstdio>

namespace zr9::factory
{

namespace
{

constexpr int tagLength = 10;
constexpr int digitCount = 4;

bool matchesNumber (ByteView v, long long pos, int number)
{
    char digits[16];
    std::snprintf (digits, sizeof (digits), "%04d", number);
    return v.matches (pos, digits, digitCount);
}

bool matchesCloseTag (ByteView v, long long pos, const char* openTag)
{
    char close[tagLength];
    makeCloseTag (openTag, close);
    return v.matches (pos, close, tagLength);
}

/** Finds where the record of the entry at `pos` ends: the first place where the closing tags and number follow. */
long long recordEnd (ByteView v, long long from, const ObjectTypeInfo& type, int number)
{
    const char* closing = type.wrapped() ? type.innerTag : type.recordTag;
    for (long long p = from; p + tagLength <= (long long) v.size(); ++p)
    {
        if (! matchesCloseTag (v, p, closing))
            continue;
        long long q = p + tagLength;
        if (type.wrapped())
        {
            if (! matchesCloseTag (v, q, type.recordTag))
                continue;
            q += tagLength;
        }
        if (matchesNumber (v, q, number))
            return p;
    }
    return -1;
}

std::string name20 (ByteView record)
{
    return std::string (reinterpret_cast<const char*> (record.data()), record.size() >= 20 ? 20 : 0);
}

} // namespace

ScannedBank scanBank (ByteView image, int typeId)
{
    ScannedBank scanned;
    const auto* type = findBankType (typeId);
    if (type == nullptr || ! image.matches (0, type->bankTag, tagLength))
    {
        scanned.error = "bank open tag missing";
        return scanned;
    }

    long long pos = tagLength;
    for (int number = 1; image.matches (pos, type->recordTag, tagLength); ++number)
    {
        if (! matchesNumber (image, pos + tagLength, number))
        {
            scanned.error = "entry " + std::to_string (number) + " out of order";
            return scanned;
        }
        long long start = pos + tagLength + digitCount;
        if (type->wrapped())
        {
            if (! image.matches (start, type->innerTag, tagLength))
            {
                scanned.error = "inner tag of entry " + std::to_string (number) + " missing";
                return scanned;
            }
            start += tagLength;
        }
        const long long end = recordEnd (image, start, *type, number);
        if (end < 0)
        {
            scanned.error = "close of entry " + std::to_string (number) + " missing";
            return scanned;
        }
        scanned.records[number] = image.slice (start, end - start);
        pos = end + (type->wrapped() ? 2 * tagLength : tagLength) + digitCount;
    }

    if (! matchesCloseTag (image, pos, type->bankTag) || pos + tagLength != (long long) image.size())
        scanned.error = "bank close tag missing or bytes behind it";
    return scanned;
}

Problems checkFacts (const FactoryBankFacts& facts, ByteView image)
{
    Problems problems;
    const std::string what = std::to_string (facts.typeId) + ": ";
    if ((long long) image.size() != facts.imageSize)
        problems.push_back (what + "image is " + std::to_string (image.size()) + " bytes");

    const auto scanned = scanBank (image, facts.typeId);
    if (! scanned.error.empty())
        problems.push_back (what + scanned.error);
    if ((int) scanned.records.size() != facts.lastNumber)
        problems.push_back (what + "holds " + std::to_string (scanned.records.size()) + " numbers");

    std::vector<int> withData;
    std::vector<std::string> names;
    for (const auto& [number, record] : scanned.records)
    {
        if (record.size() <= 20)
        {
            if (! record.empty())
                problems.push_back (what + "record " + std::to_string (number) + " is a bare name");
            continue;
        }
        withData.push_back (number);
        names.push_back (name20 (record));
        if ((facts.minRecordSize > 0 && (int) record.size() < facts.minRecordSize)
            || (facts.maxRecordSize > 0 && (int) record.size() > facts.maxRecordSize))
            problems.push_back (what + "record " + std::to_string (number) + " has " + std::to_string (record.size()) + " bytes");
        for (std::size_t i = 0; i < 20; ++i)
            if (record.byte ((long long) i) < 0x20 || record.byte ((long long) i) > 0x7E)
                problems.push_back (what + "record " + std::to_string (number) + " has a name byte outside 7-bit text");
    }

    if ((int) withData.size() != facts.objectsWithData)
        problems.push_back (what + std::to_string (withData.size()) + " objects hold data");
    if (! facts.dataNumbers.empty() && withData != facts.dataNumbers)
        problems.push_back (what + "objects with data lie at other numbers");
    for (const auto& example : facts.exampleNames)
    {
        std::string padded = example;
        padded.resize (20, ' ');
        if (std::find (names.begin(), names.end(), padded) == names.end())
            problems.push_back (what + "no object named \"" + example + "\"");
    }
    if (facts.typeId == typeArpeggiator && ! withData.empty() && withData.back() > 2046)
        problems.push_back (what + "arpeggiator beyond 2046");
    return problems;
}

namespace
{

Problems checkPrograms (const ScannedBank& programs, const ScannedBank& keyMaps, const ScannedBank& chains)
{
    Problems problems;
    auto exists = [] (const ScannedBank& bank, int n) {
        const auto it = bank.records.find (n);
        return it != bank.records.end() && it->second.size() > 20;
    };
    for (const auto& [number, r] : programs.records)
    {
        if (r.size() <= 20)
            continue;
        const std::string what = "program " + std::to_string (number) + ": ";
        const auto blocks = program::trailingBlocks (r);
        const int layers = program::layerCount (r);
        if (blocks.end() + programTailSize != (long long) r.size())
            problems.push_back (what + "does not walk to its end");
        if (! r.matches (20, "RK2\x04\x07", 5) || ! r.matches (25, "RK2\x03\x03", 5) || ! r.matches (141, "ProgramRFU012567", 16))
            problems.push_back (what + "format texts missing");
        if (layers < 1 || layers > 31 || r.byte (program::infoBlockBase - 1 + program::layerSize * layers) != 0)
            problems.push_back (what + "layer count or the byte behind the layers");
        if (r.word (blocks.infoStart) != program::infoBlockTag || r.word (blocks.routeStart) != program::routeBlockTag)
            problems.push_back (what + "block tags");
        if (r.byte (30) < 1 || r.byte (30) > 10)
            problems.push_back (what + "category");
        for (int k = 0; k < layers; ++k)
        {
            const long long at = program::layerOffset (k);
            if (r.byte (at) != 0x09 || ! r.matches (at + 310, "LayerRFU", 8) || ! exists (keyMaps, r.word (at + 142)))
                problems.push_back (what + "layer " + std::to_string (k));
        }
        for (int at : { 84, 96, 108 })
            if (r.word (at) > 2048 || ! exists (chains, r.word (at)))
                problems.push_back (what + "channel mixer names no factory FX chain at " + std::to_string (at));
        if ((r.byte (86) & 0x7F) > 100 || (r.byte (87) & 0x7F) > 120 || r.signedByte (55) < -96 || r.signedByte (55) > 24)
            problems.push_back (what + "levels");
    }
    return problems;
}

Problems checkSetups (const ScannedBank& setups)
{
    Problems problems;
    for (const auto& [number, r] : setups.records)
    {
        if (r.size() <= 20)
            continue;
        const auto table = setup::walkZones (r);
        if (! setup::isExtended (r) || setup::zoneCount (r) > setup::maxZones || table.walked != setup::zoneCount (r)
            || table.end != (long long) r.size())
            problems.push_back ("setup " + std::to_string (number) + " does not walk to its end");
    }
    return problems;
}

Problems checkFxChains (const ScannedBank& chains)
{
    Problems problems;
    for (const auto& [number, r] : chains.records)
    {
        if (r.size() <= 20)
            continue;
        const std::string what = "FX chain " + std::to_string (number) + ": ";
        const auto chain = fxchain::decode (r);
        if (chain.count < 1 || fxchain::anchor (r) != 26 + 4 * chain.count)
            problems.push_back (what + "anchor");
        if (chain.end + fxchain::infoBlockSize (r) != (long long) r.size() || r.word (chain.end) != program::infoBlockTag)
            problems.push_back (what + "does not walk to its end");
        for (int i = 0; i < chain.decodedCount(); ++i)
            if (fxTypeAbbreviation (chain.effects[(std::size_t) i].type) == "    ")
                problems.push_back (what + "effect type without abbreviation");
    }
    return problems;
}

Problems checkArpeggiators (const ScannedBank& arps)
{
    Problems problems;
    for (const auto& [number, r] : arps.records)
        if (r.size() > 20 && r.byte (61) > 1)
            problems.push_back ("arpeggiator " + std::to_string (number) + " mode");
    return problems;
}

void append (Problems& to, const Problems& more)
{
    to.insert (to.end(), more.begin(), more.end());
}

} // namespace

Problems checkRecords (const std::map<int, Bytes>& imagesByType)
{
    auto scan = [&] (int type) { return scanBank (ByteView (imagesByType.at (type)), type); };
    const auto programs = scan (typeProgram);
    const auto keyMaps = scan (typeKeyMap);
    const auto chains = scan (typeFxChain);

    Problems problems;
    append (problems, checkPrograms (programs, keyMaps, chains));
    append (problems, checkSetups (scan (typeSetup)));
    append (problems, checkFxChains (chains));
    append (problems, checkArpeggiators (scan (typeArpeggiator)));

    const auto& booth = chains.records.at (1);
    const auto decoded = fxchain::decode (booth);
    if (name20 (booth) != "Little Booth        " || decoded.count != 1 || decoded.effects[0].type != 4
        || decoded.effects[0].length != 34 || fxchain::infoBlockSize (booth) != 20
        || ! booth.matches (decoded.end + 12, " Wet/Dry", 8))
        problems.push_back ("Little Booth is not as described");
    return problems;
}

Problems checkArrangementBank (ByteView bank)
{
    Problems problems;
    if (bank.size() != (std::size_t) (arrangementSlots * arrangementRecordSize))
        problems.push_back ("arrangement bank size");
    const char* names[] { "EDM                     ", "Hip Hop                 ", "Rock                    " };
    for (int s = 0; s < arrangementSlots; ++s)
    {
        const long long at = (long long) s * arrangementRecordSize;
        const char* expected = s < 3 ? names[s] : "------------------------";
        if (! bank.matches (at, expected, 24))
            problems.push_back ("arrangement slot " + std::to_string (s + 1) + " name");
    }
    return problems;
}

} // namespace zr9::factory
