#pragma once

#include "BankWriter.h"

#include <map>
#include <string>
#include <vector>

namespace zr9::factory
{

struct FxChainBank
{
    BankContent bank;
    /** Chain numbers by what a program uses them for: "reverb", "delay", "chorus", "organ", ... */
    std::map<std::string, std::vector<int>> numbersByUse;
};

/**
    The factory FX chains, numbered from 1 ("Little Booth" first). Each has a
    header with the anchor at 26 + 4 × its effect count, the effect count at
    anchor + 349, its effects (types from the FX type table) and an info
    block that ends the record. Effect parameter counts are chosen so that the
    records add up to `recordBytes` exactly.
*/
FxChainBank buildFxChains (long long recordBytes);

} // namespace zr9::factory
