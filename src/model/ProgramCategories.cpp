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

} // namespace zr9
