#pragma once

#include "midi/Clock.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <memory>

namespace zr9
{

/**
    A channel strip's velocity meter: a 5 x 109 bar that jumps to a note's
    velocity and falls back by 8 every 60 ms, to 0 once it is below 5. The
    decay runs on a timer from the controller's clock, which runs only while
    the bar is up. Message thread.
*/
class Vu_Meter : public juce::Component
{
public:
    static constexpr int decayMs = 60;
    static constexpr int decayStep = 8;
    static constexpr int floorLevel = 5;
    static constexpr int maxLevel = 127;
    /** The lit height is level * 107 / 128 pixels from the bottom. */
    static constexpr int litRange = 107;

    explicit Vu_Meter (Clock& clock);

    /**
        A note on: the bar rises to the velocity unless it stands higher. The
        decay (re)starts when the bar rises; a softer note while it falls
        leaves it falling, so the bar shows what is played now, not one loud
        note held up by softer ones.
    */
    void showVelocity (int velocity);

    int level() const noexcept { return currentLevel; }
    bool isDecaying() const { return decay->isRunning(); }
    int litHeight() const noexcept { return currentLevel * litRange / (maxLevel + 1); }

    void paint (juce::Graphics& g) override;

private:
    void tick();

    int currentLevel = 0;
    std::unique_ptr<ClockTimer> decay;
    juce::Image lit, unlit;
};

} // namespace zr9
