#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include <optional>

namespace zr9
{

class PianoKey;

/** What a piano key tells the keyboard it belongs to; the keyboard plays and releases it. */
class PianoKeyOwner
{
public:
    virtual ~PianoKeyOwner() = default;
    virtual void keyMouseDown (PianoKey& key, const juce::MouseEvent& e) = 0;
    virtual void keyMouseDrag (PianoKey& key, const juce::MouseEvent& e) = 0;
    virtual void keyMouseUp (PianoKey& key, const juce::MouseEvent& e) = 0;
    virtual void keyEntered (PianoKey& key, const juce::MouseEvent& e) = 0;
    virtual void keyExited (PianoKey& key, const juce::MouseEvent& e) = 0;
};

/**
    One clickable key of the on-screen keyboard: a white or black piano key,
    or a round pad. It draws itself up or down from its picture pair and
    remembers what it sent while it is down (note, channel, velocity), so its
    release goes to the same note on the same channel. The velocity of a
    click comes from how far down the key it lands.

    A key is not a button: it plays on the press with the velocity of the
    press's height, and a held mouse slides from key to key.
*/
class PianoKey : public juce::Component
{
public:
    enum class Kind { white, black, pad };

    static constexpr int whiteWidth = 60, whiteHeight = 390;
    static constexpr int blackWidth = 39, blackHeight = 237;
    static constexpr int padSize = 100;
    /** A click further down than this plays nothing. */
    static constexpr int lowestPlayingY = 370;
    /** White keys are only wide below the black keys, so their measure starts this far down. */
    static constexpr int whiteVelocityStart = 114;
    static constexpr int minVelocity = 5, maxVelocity = 127;
    static constexpr int padVelocity = 100;

    PianoKey (Kind kind, int semitone, PianoKeyOwner& owner);

    /** The velocity a click at height y (0 at the key's top) plays, or nothing. */
    static std::optional<int> velocityForClick (Kind kind, int y) noexcept;

    Kind kind() const noexcept { return keyKind; }
    /** The key's place in the keyboard's two octaves, 0 to 23. */
    int semitone() const noexcept { return index; }

    /** Marks the key down with what was sent for it, and draws it pressed. */
    void pressed (int note, int channel, int velocity);
    /** Marks the key up and draws it so. */
    void released();
    bool isDown() const noexcept { return down; }
    int sentNote() const noexcept { return note; }
    int sentChannel() const noexcept { return channel; }
    int sentVelocity() const noexcept { return velocity; }

    /** A name drawn at the key's foot (the keyboard names each C); empty for none. */
    void setLabel (const juce::String& text);

    void paint (juce::Graphics& g) override;
    bool hitTest (int x, int y) override;
    void mouseDown (const juce::MouseEvent& e) override { owner.keyMouseDown (*this, e); }
    void mouseDrag (const juce::MouseEvent& e) override { owner.keyMouseDrag (*this, e); }
    void mouseUp (const juce::MouseEvent& e) override { owner.keyMouseUp (*this, e); }
    void mouseEnter (const juce::MouseEvent& e) override { owner.keyEntered (*this, e); }
    void mouseExit (const juce::MouseEvent& e) override { owner.keyExited (*this, e); }

private:
    Kind keyKind;
    int index;
    PianoKeyOwner& owner;
    juce::Image upPicture, downPicture;
    juce::String label;
    bool down = false;
    int note = -1, channel = 0, velocity = 0;
};

} // namespace zr9
