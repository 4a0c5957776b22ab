#include "ProgramCategories.h"

#include <array>

namespace zr9
{

std::string programCategoryName (int category)
{
    static const std::array<const char*, 11> names {
        "-----------", "PIANO", "E. PIANO", "CLAV", "ORGAN", "STRINGS / PADS",
        "BRASS / WINDS", "VOICES / MISC", "LEADS / SYNTH", "GUITAR / BASS", "DRUMS / PERC"
    };
    if (category < 0 || category >= (int) names.size())
        return {};
    return names[(size_t) category];
}

std::string programCategoryText (int category)
{
    auto name = programCategoryName (category);
    return name.empty() ? std::to_string (category) : name;
}

std::string programSubTypeName (int category, int subType)
{
    using Row = std::array<const char*, 4>;
    static const Row piano { "German", "Japanese", "Triple", nullptr };
    static const Row electricPiano { "77 Rhodes", "73 Rhodes", "Wurly", nullptr };
    static const Row clav { "Clavier", "Harpsichord", "Celeste", nullptr };
    static const Row organ { "B3", "Farsifa", "Vox", "Pipe" };
    static const Row guitars { "Acoustic", "Electric", nullptr, nullptr };

    const Row* row = nullptr;
    switch (category)
    {
        case 1: row = &piano; break;
        case 2: row = &electricPiano; break;
        case 3: row = &clav; break;
        case 4: row = &organ; break;
        case 13:
        case 14: row = &guitars; break;
        default: return {};
    }
    if (subType < 1 || subType > 4 || (*row)[(size_t) subType - 1] == nullptr)
        return {};
    return (*row)[(size_t) subType - 1];
}

std::string programModeName (int modeByte)
{
    return modeByte == 'x' ? "TW3" : "MOSA";
}

} // namespace zr9
