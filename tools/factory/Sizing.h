#pragma once

#include <vector>

namespace zr9::factory
{

/**
    Moves the values one unit at a time, taking them in turn, each within its
    own bounds lo[i] to hi[i], until they add up to `target`. The change is
    spread evenly over all values. Returns false when the bounds cannot reach
    the target (the values are then left at the nearest sum they reach).
*/
bool fitToTotal (std::vector<long long>& values, const std::vector<long long>& lo,
                 const std::vector<long long>& hi, long long target);

/** The same with one pair of bounds for all values. */
bool fitToTotal (std::vector<long long>& values, long long lo, long long hi, long long target);

long long sum (const std::vector<long long>& values);

} // namespace zr9::factory
