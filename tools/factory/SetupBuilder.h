#pragma once

#include "BankWriter.h"

namespace zr9::factory
{

/**
    The factory setups 1 to 130, all in the extended format: header, common
    block and up to 16 zones, each zone walking exactly to the start of the
    next and the last one to the end of the record. List sizes and segment C
    data lengths are chosen so that the records add up to `recordBytes`
    exactly. Zones play factory programs 1 to `programCount`.
*/
BankContent buildSetups (long long recordBytes, int programCount);

} // namespace zr9::factory
