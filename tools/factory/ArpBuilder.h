#pragma once

#include "BankWriter.h"

namespace zr9::factory
{

constexpr int factoryArpeggiators = 142;

/**
    The factory arpeggiators 1 to 142: a 96-byte setting (mode at byte 61,
    step sequence at byte 71) followed by up to 64 step bytes. Step counts are
    fitted so that the records add up to `recordBytes`.
*/
BankContent buildArpeggiators (long long recordBytes, int shiftPatterns, int velocityPatterns);

} // namespace zr9::factory
