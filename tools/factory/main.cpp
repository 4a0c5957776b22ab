// Writes the factory bank images and the factory arrangement bank into the
// directory given on the command line, then reads them back and checks them.
// The output is the same on every run.

#include "ArpBuilder.h"
#include "ArrangementBuilder.h"
#include "FxChainBuilder.h"
#include "KeyMapBuilder.h"
#include "PatternBuilders.h"
#include "ProgramBuilder.h"
#include "SelfCheck.h"
#include "SetupBuilder.h"

#include <cstdio>
#include <exception>
#include <fstream>
#include <iostream>

using namespace zr9;
using namespace zr9::factory;

namespace
{

bool writeFile (const std::string& path, const Bytes& bytes)
{
    std::ofstream out (path, std::ios::binary | std::ios::trunc);
    out.write (reinterpret_cast<const char*> (bytes.data()), (std::streamsize) bytes.size());
    return out.good();
}

std::map<int, Bytes> buildImages()
{
    const auto keyMaps = buildKeyMaps (recordBytesTotal (factsFor (typeKeyMap)));
    const auto fxChains = buildFxChains (recordBytesTotal (factsFor (typeFxChain)));
    const auto programs = buildPrograms (recordBytesTotal (factsFor (typeProgram)), keyMaps, fxChains);

    std::map<int, Bytes> images;
    images[typeKeyMap] = writeBank (keyMaps.bank);
    images[typeFxChain] = writeBank (fxChains.bank);
    images[typeProgram] = writeBank (programs);
    images[typeSetup] = writeBank (buildSetups (recordBytesTotal (factsFor (typeSetup)), 256));
    images[typeIntonation] = writeBank (buildIntonationTables());
    images[typeShiftPattern] = writeBank (buildShiftPatterns (recordBytesTotal (factsFor (typeShiftPattern))));
    images[typeVelocityPattern] = writeBank (buildVelocityPatterns (recordBytesTotal (factsFor (typeVelocityPattern))));
    images[typeArpeggiator] = writeBank (buildArpeggiators (recordBytesTotal (factsFor (typeArpeggiator)),
                                                           factoryShiftPatterns, factoryVelocityPatterns));
    return images;
}

} // namespace

int main (int argc, char** argv)
{
    if (argc != 2)
    {
        std::cerr << "usage: " << argv[0] << " OUTPUT_DIRECTORY\n";
        return 2;
    }
    const std::string dir = argv[1];

    try
    {
        const auto images = buildImages();
        const auto arrangements = buildArrangementBank();

        Problems problems = checkRecords (images);
        for (const auto& facts : factoryBankFacts())
        {
            const auto more = checkFacts (facts, ByteView (images.at (facts.typeId)));
            problems.insert (problems.end(), more.begin(), more.end());
        }
        const auto more = checkArrangementBank (ByteView (arrangements));
        problems.insert (problems.end(), more.begin(), more.end());

        for (const auto& p : problems)
            std::cerr << "factory data: " << p << "\n";
        if (! problems.empty())
            return 1;

        bool written = writeFile (dir + "/factory_arrangements.bin", arrangements);
        for (const auto& facts : factoryBankFacts())
            written = writeFile (dir + "/" + facts.fileName, images.at (facts.typeId)) && written;
        if (! written)
        {
            std::cerr << "cannot write into " << dir << "\n";
            return 1;
        }
    }
    catch (const std::exception& e)
    {
        std::cerr << "factory data: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
