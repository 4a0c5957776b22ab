#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

namespace zr9
{

/**
    Repaints what a closing window uncovers, at once.

    While the framework destroys a window (a pop-up menu whose item was chosen, a
    dialog closed with Escape or Return) and while it opens the next one, it
    waits for the display server and so reads what the server sent meanwhile
    into its event queue, the notice that uncovers the window beneath among it.
    Its event loop looks at that queue only when more arrives from the server,
    so the uncovered area kept the closed window's picture until the mouse moved.

    The framework tells every focus listener after it has removed a window; this
    listener then takes the uncovering notices of the program's windows out of
    that queue and repaints their areas, as the framework would have. Runs on the
    message thread; without a display it does nothing.
*/
class UncoveredRepaint : private juce::FocusChangeListener
{
public:
    UncoveredRepaint();
    ~UncoveredRepaint() override;

    /** Repaints the areas of the uncovering notices waiting now; returns how many there were. */
    int repaintWaitingAreas();

    /** How many notices were handled here since the start. */
    int handledCount() const noexcept { return handled; }

private:
    void globalFocusChanged (juce::Component*) override { repaintWaitingAreas(); }

    /** A bound on one look, so a server that keeps sending cannot hold the message thread. */
    static constexpr int mostAtOnce = 256;

    int handled = 0;
};

} // namespace zr9
