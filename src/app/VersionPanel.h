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

    static constexpr int logoWidth = 225, logoHeight = 24;

    /** Shows the panel again for the given time (0: until clicked). */
    void showFor (int displayMilliseconds);

    /**
        Shows the window's scale choice on the panel: following the desktop
        (whose scale it names) or a fixed percentage. `chosen` gets
        windowscale::followDesktop or the percentage.
    */
    void offerScaleChoice (int current, double desktopScale, std::function<void (int choice)> chosen);
    juce::ComboBox& scaleChooser() noexcept { return scaleBox; }

    std::function<void()> onHidden;

    void paint (juce::Graphics& g) override;
    void mouseUp (const juce::MouseEvent&) override;
    void resized() override;
    bool keyPressed (const juce::KeyPress& key) override;

private:
    void hidePanel();
    juce::Rectangle<int> boxArea() const;

    std::unique_ptr<ClockTimer> timer;
    juce::Label scaleLabel;
    juce::ComboBox scaleBox;
    std::function<void (int)> scaleChosen;
};

} // namespace zr9
