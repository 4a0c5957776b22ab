#pragma once

#include "model/ObjectTypes.h"

#include <string>
#include <vector>

namespace zr9::factory
{

/** What a factory bank image must be: its size, its numbers, its objects and some of their names. */
struct FactoryBankFacts
{
    int typeId;
    const char* fileName;
    long long imageSize;
    int lastNumber;                    // entries for numbers 1 to lastNumber
    int objectsWithData;               // records longer than 20 bytes
    std::vector<int> dataNumbers;      // where they lie, when fixed; empty when the generator chooses
    std::vector<std::string> exampleNames;
    int minRecordSize;
    int maxRecordSize;
};

/** The eight start-up banks, in the order they are loaded. */
inline const std::vector<FactoryBankFacts>& factoryBankFacts()
{
    static const std::vector<FactoryBankFacts> facts = [] {
        auto numbers = [] (std::initializer_list<std::pair<int, int>> runs) {
            std::vector<int> v;
            for (auto [first, last] : runs)
                for (int n = first; n <= last; ++n)
                    v.push_back (n);
            return v;
        };
        return std::vector<FactoryBankFacts> {
            { typeProgram, "factory_138.bin", 950390, 2304, 260, numbers ({ { 1, 256 }, { 1021, 1024 } }),
              { "Dyn 9ft Grand", "Rich Grand 7ft" }, 0, 0 },
            { typeSetup, "factory_155.bin", 1558125, 2304, 130, numbers ({ { 1, 130 } }),
              { "Arp & Pad", "Metallicscape" }, 1000, 0 },
            { typeFxChain, "factory_156.bin", 1724699, 6912, 2247, {}, { "Little Booth", "Soundboard" }, 0, 0 },
            { typeKeyMap, "factory_133.bin", 664056, 5120, 910, {}, { "Piano f Left", "Piano f Right" }, 52, 4000 },
            { typeIntonation, "factory_103.bin", 72492, 2560, 18, numbers ({ { 1, 18 } }),
              { "Equal", "Just", "Werkmeister" }, 44, 44 },
            { typeShiftPattern, "factory_163.bin", 76048, 2560, 115, {}, { "major", "minor" }, 28, 60 },
            { typeVelocityPattern, "factory_164.bin", 75976, 2560, 94, {}, { "PseudoSine", "LoHi" }, 28, 76 },
            { typeArpeggiator, "factory_168.bin", 90672, 2560, 142, {}, { "Default Arp", "Minor Rap" }, 96, 160 },
        };
    }();
    return facts;
}

inline const FactoryBankFacts& factsFor (int typeId)
{
    for (const auto& f : factoryBankFacts())
        if (f.typeId == typeId)
            return f;
    return factoryBankFacts().front();
}

/** Bytes of records that an image of these facts holds: its size less the bank tags and the entry tags. */
inline long long recordBytesTotal (const FactoryBankFacts& facts)
{
    const auto* type = findBankType (facts.typeId);
    return facts.imageSize - 20 - (long long) facts.lastNumber * type->gapOverhead();
}

} // namespace zr9::factory
