#pragma once

#include "BankWriter.h"
#include "Categories.h"

#include <map>
#include <vector>

namespace zr9::factory
{

struct KeyMapBank
{
    BankContent bank;
    std::map<int, std::vector<int>> numbersByCategory; // key map numbers by the sound category they serve
};

/**
    The factory key maps, numbered from 1: a 4-byte head (format, category,
    zone count word) and one 4-byte zone per key range (top key, top velocity,
    sample word). Zone counts are chosen so that the records add up to
    `recordBytes` exactly.
*/
KeyMapBank buildKeyMaps (long long recordBytes);

} // namespace zr9::factory
