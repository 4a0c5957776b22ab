#pragma once

#include "ui/ProgBar.h"

#include "controller/MidiCntrState.h"
#include "ui/SkinButton.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <array>
#include <functional>
#include <memory>

namespace zr9
{

/**
    The transfer selection panel, opened by "RECEIVE DATA" or "TRANSMIT DATA"
    of the MIDI setup panel with that direction. A column of object buttons
    ("All Objects", "Programs", "Multi", "FX Chains", "Key Maps") prepares the
    progress panel for that type and turns the controller's FIFO mode on, so
    every protocol message goes to the transfer while it lasts. CANCEL in the
    progress panel (pressed by the user, or by a finished run) ends it: 200 ms
    later, when late replies have come in, FIFO mode goes off, the progress
    panel goes and "CLOSE" comes back, with the summary of the run beside the
    buttons. "CLOSE" asks the owner to close this panel.

    Opened to transmit, the buttons of the types that cannot be sent (and
    "All Objects") are greyed and the reason for each stands below the
    column; a run sends programs from the library and leaves FIFO mode off,
    as only its read-backs come back.

    Message thread; the 200 ms wait runs on the controller's clock.
*/
class RecTrn : public juce::Component
{
public:
    static constexpr int closeId = 1111;
    static constexpr int closeDelayMs = 200;
    /** The object buttons' ids, top to bottom: "All Objects" and the types. */
    static constexpr std::array<int, 5> objectIds { 999, 138, 155, 156, 133 };

    RecTrn (MidiCntrState& controller, int direction);
    ~RecTrn() override;

    /** "CLOSE" was pressed: the owner closes the panel. */
    std::function<void()> onClose;

    /** A click on an object button: the id of "All Objects" or of a type. */
    void objectButtonPressed (int id);

    int direction() const noexcept { return directionCode; }
    ProgBar* progressPanel() noexcept { return progress.get(); }
    SkinButton& closeButton() noexcept { return close; }
    /** The object button with this id, or nullptr. */
    SkinButton* objectButton (int id) noexcept;
    /** What the last run did; empty before the first one ends. */
    juce::String summaryText() const { return summary.getText(); }
    /** Why the greyed buttons of a transmit panel are greyed; empty in a receive panel. */
    juce::String refusalsText() const { return refusals.getText(); }
    /** The transmit panel's reason for a button's id, or nullptr when it can be used. */
    static const char* transmitRefusalFor (int id) noexcept;

    void paint (juce::Graphics& g) override;

private:
    void progressCancelled();
    void closeProgressPanel();
    void setObjectButtonsEnabled (bool enabled);

    MidiCntrState& controller;
    const int directionCode;
    bool isTransmit() const noexcept;
    bool canUse (int id) const noexcept;

    juce::Label heading, summary, refusals;
    std::array<std::unique_ptr<SkinButton>, objectIds.size()> objectButtons;
    SkinButton close { "CLOSE", closeId };
    std::unique_ptr<ProgBar> progress;
    std::unique_ptr<ClockTimer> closeTimer;
    bool runStarted = false;
    juce::String runDescription;
};

} // namespace zr9
