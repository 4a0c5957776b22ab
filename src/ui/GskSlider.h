#pragma once

#include "GskStyle.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <functional>

namespace zr9
{

/**
    The framework's slider as the skin's value controls use it: whole-number
    steps, relative dragging (the value follows the mouse's movement, never
    jumps to where the mouse went down), a mouse-wheel notch moving a few
    steps, and the Shift key for fine steps (one step per wheel notch, a
    longer way for a drag). A double-click asks the owner to let the user
    type a value. Its text is the owner's formatter's, so accessibility and
    the drawing read what the control shows.
*/
class GskSlider : public juce::Slider
{
public:
    /** A drag over this many pixels moves a knob from one end to the other. */
    static constexpr int knobDragPixels = 160;
    /** Shift-dragging a knob or fader: pixels per step. */
    static constexpr int fineDragPixelsPerStep = 6;
    /** A chooser steps through its list this many pixels per step, and four times slower with Shift. */
    static constexpr int chooserDragPixelsPerStep = 3;
    static constexpr int chooserFineFactor = 4;
    /** A wheel notch moves knobs and faders by about this share of their range (at least one step). */
    static constexpr int wheelNotchesForRange = 60;

    explicit GskSlider (GskStyle style);

    GskStyle style() const noexcept { return gskStyle; }
    void setCaption (const juce::String& text);
    const juce::String& caption() const noexcept { return captionText; }

    /** How values read; the plain number without one. */
    std::function<juce::String (int)> formatter;
    /** Called on a double-click. */
    std::function<void()> onDoubleClick;
    /**
        Called just before a wheel notch or an arrow key moves the value, so
        the owner can make a run of them one gesture. Without it, each notch
        is a drag of its own (the framework's drag notification).
    */
    std::function<void()> onNotch;

    /** Steps one wheel notch moves without and with the fine modifier. */
    int wheelStep (bool fine) const noexcept;
    /** The drag distance in pixels for the whole range, without and with the fine modifier. */
    int dragPixelsForRange (bool fine) const noexcept;
    /** Marks the slider's texts as object references (a number and a name), which a chooser shows apart. */
    void setShowsReferences (bool references) { getProperties().set (referenceProperty, references); }
    /** Choosers made without saying show references, as the effect-chain choosers do. */
    static bool isReference (juce::Slider& slider) { return (bool) slider.getProperties().getWithDefault (referenceProperty, true); }

    /** True while a drag runs in fine steps. */
    bool isFineDrag() const noexcept { return fineDrag; }

    juce::String getTextFromValue (double value) override;
    void mouseDown (const juce::MouseEvent& e) override;
    void mouseDrag (const juce::MouseEvent& e) override;
    void mouseDoubleClick (const juce::MouseEvent& e) override;
    void mouseWheelMove (const juce::MouseEvent& e, const juce::MouseWheelDetails& wheel) override;
    bool keyPressed (const juce::KeyPress& key) override;

private:
    static inline const juce::Identifier referenceProperty { "showsReferences" };
    static bool isFineModifier (const juce::ModifierKeys& mods) noexcept { return mods.isShiftDown(); }
    int stepCount() const noexcept;
    void useDragSpeed (bool fine);

    GskStyle gskStyle;
    juce::String captionText;
    bool fineDrag = false;
    juce::Time lastWheelTime;
};

} // namespace zr9
