#pragma once

#include "midi/Clock.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <functional>
#include <memory>

namespace zr9
{

/**
    A vertical scroll bar that moves one step (one row of its list) at a
    time: a press above or below the thumb moves one step towards the
    pointer and, while the button stays down, one more every 200 ms of the
    controller's clock until the thumb reaches the pointer; a press on the
    thumb drags it, the list following in proportion; each notch of the
    mouse wheel is one step. Its range is whole steps, so the list always
    rests on a row. `onMoved` is called at once with every move.
    Message thread.
*/
class StepScrollBar : public juce::ScrollBar
{
public:
    static constexpr int repeatMs = 200;

    explicit StepScrollBar (Clock& clock);
    ~StepScrollBar() override;

    /** Called with the first visible step after every move, whatever moved it. */
    std::function<void (int first)> onMoved;

    int first() const noexcept { return (int) std::lround (getCurrentRangeStart()); }
    /** Moves by whole steps; false when it could not move. */
    bool step (int steps);
    /** Where the framework draws the thumb, in the bar's coordinates. */
    juce::Rectangle<int> thumbArea() const;
    bool isRepeating() const noexcept { return repeat->isRunning(); }

    void mouseDown (const juce::MouseEvent& e) override;
    void mouseDrag (const juce::MouseEvent& e) override;
    void mouseUp (const juce::MouseEvent& e) override;
    void mouseWheelMove (const juce::MouseEvent& e, const juce::MouseWheelDetails& wheel) override;

private:
    void repeatTowardsPointer();
    void settle();

    std::unique_ptr<ClockTimer> repeat;
    int pressY = 0;
    int direction = 0; // -1 up, 1 down, 0 while the thumb is dragged or nothing is pressed
    bool onThumb = false;
};

} // namespace zr9
