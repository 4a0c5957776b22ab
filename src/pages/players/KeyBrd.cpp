#include "KeyBrd.h"

#include "ui/KeyNames.h"

#include "controller/MidiCntrState.h"
#include "ui/SkinFonts.h"
#include "ui/SkinPalette.h"

#include <algorithm>

namespace zr9
{

namespace
{
    const juce::Rectangle<int> pitchWheelArea { 12, 160, WheelCnt::wheelWidth, WheelCnt::wheelHeight };
    const juce::Rectangle<int> modulationWheelArea { 76, 160, WheelCnt::wheelWidth, WheelCnt::wheelHeight };
    const juce::Rectangle<int> channelButtonArea { 12, 64, 108, 30 };
    const juce::Rectangle<int> touchButtonArea { 12, 104, 108, 30 };
    constexpr int wheelLabelGap = 4, wheelLabelHeight = 16;
    constexpr int octaveStripX = 130, octaveStripY = 9;
    constexpr int rangeLabelGap = 14, rangeLabelWidth = 120;
    constexpr int menuChannelCount = 16;

    const juce::String channelText ("Channel  ");
    const juce::String menuEntryText ("Channel ");
    const juce::String touchOnText ("Touch Mode ON");
    const juce::String touchOffText ("Touch Mode OFF");
} // namespace

KeyBrd::KeyBrd (MidiCntrState& c) : controller (c)
{
    // Only the children take clicks: a press between them goes to the panel behind.
    setInterceptsMouseClicks (false, true);

    for (int i = 0; i < keyCount; ++i)
    {
        const auto kind = isBlackKey (i) ? PianoKey::Kind::black : PianoKey::Kind::white;
        keys[(size_t) i] = std::make_unique<PianoKey> (kind, i, static_cast<PianoKeyOwner&> (*this));
        keys[(size_t) i]->setTopLeftPosition (keyX[(size_t) i], keysTop);
    }
    // White keys first, so the black keys lie on top of them.
    for (auto& k : keys)
        if (k->kind() == PianoKey::Kind::white)
            addAndMakeVisible (*k);
    for (auto& k : keys)
        if (k->kind() == PianoKey::Kind::black)
            addAndMakeVisible (*k);

    strip.setTopLeftPosition (octaveStripX, octaveStripY);
    strip.onWindowChanged = [this] { windowChanged(); };
    addAndMakeVisible (strip);

    pitch.setBounds (pitchWheelArea);
    modulation.setBounds (modulationWheelArea);
    addAndMakeVisible (pitch);
    addAndMakeVisible (modulation);

    channel.setBounds (channelButtonArea);
    channel.onClick = [this]
    {
        juce::Component::SafePointer<KeyBrd> self (this);
        channelMenu().showMenuAsync (juce::PopupMenu::Options().withTargetComponent (&channel),
                                     [self] (int chosen) { if (self != nullptr) self->channelChosen (chosen); });
    };
    addAndMakeVisible (channel);

    touch.setBounds (touchButtonArea);
    touch.onClick = [this] { setTouchMode (! touchMode); };
    addAndMakeVisible (touch);

    setTouchMode (false);
    showChannel();
    updateKeyLabels();
}

KeyBrd::~KeyBrd()
{
    // Notes still held here would hang on the instrument.
    releaseAllKeys();
}

bool KeyBrd::isBlackKey (int semitone) noexcept
{
    const int s = semitone % 12;
    return s == 1 || s == 3 || s == 6 || s == 8 || s == 10;
}

// ----------------------------------------------------------------- channel, touch mode

juce::PopupMenu KeyBrd::channelMenu() const
{
    juce::PopupMenu menu;
    const int current = controller.notes().channel();
    for (int n = 1; n <= menuChannelCount; ++n)
        menu.addItem (n, menuEntryText + juce::String (n), true, n == current);
    return menu;
}

void KeyBrd::channelChosen (int menuId)
{
    if (! NotePlayer::isChannel (menuId))
        return;
    controller.notes().selectChannel (menuId);
    showChannel();
    if (onChannelChosen != nullptr)
        onChannelChosen (menuId);
}

void KeyBrd::showChannel()
{
    channel.setButtonText (channelText + juce::String (controller.notes().channel()));
}

void KeyBrd::setTouchMode (bool on)
{
    releaseAllKeys();
    touchMode = on;
    mouseHeld = false;
    touch.setButtonText (on ? touchOnText : touchOffText);
    touch.setSelected (on);
}

// ------------------------------------------------------------------- playing keys

PianoKey* KeyBrd::keyAt (juce::Point<int> position)
{
    for (const auto kind : { PianoKey::Kind::black, PianoKey::Kind::white })
        for (auto& k : keys)
            if (k->kind() == kind && k->getBounds().contains (position)
                && k->hitTest (position.x - k->getX(), position.y - k->getY()))
                return k.get();
    return nullptr;
}

void KeyBrd::play (PianoKey& key, int y)
{
    const auto velocity = PianoKey::velocityForClick (key.kind(), y);
    const int note = octave() * 12 + key.semitone();
    if (! velocity.has_value() || ! NotePlayer::isNote (note))
        return;
    release (mouseKey);
    const int c = controller.notes().channel();
    controller.notes().noteOn (note, c, *velocity);
    key.pressed (note, c, *velocity);
    mouseKey = &key;
}

void KeyBrd::release (PianoKey* key)
{
    if (key == nullptr)
        return;
    if (key->isDown())
    {
        controller.notes().noteOff (key->sentNote(), key->sentChannel());
        key->released();
    }
    if (mouseKey == key)
        mouseKey = nullptr;
}

void KeyBrd::releaseAllKeys()
{
    for (auto& k : keys)
        release (k.get());
    mouseKey = nullptr;
}

void KeyBrd::slideTo (const juce::MouseEvent& e)
{
    const auto position = e.getEventRelativeTo (this).getPosition();
    auto* target = keyAt (position);
    if (target == mouseKey)
        return;
    release (mouseKey);
    if (target != nullptr)
        play (*target, position.y - target->getY());
}

void KeyBrd::keyMouseDown (PianoKey& key, const juce::MouseEvent& e)
{
    if (touchMode)
    {
        // Moving onto the key played it already; a press plays it only if that found nothing to play.
        if (mouseKey != &key)
            play (key, e.y);
        return;
    }
    mouseHeld = true;
    play (key, e.y);
}

void KeyBrd::keyMouseDrag (PianoKey&, const juce::MouseEvent& e)
{
    // The key pressed first receives the whole drag: the keyboard finds the key under the mouse.
    if (mouseHeld || touchMode)
        slideTo (e);
}

void KeyBrd::keyMouseUp (PianoKey&, const juce::MouseEvent& e)
{
    if (touchMode)
    {
        // The key under the mouse keeps sounding until the mouse leaves it.
        if (mouseKey != nullptr && keyAt (e.getEventRelativeTo (this).getPosition()) != mouseKey)
            release (mouseKey);
        return;
    }
    mouseHeld = false;
    release (mouseKey);
}

void KeyBrd::keyEntered (PianoKey& key, const juce::MouseEvent& e)
{
    if ((touchMode && ! e.mods.isAnyMouseButtonDown()) || mouseHeld)
        if (mouseKey != &key)
            play (key, e.y);
}

void KeyBrd::keyExited (PianoKey& key, const juce::MouseEvent&)
{
    if ((touchMode || mouseHeld) && mouseKey == &key)
        release (&key);
}

// ------------------------------------------------------------------ octave window

void KeyBrd::windowChanged()
{
    releaseAllKeys();
    controller.notes().allNotesOff (controller.notes().channel());
    updateKeyLabels();
    repaint();
}

void KeyBrd::updateKeyLabels()
{
    for (auto& k : keys)
    {
        const int note = octave() * 12 + k->semitone();
        k->setLabel (k->semitone() % 12 == 0 && NotePlayer::isNote (note) ? keynames::noteName (note) : juce::String());
    }
}

void KeyBrd::visibilityChanged()
{
    if (! isVisible())
        releaseAllKeys();
}

// ------------------------------------------------------------------------ drawing

void KeyBrd::paint (juce::Graphics& g)
{
    g.setColour (skin::colours::text);
    g.setFont (skin::font (11.0f, true));
    const auto labelBelow = [] (juce::Rectangle<int> wheel)
    {
        return juce::Rectangle<int> (wheel.getX() - 8, wheel.getBottom() + wheelLabelGap, wheel.getWidth() + 16, wheelLabelHeight);
    };
    g.drawText ("PITCH", labelBelow (pitchWheelArea), juce::Justification::centred);
    g.drawText ("MOD", labelBelow (modulationWheelArea), juce::Justification::centred);

    // The notes the keys play, next to the strip that moves them.
    const int first = octave() * 12;
    const int last = std::min (first + keyCount - 1, OctaveKeyClass::highestNote);
    const juce::Rectangle<int> range (strip.getRight() + rangeLabelGap, strip.getY(), rangeLabelWidth, strip.getHeight());
    g.setFont (skin::font (13.0f, true));
    g.drawText (keynames::noteName (first) + juce::String::fromUTF8 (" \xe2\x80\x93 ") + keynames::noteName (last), range,
                juce::Justification::centredLeft);
}

} // namespace zr9
