#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

namespace zr9
{

/**
    A pitch or modulation wheel: a value of 0 to 127 shown as one frame of a
    filmstrip (frame = value * 34 / 127).

    Dragging moves the value one step per pixel from where it stood at the
    press (up raises it), each mouse-wheel notch moves it by one, and the
    pitch wheel springs back to its centre, 64, when it is let go. Every
    change the user makes is broadcast at once to the change listeners; a
    value shown from outside (what the instrument reported) is only drawn.

    It is a slider for its value, range and accessibility; the drag and the
    notches are its own, since a slider's drag follows the mouse's absolute
    position and its notches jump by a share of the range.
*/
class WheelCnt : public juce::Slider,
                 public juce::ChangeBroadcaster
{
public:
    enum class Kind { pitch, modulation };

    static constexpr int maxValue = 127;
    static constexpr int pitchCentre = 64;
    static constexpr int wheelWidth = 44;
    static constexpr int wheelHeight = 200;
    static constexpr int lastFrame = 34;
    static constexpr int framePitch = 68;

    explicit WheelCnt (Kind kind);

    Kind kind() const noexcept { return wheelKind; }
    int position() const noexcept { return juce::roundToInt (getValue()); }
    /** The filmstrip frame the value shows. */
    int frame() const noexcept { return position() * lastFrame / maxValue; }

    /** Shows a value from outside without broadcasting; values outside 0 to 127 are ignored. */
    void showPosition (int value);

    void paint (juce::Graphics& g) override;
    void mouseDown (const juce::MouseEvent& e) override;
    void mouseDrag (const juce::MouseEvent& e) override;
    void mouseUp (const juce::MouseEvent& e) override;
    void mouseWheelMove (const juce::MouseEvent& e, const juce::MouseWheelDetails& wheel) override;

private:
    void valueChanged() override;
    void moveTo (int value);

    Kind wheelKind;
    juce::Image strip;
    int valueAtPress = 0;
};

} // namespace zr9
