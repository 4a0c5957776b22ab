#include "ObjectTypes.h"

namespace zr9
{

const std::array<ObjectTypeInfo, 11>& bankTypes() noexcept
{
    static const std::array<ObjectTypeInfo, 11> types { {
        { typeProgram,         "Program",          "Prog*Bank>", "Prog*Dat*>", "Prog_Dat*>", 2048, 30, 31 },
        { typeSetup,           "Setup",            "Set**Bank>", "Set**Dat*>", "Set*-Dat*>", 2048, 26, 26 },
        { typeFxChain,         "FX chain",         "FX***Bank>", "FX***Data>", "FX*-*Data>", 8192, 26, 26 },
        { typeKeyMap,          "Key map",          "KeyM*Bank>", "KeyM*Dat*>", nullptr,      8192, 50, 50 },
        { typeIntonation,      "Intonation table", "IntT*Bank>", "IntT*Dat*>", nullptr,      2560, 50, 50 },
        { typeShiftPattern,    "Shift pattern",    "PatS*Bank>", "PatS*Dat*>", nullptr,      2560, 50, 50 },
        { typeVelocityPattern, "Velocity pattern", "PatV*Bank>", "PatV*Dat*>", nullptr,      2560, 50, 50 },
        { typeArpeggiator,     "Arpeggiator",      "Arp *Bank>", "Arp *Dat*>", nullptr,      2047, 50, 50 },
        { typeSong,            "Song",             "Song*Bank>", "Song*Dat*>", nullptr,      2560, 50, 50 },
        { typeAlgorithm,       "Algorithm",        "Alg**Bank>", "Alg**Data>", nullptr,      2560, 50, 50 },
        { typeSample,          "Sample",           "Samp*Bank>", "Samp*Dat*>", nullptr,      2560, 50, 50 },
    } };
    return types;
}

const ObjectTypeInfo* findBankType (int typeId) noexcept
{
    for (const auto& t : bankTypes())
        if (t.id == typeId)
            return &t;
    return nullptr;
}

void makeCloseTag (const char* openTag, char out[10]) noexcept
{
    out[0] = '<';
    for (int i = 0; i < 9; ++i)
        out[i + 1] = openTag[i];
}

} // namespace zr9
