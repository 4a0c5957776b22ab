#pragma once

#include "WheelDisplay.h"

#include "controller/LiveTable.h"
#include "model/MidiControllers.h"
#include "ui/ChannelChooser.h"
#include "ui/GskCont.h"
#include "ui/PageCommands.h"
#include "ui/PanelLookAndFeel.h"

#include <array>
#include <memory>

namespace zr9
{

class MidiCntrState;

/**
    The "CONTROLS" page: the 128 MIDI controllers of the controller's
    channel (live rows 256 + 128 c + n) as value controls named by their
    controller destinations, with the channel chooser and displays of the
    pitch and modulation wheels the instrument reports.

    Moving a control sets its row through the controller, which sends the
    controller; a controller that arrives from the instrument moves its
    control (refreshRow). The wheels are shown per channel as they arrive
    while the page exists; the page shows those of its channel. Message thread.
*/
class ControlsComp : public juce::Component
{
public:
    static constexpr int pageCode = pagecommand::controls;
    static constexpr int controllerCount = midicc::count;
    static constexpr int columns = 16;
    static constexpr int rows = controllerCount / columns;
    static constexpr int headerHeight = 40;

    explicit ControlsComp (MidiCntrState& controllerState);
    ~ControlsComp() override;

    /** The channel shown, 0 to 15: the controller's channel when the page last looked. */
    int channel() const noexcept { return shownChannel; }
    GskCont& control (int controller) { return *controls[(size_t) juce::jlimit (0, controllerCount - 1, controller)]; }
    ChannelChooser& channelChooser() noexcept { return chooser; }
    WheelDisplay& pitchDisplay() noexcept { return pitch; }
    WheelDisplay& modulationDisplay() noexcept { return modulation; }

    /** Takes the controller's channel again and re-reads every control and wheel. */
    void refreshAll();
    /** A controller row changed elsewhere: its control moves when it lies in the shown channel. */
    void refreshRow (int row, int value);
    /** A pitch-wheel value (14 bits) reported on channel 0 to 15. */
    void showPitchWheel (int channel, int value);
    /** A modulation-wheel value reported on channel 0 to 15. */
    void showModulation (int channel, int value);

    /** Told after the user chose another channel on this page. */
    std::function<void()> onChannelChosen;

    void paint (juce::Graphics& g) override;
    void resized() override;
    void visibilityChanged() override;

private:
    static bool isChannel (int c) noexcept { return c >= 0 && c < channelCount; }
    int rowOf (int controller) const noexcept { return LiveTable::controllerRow (shownChannel, controller); }

    MidiCntrState& controllerState;
    juce::SharedResourcePointer<PanelLookAndFeel> look;
    int shownChannel = 0;
    std::array<std::unique_ptr<GskCont>, controllerCount> controls;
    std::array<int, channelCount> pitchWheels;
    juce::Label title;
    ChannelChooser chooser;
    WheelDisplay pitch { WheelDisplay::Kind::pitch, "Pitch Wheel" };
    WheelDisplay modulation { WheelDisplay::Kind::modulation, "Modulation" };

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (ControlsComp)
};

} // namespace zr9
