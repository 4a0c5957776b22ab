#pragma once

#include "GskBinding.h"
#include "GskLookAndFeel.h"
#include "GskSlider.h"
#include "GskStyle.h"
#include "GskToggle.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <memory>

namespace zr9
{

class ClockTimer;
class ObjectNameSource;

/**
    The skin's value control: one integer value with a range, a style and a
    display type, bound to wherever its value lives (GskBinding).

    It shows its value as the instrument's text for its display type (object
    names from the given name source), held to its range: a value from
    outside the range, whatever brought it, is shown as the nearest end and
    never handed on. The user moves it by dragging, with the mouse wheel, with
    the arrow keys when it has the focus, or by double-clicking and typing a
    value; Shift gives fine steps. Every value the user chooses goes to the
    binding's sink and then to `onUserChange`; values shown with showValue()
    or refresh() go nowhere.

    Each move of the user's is one gesture, told to the binding and to
    onGestureStart and onGestureEnd around the values it chooses: a drag
    from press to release, a typed value, an Alt-click, a click on a
    two-state control, and a run of wheel notches or arrow keys, which ends
    wheelRunQuietMs after its last notch. A drag that begins during a run
    ends the run first, so gestures never overlap.

    Sliding styles are the framework's Slider (GskSlider), two-state styles
    its ToggleButton (GskToggle), both drawn by GskLookAndFeel. Message thread.
*/
class GskCont : public juce::Component,
                public juce::SettableTooltipClient
{
public:
    struct Setup
    {
        GskStyle style = GskStyle::knob;
        int minimum = 0;
        int maximum = 127;
        int displayType = 0;
        /** Drawn with the control where its style has room for it (knobs, choosers, buttons); may be empty. */
        juce::String caption;
    };

    /** A run of wheel notches or arrow keys ends when none came for this long. */
    static constexpr int wheelRunQuietMs = 400;
    static constexpr int textHeight = 14;
    static constexpr int captionHeight = 12;

    explicit GskCont (const Setup& setup, GskBinding binding = {}, const ObjectNameSource* names = nullptr);
    ~GskCont() override;

    GskStyle style() const noexcept { return setup.style; }
    int minimum() const noexcept { return setup.minimum; }
    int maximum() const noexcept { return setup.maximum; }
    int displayType() const noexcept { return setup.displayType; }
    const juce::String& caption() const noexcept { return setup.caption; }

    /** The value shown, always within the range. */
    int value() const noexcept { return shown; }
    /** The value's text as shown. */
    juce::String text() const { return textOf (shown); }
    /** Any value's text by this control's display type. */
    juce::String textOf (int value) const;

    /** Reads the value from the binding and shows it. */
    void refresh();
    /** Shows a value that changed elsewhere, held to the range; it is not handed on. */
    void showValue (int value);

    /** Takes a typed text as the double-click editor does; false, and nothing changes, when it names no value. */
    bool enterText (const juce::String& typed);
    /** Opens the text editor over the control's text (sliding styles only). */
    void beginTyping();
    bool isTyping() const { return entry.isBeingEdited(); }

    /**
        The name screen readers and hosts give the control. The tooltip shows
        it with the value range: "Aux 1 Level, Ch. 5: 0 to 127".
    */
    void setAccessibleName (const juce::String& name);
    /** The tooltip for a name: the name, written for people, and the range of values as they are shown. */
    juce::String tooltipFor (const juce::String& name) const;
    /** Sets the tooltip of the control and of the widget the pointer rests on. */
    void setTooltip (const juce::String& text) override;

    /** Called after the user chose a new value and the binding took it. */
    std::function<void (int)> onUserChange;
    /** A move of the user's begins and ends (see above): the values between belong to it. */
    std::function<void()> onGestureStart, onGestureEnd;
    /** True from a move's start to its end. */
    bool isInGesture() const noexcept { return gestureOpen; }

    /** The framework widget that does the work; null for the other family of styles. */
    GskSlider* slider() noexcept { return dial.get(); }
    GskToggle* button() noexcept { return toggle.get(); }

    void paint (juce::Graphics& g) override;
    void resized() override;
    void mouseDoubleClick (const juce::MouseEvent& e) override;

private:
    int clamped (int value) const noexcept;
    void userChose (int value);
    void beginGesture();
    void endGesture();
    void notch();
    void showOnWidgets();
    juce::Rectangle<int> captionArea() const;
    juce::Rectangle<int> textArea() const;
    juce::Rectangle<int> widgetArea() const;

    Setup setup;
    GskBinding binding;
    const ObjectNameSource* names;
    int shown;
    bool gestureOpen = false;
    bool dragging = false;
    std::unique_ptr<ClockTimer> runEnd; // made at the first wheel notch or arrow key

    juce::SharedResourcePointer<GskLookAndFeel> lookAndFeel;
    std::unique_ptr<GskSlider> dial;
    std::unique_ptr<GskToggle> toggle;
    juce::Label entry;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (GskCont)
};

} // namespace zr9
