#include "GskCont.h"

#include "SkinFonts.h"
#include "SkinPalette.h"
#include "ValueEntry.h"

#include "midi/Clock.h"
#include "model/ValueText.h"

#include <algorithm>
#include <cmath>

namespace zr9
{

namespace
{
    constexpr float textFontHeight = 10.5f;
    constexpr float captionFontHeight = 9.5f;
    constexpr int firstObjectReferenceDisplay = 2001; // display types from here name an object by number
} // namespace

GskCont::GskCont (const Setup& s, GskBinding b, const ObjectNameSource* n)
    : setup (s), binding (std::move (b)), names (n), shown (s.minimum)
{
    if (setup.maximum < setup.minimum)
        std::swap (setup.minimum, setup.maximum);
    shown = setup.minimum;
    setLookAndFeel (&lookAndFeel.get());

    if (isSliderStyle (setup.style))
    {
        dial = std::make_unique<GskSlider> (setup.style);
        // A slider with one value has no range to move in; it still shows that value.
        dial->setRange (setup.minimum, std::max (setup.maximum, setup.minimum + 1), 1.0);
        dial->setCaption (setup.caption);
        dial->setShowsReferences (setup.displayType >= firstObjectReferenceDisplay);
        dial->formatter = [this] (int v) { return textOf (clamped (v)); };
        dial->onValueChange = [this] { userChose ((int) std::lround (dial->getValue())); };
        dial->onDoubleClick = [this] { beginTyping(); };
        dial->onDragStart = [this]
        {
            endGesture(); // a wheel run still open
            beginGesture();
            dragging = true;
        };
        dial->onDragEnd = [this]
        {
            dragging = false;
            endGesture();
        };
        dial->onNotch = [this] { notch(); };
        // A centred control goes back to zero on an Alt-click.
        if (setup.style != GskStyle::chainChooser && setup.minimum < 0 && setup.maximum > 0)
            dial->setDoubleClickReturnValue (true, 0.0, juce::ModifierKeys::altModifier);
        addAndMakeVisible (*dial);
    }
    else if (isButtonStyle (setup.style))
    {
        toggle = std::make_unique<GskToggle> (setup.style, setup.caption);
        toggle->onClick = [this]
        {
            beginGesture();
            userChose (toggle->getToggleState() ? setup.maximum : setup.minimum);
            endGesture();
        };
        addAndMakeVisible (*toggle);
    }
    else
    {
        setInterceptsMouseClicks (false, false);
    }

    entry.setJustificationType (juce::Justification::centred);
    entry.setFont (skin::font (textFontHeight));
    entry.onTextChange = [this] { enterText (entry.getText()); };
    entry.onEditorHide = [this] { entry.setVisible (false); };
    addChildComponent (entry);

    // Until the page names it, the caption names it.
    setTooltip (tooltipFor (setup.caption));
    refresh();
}

GskCont::~GskCont()
{
    // A run cut short by the page going: its binding hears the end; the page, going too, does not.
    if (gestureOpen && binding.endGesture != nullptr)
        binding.endGesture();
    setLookAndFeel (nullptr);
}

int GskCont::clamped (int v) const noexcept
{
    return std::clamp (v, setup.minimum, setup.maximum);
}

juce::String GskCont::textOf (int v) const
{
    return juce::String (valueText (v, setup.displayType, names));
}

void GskCont::refresh()
{
    if (binding.read != nullptr)
        showValue (binding.read());
    else
        showOnWidgets();
}

void GskCont::showValue (int v)
{
    shown = clamped (v);
    showOnWidgets();
}

void GskCont::showOnWidgets()
{
    if (dial != nullptr)
        dial->setValue (shown, juce::dontSendNotification);
    if (toggle != nullptr)
    {
        toggle->setToggleState (shown != setup.minimum, juce::dontSendNotification);
        toggle->setButtonText (setup.style == GskStyle::button ? setup.caption : text());
    }
    repaint();
}

void GskCont::userChose (int v)
{
    v = clamped (v);
    if (v == shown)
    {
        showOnWidgets(); // a slider at its end may still hold a value the range does not
        return;
    }
    shown = v;
    showOnWidgets();
    if (binding.write != nullptr)
        binding.write (v);
    if (onUserChange != nullptr)
        onUserChange (v);
}

// ---------------------------------------------------------------------- gestures

void GskCont::beginGesture()
{
    if (gestureOpen)
        return;
    gestureOpen = true;
    if (binding.beginGesture != nullptr)
        binding.beginGesture();
    if (onGestureStart != nullptr)
        onGestureStart();
}

void GskCont::endGesture()
{
    if (runEnd != nullptr)
        runEnd->stop();
    if (! gestureOpen)
        return;
    gestureOpen = false;
    if (binding.endGesture != nullptr)
        binding.endGesture();
    if (onGestureEnd != nullptr)
        onGestureEnd();
}

void GskCont::notch()
{
    if (dragging)
        return; // an arrow key while the mouse drags belongs to the drag
    if (runEnd == nullptr)
    {
        auto& clock = binding.clock != nullptr ? *binding.clock : *Clock::system();
        runEnd = clock.makeTimer ([this] { endGesture(); });
    }
    beginGesture();
    runEnd->start (wheelRunQuietMs); // each notch puts the run's end off again
}

bool GskCont::enterText (const juce::String& typed)
{
    const auto chosen = valueFromTyped (typed, setup.minimum, setup.maximum, [this] (int v) { return textOf (v); });
    if (! chosen.has_value())
    {
        showOnWidgets();
        return false;
    }
    if (dial != nullptr)
    {
        // Through the slider, so a host sees one gesture as for a drag.
        const juce::Slider::ScopedDragNotification gesture (*dial);
        userChose (*chosen);
    }
    else
    {
        beginGesture();
        userChose (*chosen);
        endGesture();
    }
    return true;
}

void GskCont::beginTyping()
{
    if (dial == nullptr || ! isEnabled())
        return;
    entry.setBounds (setup.style == GskStyle::chainChooser ? getLocalBounds() : textArea());
    entry.setText (text(), juce::dontSendNotification);
    entry.setVisible (true);
    entry.toFront (false);
    entry.showEditor();
}

void GskCont::setAccessibleName (const juce::String& name)
{
    setTitle (name);
    if (dial != nullptr)
        dial->setTitle (name);
    if (toggle != nullptr)
        toggle->setTitle (name);
    setTooltip (tooltipFor (name));
}

juce::String GskCont::tooltipFor (const juce::String& name) const
{
    // Hosts know the channel's rows as "Aux 1 Level Ch.5"; people read "Aux 1 Level, Ch. 5".
    auto shownName = name.trim();
    const int ch = shownName.lastIndexOf (" Ch.");
    if (ch > 0 && shownName.substring (ch + 4).containsOnly ("0123456789") && shownName.length() > ch + 4)
        shownName = shownName.substring (0, ch) + ", Ch. " + shownName.substring (ch + 4);

    // An object reference's text carries a name; its range reads as numbers.
    const bool references = setup.displayType >= firstObjectReferenceDisplay;
    auto low = references ? juce::String (setup.minimum) : textOf (setup.minimum).trim();
    auto high = references ? juce::String (setup.maximum) : textOf (setup.maximum).trim();
    if (low.isEmpty() || high.isEmpty())
        low = juce::String (setup.minimum), high = juce::String (setup.maximum);
    const auto range = low + " to " + high;
    return shownName.isEmpty() ? range : shownName + ": " + range;
}

void GskCont::setTooltip (const juce::String& text)
{
    juce::SettableTooltipClient::setTooltip (text);
    if (dial != nullptr)
        dial->setTooltip (text);
    if (toggle != nullptr)
        toggle->setTooltip (text);
}

// ------------------------------------------------------------------------ layout

juce::Rectangle<int> GskCont::captionArea() const
{
    if (! isKnobStyle (setup.style) || setup.caption.isEmpty())
        return {};
    return getLocalBounds().removeFromTop (captionHeight);
}

juce::Rectangle<int> GskCont::textArea() const
{
    auto area = getLocalBounds();
    if (setup.style == GskStyle::fader)
        return area.removeFromTop (textHeight);
    if (isKnobStyle (setup.style))
        return area.removeFromBottom (textHeight);
    return area;
}

juce::Rectangle<int> GskCont::widgetArea() const
{
    auto area = getLocalBounds();
    if (setup.style == GskStyle::fader)
        area.removeFromTop (textHeight);
    else if (isKnobStyle (setup.style))
    {
        area.removeFromBottom (textHeight);
        if (setup.caption.isNotEmpty())
            area.removeFromTop (captionHeight);
    }
    return area;
}

void GskCont::resized()
{
    if (dial != nullptr)
        dial->setBounds (widgetArea());
    if (toggle != nullptr)
        toggle->setBounds (widgetArea());
    if (entry.isVisible())
        entry.setBounds (setup.style == GskStyle::chainChooser ? getLocalBounds() : textArea());
}

void GskCont::paint (juce::Graphics& g)
{
    if (setup.style != GskStyle::fader && ! isKnobStyle (setup.style))
        return; // the other styles draw themselves, or nothing

    if (const auto area = captionArea(); ! area.isEmpty())
    {
        g.setColour (skin::colours::textDim);
        g.setFont (skin::font (captionFontHeight, true));
        g.drawText (setup.caption.toUpperCase(), area, juce::Justification::centred, false);
    }
    if (! entry.isVisible())
    {
        g.setColour (isEnabled() ? skin::colours::control : skin::colours::textDim);
        g.setFont (skin::font (textFontHeight));
        g.drawFittedText (text(), textArea(), juce::Justification::centred, 1, 0.8f);
    }
}

void GskCont::mouseDoubleClick (const juce::MouseEvent& e)
{
    if (textArea().contains (e.getPosition()))
        beginTyping();
}

} // namespace zr9
