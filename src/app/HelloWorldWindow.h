#pragma once

#include "library/RevuDIAudioProcessor.h"

#include <juce_gui_basics/juce_gui_basics.h>

namespace zr9
{


/**
    The main window of the stand-alone program. It owns the processor and the
    main component made for it, which is its content.
*/
class HelloWorldWindow : public juce::DocumentWindow
{
public:
    explicit HelloWorldWindow (ProcessorOptions options);
    ~HelloWorldWindow() override;

    RevuDIAudioProcessor& processor() noexcept { return *audioProcessor; }

    void closeButtonPressed() override;
    /** Keys that reach the window itself (nothing inside has the focus) go to the main component. */
    bool keyPressed (const juce::KeyPress& key) override;

    /** The scale the whole program is drawn at now (1 = 100 %). */
    double scale() const noexcept { return appliedScale; }

private:
    /** Sets the program's scale from the stored choice and the desktop's scale, held to what the screen fits. */
    void applyScale();
    /** Takes a new choice of the user's: keeps it, applies it and keeps the window on the screen. */
    void scaleChosen (int choice);

    std::unique_ptr<RevuDIAudioProcessor> audioProcessor;
    double desktopScale = 1.0;
    double appliedScale = 1.0;
    /** Shows the tooltips of every window of the program, in a window of its own so it is scaled as they are. */
    juce::TooltipWindow tooltips { nullptr };

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (HelloWorldWindow)
};

} // namespace zr9
