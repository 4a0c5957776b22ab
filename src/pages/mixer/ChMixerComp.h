#pragma once

#include "MixButt.h"
#include "MixerEvents.h"
#include "MixerLayout.h"
#include "Mixer_Channel.h"
#include "ui/PageCommands.h"

#include "model/ModelObjectNames.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <algorithm>
#include <array>
#include <memory>
#include <vector>

namespace zr9
{

class MidiCntrState;

/**
    The "MIXER" page: the instrument's 16 MIDI channels side by side, each a
    strip of value controls bound to the channel's live rows, with velocity
    meters and program names, under a header with the channels' labels and
    programs.

    A control the user moves sets its live row through the controller (which
    sends it and tells the host); choosing an effect chain also queues a
    chain-choice event (MixerEvents.h) and broadcasts a change. Values that
    change elsewhere arrive through the main component: refreshRow() for a
    channel row, showVelocity() for a note on, refreshAllPrograms() and
    refreshAll() after a program change or an arrangement. Message thread.
*/
class ChMixerComp : public juce::Component,
                    public juce::ChangeBroadcaster
{
public:
    /** The page code the main component records while the page is shown. */
    static constexpr int pageCode = pagecommand::mixer;

    explicit ChMixerComp (MidiCntrState& controllerState);
    ~ChMixerComp() override;

    MixButt& header() noexcept { return head; }
    Mixer_Channel& strip (int i) { return *strips[(size_t) std::clamp (i, 0, mixer::stripCount - 1)]; }
    int horizontalOffset() const noexcept { return offset; }

    /** A note on for channel 0 to 15 drives that strip's meter; other channels change nothing. */
    void showVelocity (int channel, int velocity);
    /**
        A channel row that changed elsewhere (rows 0 to 255): the program slot
        renames the strip and re-reads its controls; slots with a control show
        the value, held to the control's range; others are skipped.
    */
    void refreshRow (int row, int value);
    /** Shows every channel's program (slot 11) again. */
    void refreshAllPrograms();
    /** Reads every control and every program from the live table again. */
    void refreshAll();

    /** The events queued since the last call, oldest first. */
    std::vector<std::uint64_t> takeEvents();

    void paint (juce::Graphics& g) override;
    void resized() override;

private:
    void controlMoved (int strip, int slot);
    void controlReleased (int strip, int slot);
    void queueEvent (std::uint64_t event);
    void showProgram (int channel, int program);

    MidiCntrState& controllerState;
    ModelObjectNames names;
    MixButt head;
    std::array<std::unique_ptr<Mixer_Channel>, mixer::stripCount> strips;
    std::vector<std::uint64_t> events;
    std::uint64_t choiceInDrag = 0; // a chain chosen during a drag, told when the drag ends; 0 for none
    int offset = 0;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (ChMixerComp)
};

} // namespace zr9
