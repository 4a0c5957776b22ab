#pragma once

#include "GskStyle.h"

#include <juce_gui_basics/juce_gui_basics.h>

namespace zr9
{

/**
    The framework's toggle button as the skin's two-state controls use it
    (toggle, small switch, push button); the look-and-feel draws each style.
*/
class GskToggle : public juce::ToggleButton
{
public:
    GskToggle (GskStyle s, const juce::String& caption) : juce::ToggleButton (caption), gskStyle (s)
    {
        setWantsKeyboardFocus (true);
    }

    GskStyle style() const noexcept { return gskStyle; }

private:
    GskStyle gskStyle;
};

} // namespace zr9
