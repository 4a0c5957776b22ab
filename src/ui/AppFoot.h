#pragma once

#include "SlideCommands.h"

#include <juce_gui_basics/juce_gui_basics.h>

namespace zr9
{

/**
    The footer under the pages: the status line, and the grip from which the
    keyboard panel is pulled up (it reports grab, drag and release).
*/
class AppFoot : public juce::Component
{
public:
    explicit AppFoot (SlideListener& owner);

    void setStatusText (const juce::String& text);
    const juce::String& statusText() const noexcept { return status; }
    /** Keeps the status line out of this many pixels at the right, where something else lies on the footer. */
    void setReservedRight (int pixels);

    void paint (juce::Graphics& g) override;
    void mouseDown (const juce::MouseEvent& e) override;
    void mouseDrag (const juce::MouseEvent& e) override;
    void mouseUp (const juce::MouseEvent& e) override;

private:
    SlideListener& owner;
    juce::String status { "OFF-LINE" };
    int reservedRight = 0;
};

} // namespace zr9
