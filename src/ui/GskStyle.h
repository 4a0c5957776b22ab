#pragma once

namespace zr9
{

/** How a value control (GskCont) looks and how it is handled. */
enum class GskStyle
{
    chainChooser, // an effect chain's number and name in a box; dragged or wheeled through the bank
    toggle,       // a lamp with "ON" or "OFF" that switches on a click
    smallSwitch,  // a two-position slide switch
    knob,         // a rotary knob whose arc grows from the minimum
    centreKnob,   // a rotary knob whose arc grows from zero to either side (pan)
    fader,        // a vertical fader
    hiddenNumber, // keeps and formats a value but shows nothing
    button        // a push button that stays lit while on
};

constexpr bool isSliderStyle (GskStyle s) noexcept
{
    return s == GskStyle::chainChooser || s == GskStyle::knob || s == GskStyle::centreKnob || s == GskStyle::fader;
}

constexpr bool isButtonStyle (GskStyle s) noexcept
{
    return s == GskStyle::toggle || s == GskStyle::smallSwitch || s == GskStyle::button;
}

constexpr bool isKnobStyle (GskStyle s) noexcept
{
    return s == GskStyle::knob || s == GskStyle::centreKnob;
}

} // namespace zr9
