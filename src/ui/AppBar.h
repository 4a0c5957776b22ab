#pragma once

#include "SkinButton.h"

#include <array>
#include <memory>

namespace zr9
{

/**
    The application bar above the pages: eight buttons, each reporting its
    number to the owner ("PROGRAM" 301, "MULTI" 302, "MIDI" 77, "KEYS" 967,
    "MIXER" 816, "CONTROLS" 817, "ARRANGE" 127, "ABOUT" 888).
*/
class AppBar : public juce::Component
{
public:
    static constexpr int buttonProgram = 301;
    static constexpr int buttonMulti = 302;
    static constexpr int buttonMidi = 77;
    static constexpr int buttonKeys = 967;
    static constexpr int buttonMixer = 816;
    static constexpr int buttonControls = 817;
    static constexpr int buttonArrange = 127;
    static constexpr int buttonAbout = 888;

    static constexpr int buttonCount = 8;
    static constexpr int buttonWidth = 84;
    static constexpr int buttonHeight = 30;
    static constexpr int buttonGap = 6;
    static constexpr int buttonTop = 17;
    /** From the bar's left edge to the last button's right edge. */
    static constexpr int buttonsWidth = buttonCount * buttonWidth + (buttonCount - 1) * buttonGap;

    explicit AppBar (gskbutListener& owner);

    SkinButton* button (int number) const;
    /** The button at a place in the bar, from 0 at the left; nullptr beyond the last. */
    SkinButton* buttonAt (int index) const;
    /** Shows "PROGRAM" selected for mode 1 and "MULTI" for mode 2. */
    void showPlayingMode (int mode);
    /** Lights "MIXER" or "CONTROLS" while its page is shown; any other number lights neither. */
    void showShownPage (int buttonNumber);

    void resized() override;

private:
    std::array<std::unique_ptr<SkinButton>, buttonCount> buttons;
};

} // namespace zr9
