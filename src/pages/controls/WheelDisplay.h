#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

namespace zr9
{

/**
    Shows a wheel the instrument reports, as a bar with its value: the pitch
    wheel from its centre (14 bits, 8192 the centre, shown as -8192 to
    +8191), the modulation wheel from zero (0 to 127). It only shows; it
    sends nothing. Message thread.
*/
class WheelDisplay : public juce::Component
{
public:
    enum class Kind { pitch, modulation };

    static constexpr int pitchCentre = 8192;
    static constexpr int maxPitch = 16383;
    static constexpr int maxModulation = 127;

    WheelDisplay (Kind kind, const juce::String& caption);

    /** Shows a value, held to the wheel's range. */
    void showValue (int value);
    int value() const noexcept { return shown; }
    /** The value as the display writes it: "+1024", "0", "-8192"; "64" for modulation. */
    juce::String text() const;

    void paint (juce::Graphics& g) override;

private:
    Kind kind;
    juce::String caption;
    int shown;
};

} // namespace zr9
