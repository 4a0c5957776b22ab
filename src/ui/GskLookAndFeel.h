#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

namespace zr9
{

/**
    Draws the skin's value controls (GskSlider, GskToggle) in each of their
    styles: knobs with their face picture, pointer and value ring (a centre
    knob's ring grows from zero), faders with their cap picture, effect-chain
    choosers as a box with caption, number and name, lamps, slide switches
    and lit buttons. Other components keep the framework's drawing.
*/
class GskLookAndFeel : public juce::LookAndFeel_V4
{
public:
    static constexpr float knobDiameter = 40.0f;
    static constexpr int faderCapWidth = 30;
    static constexpr int faderCapHeight = 16;

    GskLookAndFeel();

    void drawRotarySlider (juce::Graphics&, int x, int y, int width, int height, float position,
                           float startAngle, float endAngle, juce::Slider&) override;
    void drawLinearSlider (juce::Graphics&, int x, int y, int width, int height, float sliderPos,
                           float minSliderPos, float maxSliderPos, juce::Slider::SliderStyle, juce::Slider&) override;
    int getSliderThumbRadius (juce::Slider&) override;
    void drawToggleButton (juce::Graphics&, juce::ToggleButton&, bool highlighted, bool down) override;

    /**
        The ring around whatever has the keyboard focus: every control the
        Tab key reaches shows it, drawn just inside the given area.
    */
    static void drawFocusRing (juce::Graphics&, juce::Rectangle<float> area, float cornerSize);
    static constexpr float focusRingThickness = 2.0f;

    /** The number and the name of an object reference text ("12 Hall Plate"); no number for other texts. */
    static std::pair<juce::String, juce::String> splitReference (const juce::String& text);

private:
    void drawKnob (juce::Graphics&, juce::Rectangle<float> area, float position, float startAngle, float endAngle,
                   juce::Slider&, bool fromZero);
    void drawChooser (juce::Graphics&, juce::Rectangle<float> area, juce::Slider&);

    juce::Image knob, cap;
};

} // namespace zr9
