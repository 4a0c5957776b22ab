#include "FxTypeTable.h"

namespace zr9
{

namespace
{

/** One run of consecutive FX type numbers that share an abbreviation. */
struct FxTypeRun
{
    short first;
    short last;
    const char* abbreviation; // exactly four characters
};

// The instrument's effect types in ascending number order. Numbers that no
// run covers have no effect type.
constexpr FxTypeRun fxTypeRuns[] = {
    { 1, 2, "Rvrb" },     { 3, 3, "GRvb" },     { 4, 15, "Rvrb" },
    { 50, 52, "RvCm" },   { 53, 55, "Vocl" },   { 56, 56, "RvCm" },
    { 100, 103, "Lvrb" }, { 104, 104, "GLvb" }, { 105, 106, "DlyR" },
    { 150, 192, "Dly " },
    { 200, 203, "Chor" }, { 225, 227, "Flng" }, { 250, 259, "Phsr" },
    { 270, 272, "Trem" }, { 275, 278, "Pan " }, { 280, 282, "Ster" },
    { 283, 286, "Filt" }, { 287, 288, "Guit" },
    { 290, 296, "TW3 " }, { 297, 297, "Roto" }, { 298, 298, "TW3a" }, { 299, 299, "TW3b" },
    { 300, 304, "Dist" }, { 305, 307, "Shpr" }, { 308, 308, "QntA" }, { 309, 309, "QntF" },
    { 310, 314, "DstC" }, { 315, 319, "DstF" }, { 321, 321, "FShp" }, { 322, 322, "ShpR" },
    { 323, 329, "Cmpr" }, { 330, 332, "Expd" }, { 335, 339, "CmpX" }, { 340, 345, "Gate" },
    { 350, 354, "EQ  " }, { 355, 359, "Enhc" }, { 360, 364, "Stim" },
    { 380, 380, "RMod" }, { 381, 382, "Pchr" }, { 383, 383, "PchR" }, { 384, 384, "FPch" },
    { 385, 386, "Freq" }, { 387, 387, "PLFO" }, { 388, 389, "Mod " }, { 390, 390, "Kaos" },
    { 392, 396, "Snth" },
    { 400, 402, "CDly" }, { 403, 403, "CDRv" }, { 404, 404, "CRvb" }, { 405, 407, "PchC" },
    { 450, 452, "FDly" }, { 453, 453, "FDRv" }, { 454, 454, "FRvb" }, { 455, 457, "PchF" },
    { 498, 499, "Util" }, { 500, 502, "TDst" }, { 600, 600, "Reso" },
};

} // namespace

std::string fxTypeAbbreviation (int type)
{
    if (type >= 0 && type < fxTypeTableSize)
        for (const auto& run : fxTypeRuns)
            if (type >= run.first && type <= run.last)
                return std::string (run.abbreviation, fxTypeAbbreviationLength);

    return std::string (fxTypeAbbreviationLength, ' ');
}

int fxTypeCountInUse() noexcept
{
    int count = 0;
    for (const auto& run : fxTypeRuns)
        count += run.last - run.first + 1;
    return count;
}

} // namespace zr9
