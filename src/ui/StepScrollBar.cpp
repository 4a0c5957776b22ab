#include "StepScrollBar.h"

namespace zr9
{

namespace
{
    /** The framework leaves no thumb in a bar shorter than this plus its smallest thumb. */
    constexpr int shortestTrack = 32;
} // namespace

StepScrollBar::StepScrollBar (Clock& clock)
    : juce::ScrollBar (true), repeat (clock.makeTimer ([this] { repeatTowardsPointer(); }))
{
    setAutoHide (false);
    setSingleStepSize (1.0);
    setWantsKeyboardFocus (false);
}

StepScrollBar::~StepScrollBar()
{
    repeat->stop();
}

bool StepScrollBar::step (int steps)
{
    const bool moved = moveScrollbarInSteps (steps, juce::dontSendNotification);
    settle();
    return moved;
}

void StepScrollBar::settle()
{
    // Whole steps only: a thumb dragged part of the way rests on the nearest row.
    const double whole = std::round (getCurrentRangeStart());
    if (whole != getCurrentRangeStart())
        setCurrentRangeStart (whole, juce::dontSendNotification);
    if (onMoved != nullptr)
        onMoved (first());
}

juce::Rectangle<int> StepScrollBar::thumbArea() const
{
    // The thumb's place as ScrollBar::resized and updateThumbPosition work it out.
    auto& lf = getLookAndFeel();
    auto& self = const_cast<StepScrollBar&> (*this);
    const int length = getHeight();
    const int buttonSize = lf.areScrollbarButtonsVisible() ? juce::jmin (lf.getScrollbarButtonSize (self), length / 2) : 0;
    const int minimumThumb = lf.getMinimumScrollbarThumbSize (self);
    int areaStart = buttonSize, areaSize = length - 2 * buttonSize;
    if (length < shortestTrack + minimumThumb)
    {
        areaStart = length / 2;
        areaSize = 0;
    }

    const auto total = getRangeLimit();
    const auto visible = getCurrentRange();
    int size = juce::roundToInt (total.getLength() > 0 ? (visible.getLength() * areaSize) / total.getLength() : areaSize);
    if (size < minimumThumb)
        size = juce::jmin (minimumThumb, areaSize - 1);
    size = juce::jmin (size, areaSize);
    int start = areaStart;
    if (total.getLength() > visible.getLength())
        start += juce::roundToInt (((visible.getStart() - total.getStart()) * (areaSize - size)) / (total.getLength() - visible.getLength()));
    return { 0, start, getWidth(), juce::jmax (0, size) };
}

void StepScrollBar::mouseDown (const juce::MouseEvent& e)
{
    repeat->stop();
    pressY = e.y;
    const auto thumb = thumbArea();
    onThumb = e.y >= thumb.getY() && e.y < thumb.getBottom();
    if (onThumb)
    {
        direction = 0;
        juce::ScrollBar::mouseDown (e); // the framework drags its own thumb
        return;
    }
    direction = e.y < thumb.getY() ? -1 : 1;
    step (direction);
    repeat->start (repeatMs);
}

void StepScrollBar::mouseDrag (const juce::MouseEvent& e)
{
    if (! onThumb)
    {
        pressY = e.y; // the repeat follows the pointer
        return;
    }
    juce::ScrollBar::mouseDrag (e);
    settle();
}

void StepScrollBar::mouseUp (const juce::MouseEvent& e)
{
    repeat->stop();
    direction = 0;
    if (onThumb)
        juce::ScrollBar::mouseUp (e);
    onThumb = false;
    settle();
}

void StepScrollBar::repeatTowardsPointer()
{
    const auto thumb = thumbArea();
    const bool stillAway = direction < 0 ? pressY < thumb.getY() : direction > 0 && pressY >= thumb.getBottom();
    if (! stillAway || ! step (direction))
        repeat->stop();
}

void StepScrollBar::mouseWheelMove (const juce::MouseEvent&, const juce::MouseWheelDetails& wheel)
{
    if (wheel.deltaY != 0.0f)
        step (wheel.deltaY > 0.0f ? -1 : 1);
}

} // namespace zr9
