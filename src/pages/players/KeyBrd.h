#pragma once

#include "OctaveKeyClass.h"
#include "PianoKey.h"

#include "ui/SkinButton.h"
#include "ui/WheelCnt.h"

#include <array>
#include <functional>
#include <memory>

namespace zr9
{

class MidiCntrState;

/**
    The on-screen keyboard: two octaves of piano keys, the octave strip that
    moves them, the pitch and modulation wheels, the channel button with its
    menu of sixteen channels and the touch-mode switch.

    Keys sound on the controller's channel. With touch mode off a key plays
    when the mouse is pressed on it, and the held mouse slides from key to
    key; with touch mode on, moving onto a key plays it and leaving it
    releases it. Every change of the octave window sends note off for all
    128 notes, and whatever the keys still hold is released when the
    keyboard is hidden or goes away.

    The wheels only broadcast their changes: the owner turns them into
    messages. The keyboard takes no clicks itself, only its children do, so
    a press between them reaches the panel behind it.

    Message thread.
*/
class KeyBrd : public juce::Component,
               private PianoKeyOwner
{
public:
    static constexpr int keyCount = 24;
    static constexpr int keysTop = 54;
    /** Each key's left edge, by its place in the two octaves. */
    static constexpr std::array<int, keyCount> keyX { 130, 162, 190, 239, 250, 310, 343, 370, 411, 430, 477, 490,
                                                      550, 582, 610, 659, 670, 730, 763, 790, 831, 850, 897, 910 };
    static constexpr float octaveStripScale = 1.5f;
    static constexpr int firstNoteAtStart = 48;

    explicit KeyBrd (MidiCntrState& controller);
    ~KeyBrd() override;

    static bool isBlackKey (int semitone) noexcept;

    PianoKey& key (int semitone) { return *keys[(size_t) semitone]; }
    OctaveKeyClass& octaveStrip() noexcept { return strip; }
    WheelCnt& pitchWheel() noexcept { return pitch; }
    WheelCnt& modulationWheel() noexcept { return modulation; }
    SkinButton& channelButton() noexcept { return channel; }
    SkinButton& touchModeButton() noexcept { return touch; }

    int octave() const noexcept { return strip.octave(); }
    bool isTouchMode() const noexcept { return touchMode; }
    void setTouchMode (bool on);
    bool isMouseHeld() const noexcept { return mouseHeld; }

    /** The channel menu: "Channel 1" to "Channel 16", the current one ticked; an entry's id is its channel. */
    juce::PopupMenu channelMenu() const;
    /** The menu closed with this id (0 when dismissed): a channel of 1 to 16 becomes the controller's. */
    void channelChosen (int menuId);
    /** Shows the controller's channel on the channel button. */
    void showChannel();
    /** Told after a channel was chosen from the menu, so pages on that channel follow. */
    std::function<void (int channel)> onChannelChosen;

    /** The key under a point of the keyboard (black keys lie on top), or none. */
    PianoKey* keyAt (juce::Point<int> position);
    /** Sends note off for every key that is down and draws it up. */
    void releaseAllKeys();

    void paint (juce::Graphics& g) override;
    void visibilityChanged() override;

private:
    void play (PianoKey& key, int y);
    void release (PianoKey* key);
    void windowChanged();
    void updateKeyLabels();
    void slideTo (const juce::MouseEvent& e);

    void keyMouseDown (PianoKey& key, const juce::MouseEvent& e) override;
    void keyMouseDrag (PianoKey& key, const juce::MouseEvent& e) override;
    void keyMouseUp (PianoKey& key, const juce::MouseEvent& e) override;
    void keyEntered (PianoKey& key, const juce::MouseEvent& e) override;
    void keyExited (PianoKey& key, const juce::MouseEvent& e) override;

    MidiCntrState& controller;
    std::array<std::unique_ptr<PianoKey>, keyCount> keys;
    OctaveKeyClass strip { octaveStripScale, firstNoteAtStart };
    WheelCnt pitch { WheelCnt::Kind::pitch };
    WheelCnt modulation { WheelCnt::Kind::modulation };
    SkinButton channel { {}, 0 };
    SkinButton touch { {}, 0 };

    bool touchMode = false;
    bool mouseHeld = false;
    PianoKey* mouseKey = nullptr; // the key the mouse sounds now

    JUCE_DECLARE_NON_COPYABLE (KeyBrd)
};

} // namespace zr9
