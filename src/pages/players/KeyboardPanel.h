#pragma once

#include "KeyBrd.h"

#include "ui/SlideCommands.h"

#include <juce_gui_basics/juce_gui_basics.h>

namespace zr9
{

class MidiCntrState;

/**
    The keyboard-and-controller panel that the user pulls up over the pages,
    with the on-screen keyboard on it. Its top band (down to y 45) is a
    handle: a press there outside the octave strip grabs the panel, and the
    drag and the release are reported like the footer's (grab, drag, and
    release with code 126). Keys still down when the panel is put away are
    released.
*/
class KeyboardPanel : public juce::Component
{
public:
    static constexpr int panelWidth = 992;
    static constexpr int panelHeight = 460;
    static constexpr int bandHeight = 45;

    KeyboardPanel (SlideListener& owner, MidiCntrState& controller);

    KeyBrd& keyboard() noexcept { return keys; }

    void paint (juce::Graphics& g) override;
    void visibilityChanged() override;
    void mouseMove (const juce::MouseEvent& e) override;
    void mouseDown (const juce::MouseEvent& e) override;
    void mouseDrag (const juce::MouseEvent& e) override;
    void mouseUp (const juce::MouseEvent& e) override;

    static bool isInBand (int y) noexcept { return y <= bandHeight; }

private:
    bool onHandle (const juce::MouseEvent& e) const { return isInBand (e.getMouseDownY()); }

    SlideListener& owner;
    KeyBrd keys;
};

} // namespace zr9
