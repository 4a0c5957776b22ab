#include "BlockClock.h"

#include <algorithm>
#include <cmath>

namespace zr9
{

double BlockClock::start (double callUs, int samples, double sampleRate) noexcept
{
    const double lengthUs = sampleRate > 0.0 && samples > 0 ? 1.0e6 * samples / sampleRate : 0.0;
    const double restartUs = std::max (restartMinUs, restartBlocks * lengthUs);
    double startUs = callUs;
    if (running && std::abs (callUs - expectedUs) <= restartUs)
        startUs = expectedUs + (callUs - expectedUs) * pull;
    running = true;
    expectedUs = startUs + lengthUs;
    return startUs;
}

} // namespace zr9
