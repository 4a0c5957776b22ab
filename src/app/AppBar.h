#pragma once

#include "ui/SkinButton.h"

#include <array>
#include <memory>

namespace zr9
{

/**
    The application bar above the pages: seven buttons, each reporting its
    number to the owner ("PROGRAM" 301, "MULTI" 302, "MIDI" 77, "KEYS" 967,
    "MIXER" 816, "CONTROLS" 817, "ABOUT" 888).
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
    static constexpr int buttonAbout = 888;

    explicit AppBar (gskbutListener& owner);

    SkinButton* button (int number) const;
    /** Shows "PROGRAM" selected for mode 1 and "MULTI" for mode 2. */
    void showPlayingMode (int mode);

    void resized() override;

private:
    std::array<std::unique_ptr<SkinButton>, 7> buttons;
};

} // namespace zr9
