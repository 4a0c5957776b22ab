#include "controller/BlockClock.h"

#include <juce_core/juce_core.h>

#include <gtest/gtest.h>

#include <cmath>

using namespace zr9;

namespace
{
constexpr double rate = 48000.0;
constexpr int samples = 256;
constexpr double blockUs = 1.0e6 * samples / rate; // 5,333 us
} // namespace

TEST (BlockClock, StartsFollowTheAudioClockThroughTheCallsJitter)
{
    BlockClock blocks;
    juce::Random random (7);
    const double audioStartUs = 1.0e9;
    double worst = 0.0;
    double previous = 0.0;
    for (int k = 0; k < 2000; ++k)
    {
        // Each call comes 0 to 2 ms after its block is due on the audio clock.
        const double callUs = audioStartUs + k * blockUs + 2000.0 * random.nextDouble();
        const double start = blocks.start (callUs, samples, rate);
        if (k == 0)
        {
            EXPECT_DOUBLE_EQ (start, callUs) << "the first block starts at its call";
        }
        else
        {
            EXPECT_NEAR (start - previous, blockUs, 0.1 * blockUs) << k;
        }
        previous = start;
        // After settling, a block starts at its time on the audio clock plus the calls' mean lateness.
        if (k >= 100)
            worst = std::max (worst, std::abs (start - (audioStartUs + k * blockUs + 1000.0)));
    }
    EXPECT_LT (worst, 500.0) << "the calls' jitter of 2 ms is smoothed to well under half of it";
}

TEST (BlockClock, AHostThatCallsFourBlocksAtOnceStillGetsEvenlySpacedStarts)
{
    BlockClock blocks;
    double previous = 0.0;
    for (int k = 0; k < 400; ++k)
    {
        const double callUs = 1.0e9 + (k / 4) * 4 * blockUs + 10.0 * (k % 4);
        const double start = blocks.start (callUs, samples, rate);
        if (k >= 64)
        {
            EXPECT_NEAR (start - previous, blockUs, 0.25 * blockUs) << k;
        }
        previous = start;
    }
}

TEST (BlockClock, AGapOrAResetStartsAfreshFromTheCall)
{
    BlockClock blocks;
    double callUs = 5.0e8;
    for (int k = 0; k < 10; ++k, callUs += blockUs)
        blocks.start (callUs, samples, rate);

    // The host stopped calling for a second: the next block starts at its call.
    callUs += 1.0e6;
    EXPECT_DOUBLE_EQ (blocks.start (callUs, samples, rate), callUs);
    // Late by less than four blocks is jitter: the start stays near where the block was expected.
    const double expected = callUs + blockUs;
    const double lateCall = expected + 3.0 * blockUs;
    EXPECT_NEAR (blocks.start (lateCall, samples, rate), expected, 0.25 * blockUs);

    blocks.reset();
    EXPECT_DOUBLE_EQ (blocks.start (42.0, samples, rate), 42.0);
}
