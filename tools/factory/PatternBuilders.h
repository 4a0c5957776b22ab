#pragma once

#include "BankWriter.h"

namespace zr9::factory
{

/** The 18 intonation tables 1 to 18: name and twelve signed words, each note's offset from equal temperament in cents. */
BankContent buildIntonationTables();

/**
    The shift patterns from number 1: name, step count, a flags byte and one
    signed semitone offset per step. Step counts are fitted so that the
    records add up to `recordBytes`.
*/
BankContent buildShiftPatterns (long long recordBytes);

/** The velocity patterns from number 1: name, step count, a flags byte and one velocity (1 to 127) per step. */
BankContent buildVelocityPatterns (long long recordBytes);

/** How many shift and velocity patterns the factory banks hold. */
constexpr int factoryShiftPatterns = 115;
constexpr int factoryVelocityPatterns = 94;

} // namespace zr9::factory
