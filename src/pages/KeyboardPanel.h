#pragma once

#include "ui/SlideCommands.h"

#include <juce_gui_basics/juce_gui_basics.h>

namespace zr9
{

/**
    The keyboard-and-controller panel that the user pulls up over the pages.
    Its top edge is a handle that reports grab, drag and release like the
    footer does; the playing surfaces sit in the area below the handle.
*/
class KeyboardPanel : public juce::Component
{
public:
    static constexpr int handleHeight = 24;

    explicit KeyboardPanel (SlideListener& owner);

    /** The area below the handle, where the note players are placed. */
    juce::Rectangle<int> contentArea() const { return getLocalBounds().withTrimmedTop (handleHeight); }

    void paint (juce::Graphics& g) override;
    void mouseDown (const juce::MouseEvent& e) override;
    void mouseDrag (const juce::MouseEvent& e) override;
    void mouseUp (const juce::MouseEvent& e) override;

private:
    bool onHandle (const juce::MouseEvent& e) const { return e.getMouseDownY() < handleHeight; }

    SlideListener& owner;
};

} // namespace zr9
