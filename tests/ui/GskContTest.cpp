#include "model/DisplayTypes.h"
#include "model/ValueText.h"
#include "support/ManualClock.h"
#include "support/TestHelpers.h"
#include "ui/GskCont.h"
#include "ui/ValueEntry.h"

#include <gtest/gtest.h>

#include <climits>

using namespace zr9;

namespace
{
/** A few chain names, as a bank would give them. */
struct ChainNames final : ObjectNameSource
{
    std::string objectName (int, int number) const override
    {
        switch (number)
        {
            case 1: return "Little Booth        ";
            case 2: return "Hall Plate Blend    ";
            case 3: return "Rotor Slow Drive    ";
            default: return {};
        }
    }
};

/** A control bound to a plain variable, writing down what it is handed. */
struct Bound
{
    explicit Bound (GskCont::Setup setup, int initial = 0, const ObjectNameSource* names = nullptr) : stored (initial)
    {
        control = std::make_unique<GskCont> (setup, GskBinding { [this] { return stored; },
                                                                  [this] (int v) { stored = v; written.push_back (v); } },
                                             names);
        control->setBounds (0, 0, setup.style == GskStyle::fader ? 40 : 54, setup.style == GskStyle::fader ? 180 : 60);
    }
    int stored;
    std::vector<int> written;
    std::unique_ptr<GskCont> control;
};

/** A control whose binding writes down each gesture and value in order: "(", the values, ")". */
struct Traced
{
    explicit Traced (GskCont::Setup setup, int initial = 0)
    {
        GskBinding b;
        b.read = [initial] { return initial; };
        b.write = [this] (int v) { trace.push_back (std::to_string (v)); };
        b.beginGesture = [this] { trace.push_back ("("); };
        b.endGesture = [this] { trace.push_back (")"); };
        b.clock = &clock;
        control = std::make_unique<GskCont> (setup, std::move (b));
        control->setBounds (0, 0, 54, 60);
        control->onGestureStart = [this] { ++starts; };
        control->onGestureEnd = [this] { ++ends; };
    }
    std::string traced() const
    {
        std::string s;
        bool afterValue = false;
        for (const auto& t : trace)
        {
            const bool value = t != "(" && t != ")";
            s += (value && afterValue ? " " : "") + t;
            afterValue = value;
        }
        return s;
    }
    test::ManualClock clock;
    std::vector<std::string> trace;
    int starts = 0, ends = 0;
    std::unique_ptr<GskCont> control;
};

GskCont::Setup setupOf (GskStyle style, int minimum, int maximum, int displayType, const char* caption = "")
{
    GskCont::Setup s;
    s.style = style;
    s.minimum = minimum;
    s.maximum = maximum;
    s.displayType = displayType;
    s.caption = caption;
    return s;
}

juce::MouseEvent mouseAt (juce::Component& c, float x, float y, juce::ModifierKeys mods, juce::Point<float> downAt)
{
    const auto now = juce::Time::getCurrentTime();
    return { juce::Desktop::getInstance().getMainMouseSource(), { x, y }, mods.withFlags (juce::ModifierKeys::leftButtonModifier),
             0.0f, 0.0f, 0.0f, 0.0f, 0.0f, &c, &c, now, downAt, now, 1, false };
}

juce::MouseEvent wheelEventOn (juce::Component& c, juce::ModifierKeys mods, int serial)
{
    // Each notch carries its own time, as the system delivers them.
    const auto when = juce::Time (1000000 + serial);
    return { juce::Desktop::getInstance().getMainMouseSource(), { 10.0f, 10.0f }, mods, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f,
             &c, &c, when, { 10.0f, 10.0f }, when, 0, false };
}

juce::MouseWheelDetails notch (float dy)
{
    juce::MouseWheelDetails w {};
    w.deltaY = dy;
    return w;
}
} // namespace

TEST (ValueEntry, TypedTextsFindTheValueAMusicianMeans)
{
    const auto textOf = [] (int type) { return [type] (int v) { return juce::String (valueText (v, type)); }; };
    const auto pan = textOf (display::panPosition);
    EXPECT_EQ (valueFromTyped ("L: 20", -64, 64, pan), -20);
    EXPECT_EQ (valueFromTyped ("l20", -64, 64, pan), -20) << "letter case, blanks and colons aside";
    EXPECT_EQ (valueFromTyped ("R 5", -64, 64, pan), 5);
    EXPECT_EQ (valueFromTyped ("-20", -64, 64, pan), -20) << "a number no text begins with is the value itself";
    EXPECT_EQ (valueFromTyped ("0", -64, 64, pan), 0);

    const auto aux2 = textOf (display::decibelsFrom96);
    EXPECT_EQ (valueFromTyped ("-6", 0, 120, aux2), 90) << "-6 is what the knob shows as -6 dB";
    EXPECT_EQ (valueFromTyped ("off", 0, 120, aux2), 0);
    EXPECT_EQ (valueFromTyped ("on", 0, 1, textOf (display::onOff)), 1);

    EXPECT_EQ (valueFromTyped ("500", 0, 120, textOf (display::percent)), 120) << "held to the range";
    EXPECT_EQ (valueFromTyped ("-5000", -96, 24, textOf (display::levelDecibels)), -96);
    EXPECT_EQ (valueFromTyped ("99999999999999999999", 0, 127, textOf (0)), 127);

    ChainNames names;
    const auto chains = [&names] (int v) { return juce::String (valueText (v, display::fxChainName, &names)); };
    EXPECT_EQ (valueFromTyped ("2", 1, 2048, chains), 2);
    EXPECT_EQ (valueFromTyped ("rotor", 1, 2048, chains), 3) << "a word found in a name";
    EXPECT_FALSE (valueFromTyped ("organ", 1, 2048, chains).has_value());
    EXPECT_FALSE (valueFromTyped ("   ", 0, 127, textOf (0)).has_value());
    EXPECT_FALSE (valueFromTyped ("5", 10, 0, textOf (0)).has_value()) << "no range, no value";
}

TEST (GskCont, ShowsEveryValueHeldToItsRangeAndHandsOnOnlyWhatTheUserChose)
{
    Bound aux (setupOf (GskStyle::knob, 0, 120, display::percent), 500);
    EXPECT_EQ (aux.control->value(), 120) << "a value from outside is shown as the nearest end";
    EXPECT_EQ (aux.control->text(), "120%");
    EXPECT_EQ (aux.control->slider()->getValue(), 120.0);
    aux.control->showValue (-7);
    EXPECT_EQ (aux.control->text(), "0%");
    aux.control->showValue (INT_MIN);
    EXPECT_EQ (aux.control->value(), 0);
    EXPECT_TRUE (aux.written.empty()) << "shown values are not handed on";

    // Every way the user can move it stays inside.
    aux.control->slider()->setValue (1000.0, juce::sendNotificationSync);
    EXPECT_EQ (aux.written, std::vector<int> ({ 120 }));
    EXPECT_TRUE (aux.control->enterText ("300"));
    EXPECT_EQ (aux.written, std::vector<int> ({ 120 })) << "already there: nothing new is handed on";
    EXPECT_TRUE (aux.control->enterText ("25"));
    EXPECT_FALSE (aux.control->enterText ("loud"));
    EXPECT_EQ (aux.written, std::vector<int> ({ 120, 25 }));
    EXPECT_EQ (aux.control->text(), "25%");

    int told = 0;
    aux.control->onUserChange = [&] (int v) { told = v; };
    aux.control->slider()->setValue (26.4, juce::sendNotificationSync);
    EXPECT_EQ (aux.written.back(), 26) << "whole steps";
    EXPECT_EQ (told, 26);

    Bound pan (setupOf (GskStyle::centreKnob, -64, 64, display::panPosition, "Pan"), 236);
    EXPECT_EQ (pan.control->text(), "R: 64");
    pan.stored = -20;
    pan.control->refresh();
    EXPECT_EQ (pan.control->text(), "L: 20");
    EXPECT_EQ (pan.control->slider()->getTextFromValue (-20.0), "L: 20") << "what accessibility reads";
}

TEST (GskCont, TwoStateStylesAreButtonsThatSwitchBetweenTheEnds)
{
    for (const auto style : { GskStyle::toggle, GskStyle::smallSwitch, GskStyle::button })
    {
        Bound b (setupOf (style, 0, 1, display::onOff, "Solo"), 7);
        ASSERT_NE (b.control->button(), nullptr);
        EXPECT_EQ (b.control->slider(), nullptr);
        EXPECT_EQ (b.control->value(), 1);
        EXPECT_TRUE (b.control->button()->getToggleState());
        EXPECT_EQ (b.control->button()->getButtonText(), style == GskStyle::button ? "Solo" : "ON");

        b.control->button()->triggerClick();
        test::runMessageLoopUntil ([&] { return ! b.written.empty(); });
        EXPECT_EQ (b.written, std::vector<int> ({ 0 }));
        EXPECT_FALSE (b.control->button()->getToggleState());
        EXPECT_EQ (b.control->text(), "OFF");
    }

    Bound hidden (setupOf (GskStyle::hiddenNumber, 0, 2560, 0), 9999);
    EXPECT_EQ (hidden.control->slider(), nullptr);
    EXPECT_EQ (hidden.control->button(), nullptr);
    EXPECT_EQ (hidden.control->value(), 2560);
    hidden.control->beginTyping();
    EXPECT_FALSE (hidden.control->isTyping()) << "nothing to type into";
}

TEST (GskCont, WheelNotchesMoveAFewStepsOrOneWithShift)
{
    Bound level (setupOf (GskStyle::fader, -96, 24, display::levelDecibels), 0);
    auto& s = *level.control->slider();
    s.mouseWheelMove (wheelEventOn (s, {}, 1), notch (0.2f));
    EXPECT_EQ (level.stored, 2) << "120 steps over 60 notches";
    s.mouseWheelMove (wheelEventOn (s, juce::ModifierKeys::shiftModifier, 2), notch (-0.2f));
    EXPECT_EQ (level.stored, 1);
    s.mouseWheelMove (wheelEventOn (s, juce::ModifierKeys::shiftModifier, 2), notch (-0.2f));
    EXPECT_EQ (level.stored, 1) << "one notch delivered twice moves once";
    for (int i = 0; i < 30; ++i)
        s.mouseWheelMove (wheelEventOn (s, {}, 10 + i), notch (0.2f));
    EXPECT_EQ (level.stored, 24);
    EXPECT_EQ (level.written.back(), 24);

    ChainNames names;
    Bound chooser (setupOf (GskStyle::chainChooser, 1, 2048, display::fxChainName, "Insert"), 1, &names);
    auto& c = *chooser.control->slider();
    c.mouseWheelMove (wheelEventOn (c, {}, 1), notch (0.2f));
    EXPECT_EQ (chooser.stored, 2) << "a chooser steps to the next chain";
    EXPECT_EQ (chooser.control->text(), "2 Hall Plate Blend    ");
    c.mouseWheelMove (wheelEventOn (c, {}, 2), notch (-0.2f));
    c.mouseWheelMove (wheelEventOn (c, {}, 3), notch (-0.2f));
    EXPECT_EQ (chooser.stored, 1) << "and stops at the first";
}

TEST (GskCont, DraggingIsRelativeAndShiftGivesFineStepsWithoutAJump)
{
    Bound aux (setupOf (GskStyle::knob, 0, 120, display::percent), 60);
    auto& s = *aux.control->slider();
    const juce::Point<float> down (27.0f, 20.0f);

    s.mouseDown (mouseAt (s, down.x, down.y, {}, down));
    EXPECT_TRUE (aux.written.empty()) << "a click does not move the knob";
    s.mouseDrag (mouseAt (s, down.x, down.y - 40.0f, {}, down));
    EXPECT_EQ (aux.stored, 90) << "a quarter of the drag way is a quarter of the range";

    // Shift mid-way: the drag goes on from here, six pixels a step.
    s.mouseDrag (mouseAt (s, down.x, down.y - 40.0f, juce::ModifierKeys::shiftModifier, down));
    EXPECT_EQ (aux.stored, 90);
    EXPECT_TRUE (static_cast<GskSlider&> (s).isFineDrag());
    s.mouseDrag (mouseAt (s, down.x, down.y - 52.0f, juce::ModifierKeys::shiftModifier, down));
    EXPECT_EQ (aux.stored, 92);
    s.mouseDrag (mouseAt (s, down.x, down.y + 400.0f, {}, down));
    s.mouseDrag (mouseAt (s, down.x, down.y + 800.0f, {}, down));
    s.mouseUp (mouseAt (s, down.x, down.y + 800.0f, {}, down));
    EXPECT_EQ (aux.stored, 0) << "and stops at the end";

    // Alt-click puts a centred control back to zero; a knob without a centre has no such place.
    Bound pan (setupOf (GskStyle::centreKnob, -64, 64, display::panPosition, "Pan"), -30);
    auto& p = *pan.control->slider();
    p.mouseDown (mouseAt (p, down.x, down.y, juce::ModifierKeys::altModifier, down));
    p.mouseUp (mouseAt (p, down.x, down.y, juce::ModifierKeys::altModifier, down));
    EXPECT_EQ (pan.written, std::vector<int> ({ 0 }));
    aux.written.clear();
    s.mouseDown (mouseAt (s, down.x, down.y, juce::ModifierKeys::altModifier, down));
    s.mouseUp (mouseAt (s, down.x, down.y, juce::ModifierKeys::altModifier, down));
    EXPECT_TRUE (aux.written.empty());

    // A fader's thumb follows the mouse from where it was, not from where the mouse went down.
    Bound level (setupOf (GskStyle::fader, -96, 24, display::levelDecibels), 0);
    auto& f = *level.control->slider();
    const juce::Point<float> onTrack (20.0f, 150.0f);
    f.mouseDown (mouseAt (f, onTrack.x, onTrack.y, {}, onTrack));
    EXPECT_TRUE (level.written.empty());
    f.mouseDrag (mouseAt (f, onTrack.x, onTrack.y - 10.0f, {}, onTrack));
    f.mouseUp (mouseAt (f, onTrack.x, onTrack.y - 10.0f, {}, onTrack));
    ASSERT_FALSE (level.written.empty());
    EXPECT_GT (level.stored, 0);
    EXPECT_LT (level.stored, 24);
}

TEST (GskCont, ADoubleClickOpensTheTextEntryOfSlidingControls)
{
    Bound pan (setupOf (GskStyle::centreKnob, -64, 64, display::panPosition, "Pan"), 0);
    pan.control->slider()->mouseDoubleClick (test::mouseEventOn (*pan.control->slider()));
    EXPECT_TRUE (pan.control->isTyping());
    EXPECT_EQ (pan.control->value(), 0) << "a double-click does not reset the value";

    Bound toggle (setupOf (GskStyle::toggle, 0, 1, display::onOff), 0);
    toggle.control->beginTyping();
    EXPECT_FALSE (toggle.control->isTyping());
}

TEST (GskCont, EachMoveOfTheUserIsOneGestureAroundItsValues)
{
    Traced aux (setupOf (GskStyle::knob, 0, 120, display::percent), 60);
    auto& s = *aux.control->slider();
    const juce::Point<float> down (27.0f, 20.0f);

    // A drag, from press to release.
    s.mouseDown (mouseAt (s, down.x, down.y, {}, down));
    EXPECT_TRUE (aux.control->isInGesture());
    s.mouseDrag (mouseAt (s, down.x, down.y - 40.0f, {}, down));
    s.mouseDrag (mouseAt (s, down.x, down.y - 80.0f, {}, down));
    s.mouseUp (mouseAt (s, down.x, down.y - 80.0f, {}, down));
    EXPECT_EQ (aux.traced(), "(90 120)");
    EXPECT_FALSE (aux.control->isInGesture());

    // A typed value.
    aux.trace.clear();
    EXPECT_TRUE (aux.control->enterText ("25"));
    EXPECT_EQ (aux.traced(), "(25)");

    // A wheel run: notches 300 ms apart are one move, which ends when the wheel was quiet long enough.
    aux.trace.clear();
    s.mouseWheelMove (wheelEventOn (s, {}, 1), notch (0.2f));
    aux.clock.step (300);
    s.mouseWheelMove (wheelEventOn (s, {}, 2), notch (0.2f));
    aux.clock.step (300);
    s.mouseWheelMove (wheelEventOn (s, {}, 3), notch (0.2f));
    aux.clock.step (GskCont::wheelRunQuietMs - 1);
    EXPECT_EQ (aux.traced(), "(27 29 31");
    aux.clock.step (1);
    EXPECT_EQ (aux.traced(), "(27 29 31)");
    EXPECT_EQ (aux.clock.runningTimers(), 0);

    // Arrow keys make a run too; a drag that begins during a run ends the run first.
    aux.trace.clear();
    EXPECT_TRUE (s.keyPressed (juce::KeyPress (juce::KeyPress::upKey)));
    EXPECT_TRUE (s.keyPressed (juce::KeyPress (juce::KeyPress::upKey)));
    s.mouseDown (mouseAt (s, down.x, down.y, {}, down));
    EXPECT_TRUE (s.keyPressed (juce::KeyPress (juce::KeyPress::downKey)));
    aux.clock.step (GskCont::wheelRunQuietMs * 2);
    EXPECT_TRUE (aux.control->isInGesture()) << "a key pressed during the drag belongs to the drag";
    s.mouseUp (mouseAt (s, down.x, down.y, {}, down));
    EXPECT_EQ (aux.traced(), "(32 33)(32)");
    EXPECT_EQ (aux.starts, 5);
    EXPECT_EQ (aux.ends, 5);

    // A click on a two-state control.
    Traced solo (setupOf (GskStyle::toggle, 0, 1, display::onOff, "Solo"), 0);
    solo.control->button()->triggerClick();
    test::runMessageLoopUntil ([&] { return ! solo.trace.empty(); });
    EXPECT_EQ (solo.traced(), "(1)");
}

TEST (GskCont, AControlGoingAwayMidRunEndsItsGestureForTheBindingAlone)
{
    Traced aux (setupOf (GskStyle::knob, 0, 120, display::percent), 60);
    auto& s = *aux.control->slider();
    s.mouseWheelMove (wheelEventOn (s, {}, 1), notch (0.2f));
    aux.control->onGestureEnd = [&] { aux.trace.push_back ("page"); };
    aux.control.reset();
    EXPECT_EQ (aux.traced(), "(62)") << "the binding hears the end; the page, going too, does not";
    EXPECT_EQ (aux.clock.runningTimers(), 0);
}
