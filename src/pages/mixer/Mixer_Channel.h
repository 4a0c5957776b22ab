#pragma once

#include "MixerLayout.h"
#include "Vu_Meter.h"

#include "ui/GskCont.h"
#include "ui/NameSlot.h"

#include <algorithm>
#include <array>
#include <functional>
#include <memory>

namespace zr9
{

class MidiCntrState;
class ObjectNameSource;

/**
    One channel strip of the mixer, for MIDI channel index + 1: the value
    controls of the channel's live rows 16 index + 0 to 13 (the effect-chain
    choosers, aux levels, pan and level on the strip; the switches, the
    program number, solo and mute kept up to date outside it), the velocity
    meter and a slot with the channel's program number. 58 x 564. Message
    thread.
*/
class Mixer_Channel : public juce::Component
{
public:
    Mixer_Channel (int index, MidiCntrState& controllerState, const ObjectNameSource& names);

    int index() const noexcept { return channelIndex; }
    /** Control of slot 0 to 13. */
    GskCont& control (int slot) { return *controls[(size_t) std::clamp (slot, 0, mixer::controlCount - 1)]; }
    Vu_Meter& meter() noexcept { return vu; }
    NameSlot& nameSlot() noexcept { return programSlot; }

    /** Shows a value of the strip's slot that changed elsewhere; a slot without a control is skipped. */
    void showSlot (int slot, int value);
    /** Reads every control but the program's from the live table again, in slot order. */
    void refreshControls();

    /** Told of every value the user chooses on the strip, after it went to the live row: slot, value. */
    std::function<void (int, int)> onControlMoved;
    /** A drag of the control in a slot has ended. */
    std::function<void (int)> onControlReleased;

    void paint (juce::Graphics& g) override;

private:
    int channelIndex;
    std::array<std::unique_ptr<GskCont>, mixer::controlCount> controls;
    Vu_Meter vu;
    NameSlot programSlot;
    juce::Image panel;
};

} // namespace zr9
