#pragma once

namespace zr9
{

/**
    Where a host's audio blocks start on the output's clock.

    A host calls for each block at about the moment it is needed, but late
    by a varying fraction of a block, and some hosts call a few blocks in
    quick succession. Each block is taken to start where the one before it
    ended, pulled a sixteenth of the way towards the moment of the call, so
    the starts follow the audio clock steadily and only a lasting change
    moves them. A call more than four blocks (and at least 20 ms) from where
    the block was expected starts afresh from the moment of the call: the
    host stopped calling for a while, or its audio broke off and went on.

    Host's audio thread only; reset while the host does not process.
*/
class BlockClock
{
public:
    /** A call further than this many blocks, and than restartMinUs, from the expected start begins afresh. */
    static constexpr double restartBlocks = 4.0;
    static constexpr double restartMinUs = 20'000.0;
    /** How far each block's start moves towards the moment of its call. */
    static constexpr double pull = 1.0 / 16.0;

    void reset() noexcept { running = false; }

    /** The start, in microseconds, of a block of `samples` at `sampleRate` called at `callUs`. */
    double start (double callUs, int samples, double sampleRate) noexcept;

private:
    bool running = false;
    double expectedUs = 0.0;
};

} // namespace zr9
