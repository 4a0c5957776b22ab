#pragma once

#include "midi/Clock.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <functional>
#include <memory>

namespace zr9
{

/**
    The display of one favourite: an LCD face with the slot's number, the
    object's name and, for a program, its category and mode. It is hidden
    while the slot is empty, and leaves every mouse event to its button.
*/
class FavLcd : public juce::Component
{
public:
    struct Texts
    {
        juce::String kind, number, name, category, mode;
    };

    FavLcd();
    void setTexts (const Texts& t);
    const Texts& texts() const noexcept { return shown; }
    void paint (juce::Graphics& g) override;

private:
    Texts shown;
};

/**
    One of the 32 favourite buttons: 214 x 105 at scale 1, an LCD display
    (212 x 103) that shows the slot, the slot's kind and number.

    Pressing it reports 501 at once; held for 1000 ms it reports 504 (press
    and hold reassigns the slot); letting go earlier reports nothing more.
    The hold is timed on the controller's clock. A highlighted button is
    drawn in the skin's translucent cyan (favouriteLit), any other in its
    translucent black (favouriteUnlit), as a rounded rectangle of corner
    size 1. Message thread.
*/
class FavBut : public juce::Component
{
public:
    static constexpr int buttonWidth = 214;
    static constexpr int buttonHeight = 105;
    static constexpr int lcdWidth = 212;
    static constexpr int lcdHeight = 103;
    static constexpr int holdMs = 1000;
    static constexpr int codePressed = 501;
    static constexpr int codeHeld = 504;

    FavBut (int slot, Clock& clock);
    ~FavBut() override;

    int slot() const noexcept { return slotIndex; }
    int kind() const noexcept { return objectKind; }
    int number() const noexcept { return objectNumber; }
    /** True while the button shows an object (a number of 1 or more of a known kind). */
    bool holdsObject() const noexcept { return objectNumber > 0; }

    /** Shows an object; `texts` are what the LCD shows. */
    void showObject (int kind, int number, const FavLcd::Texts& texts);
    /** Shows nothing: the LCD is hidden and the button is blank. */
    void showEmpty();

    void setHighlighted (bool on);
    bool isHighlighted() const noexcept { return highlighted; }
    /** Marks the button as the one the assign control writes to. */
    void setAssignTarget (bool on);
    bool isAssignTarget() const noexcept { return assignTarget; }
    bool isHeld() const noexcept { return held; }
    /** The code of the last event (501 or 504), 0 before the first. */
    int lastEvent() const noexcept { return lastCode; }
    void setScale (float s);
    float scale() const noexcept { return scaleFactor; }

    FavLcd& lcd() noexcept { return display; }

    /** Told of each event: the button and its code. */
    std::function<void (FavBut&, int)> onEvent;

    void paint (juce::Graphics& g) override;
    void paintOverChildren (juce::Graphics& g) override;
    void resized() override;
    void mouseDown (const juce::MouseEvent&) override;
    void mouseUp (const juce::MouseEvent&) override;

private:
    void report (int code);
    void holdTimeUp();

    int slotIndex;
    int objectKind = 0;
    int objectNumber = 0;
    bool highlighted = false;
    bool assignTarget = false;
    bool held = false;
    int lastCode = 0;
    float scaleFactor = 1.0f;
    FavLcd display;
    std::unique_ptr<ClockTimer> holdTimer;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (FavBut)
};

} // namespace zr9
