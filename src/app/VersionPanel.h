#pragma once

#include "midi/Clock.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <functional>

namespace zr9
{

/**
    The panel that names the program and its version. Shown full-size at the
    first start of the program for a given time, and on the "ABOUT" button;
    a click hides it.
*/
class VersionPanel : public juce::Component
{
public:
    /** displayMilliseconds: how long it stays up by itself (on the given clock); 0 keeps it until clicked. */
    VersionPanel (Clock& clock, int displayMilliseconds);

    /** Shows the panel again for the given time (0: until clicked). */
    void showFor (int displayMilliseconds);

    std::function<void()> onHidden;

    void paint (juce::Graphics& g) override;
    void mouseUp (const juce::MouseEvent&) override;

private:
    void hidePanel();

    std::unique_ptr<ClockTimer> timer;
};

} // namespace zr9
