#include "TransferTypes.h"

#include <cstddef>

namespace zr9::transfer
{

namespace
{
    constexpr int userFirst = 1025, userLast = 2048;
    constexpr int wideFirst = 1, wideLast = 2560;
    constexpr int bankEnd = 2048;       // the last number of the program and setup banks
    constexpr int fxChainEnd = 8192;    // the last number of the FX chain bank
    constexpr int largestNumber = 16383; // the largest number a request's two 7-bit bytes can carry
} // namespace

int nextTypeOfAll (int typeId) noexcept
{
    for (std::size_t i = 0; i + 1 < allTypesOrder.size(); ++i)
        if (allTypesOrder[i] == typeId)
            return allTypesOrder[i + 1];
    return 0;
}

Range defaultRange (int typeId) noexcept
{
    switch (typeId)
    {
        case typeKeyMap:
        case typeProgram:
        case typeSetup:
        case typeFxChain:
            return { userFirst, userLast };
        default:
            return { wideFirst, wideLast };
    }
}

Range clampRange (int typeId, int first, int last) noexcept
{
    int end = 0;
    if (typeId == typeProgram || typeId == typeSetup)
        end = bankEnd;
    else if (typeId == typeFxChain)
        end = fxChainEnd;

    if (end > 0)
    {
        if (first >= end)
            first = end - 1;
        if (last > end)
            last = end;
    }
    first = first > largestNumber ? largestNumber : first;
    last = last > largestNumber ? largestNumber : last;
    if (first <= 0)
        first = 1;
    if (last < first)
        last = first;
    return { first, last };
}

const char* typeName (int typeId) noexcept
{
    switch (typeId)
    {
        case typeIntonation:      return "Intonation Table";
        case typeSong:            return "Songs";
        case typeKeyMap:          return "Keymaps";
        case typeProgram:         return "Programs";
        case typeAlgorithm:       return "Algs";
        case typeFxPreset:        return "FX Presets";
        case typeSetup:           return "Multi";
        case typeFxChain:         return "FX Chains";
        case typeSample:          return "Samples";
        case typeShiftPattern:    return "Shift Patterns";
        case typeVelocityPattern: return "Velocity Patterns";
        default:                  return "";
    }
}

int singleFetchType (int kind) noexcept
{
    constexpr int kindProgram = 2, kindSetup = 11;
    return kind == kindProgram ? typeProgram : kind == kindSetup ? typeSetup : 0;
}

double progressFraction (int first, int last, int current) noexcept
{
    if (last <= first)
        return current > first ? 1.0 : 0.0;
    const double f = (double) (current - first) / (double) (last - first);
    return f < 0.0 ? 0.0 : f > 1.0 ? 1.0 : f;
}

} // namespace zr9::transfer
