#pragma once

#include "app/PortScan.h"

#include <juce_gui_basics/juce_gui_basics.h>

namespace zr9
{

/**
    The panel that runs the port scan: a 100 ms timer takes one scan step per
    tick. When the instrument answers, the panel tells its owner with a change
    message (the owner then closes it); when no pair answers it shows
    "NOT CONNECTED!" with two hints until clicked. A click stops the scan and
    tells the owner.
*/
class MIDI_scan : public juce::Component,
                  public juce::ChangeBroadcaster,
                  private juce::Timer
{
public:
    static constexpr int tickMs = 100;
    static constexpr int panelX = 214, panelY = 79, panelWidth = 600, panelHeight = 100;

    explicit MIDI_scan (MidiCntrState& controller);
    ~MIDI_scan() override;

    /** Starts the scan and its timer. */
    void startScan();

    bool isRunning() const noexcept { return running; }
    bool isNotFound() const noexcept { return notFound; }
    const PortScan& scan() const noexcept { return portScan; }

    /** Lines shown under "WARNING!" once the instrument is found; nothing fills them yet. */
    juce::StringArray warnings;

    void paint (juce::Graphics& g) override;
    void mouseDown (const juce::MouseEvent&) override;

private:
    void timerCallback() override;
    void finish();
    void paintNotFound (juce::Graphics& g);
    void paintWarnings (juce::Graphics& g);
    void paintSearching (juce::Graphics& g);

    PortScan portScan;
    bool running = false;
    bool notFound = false;
};

} // namespace zr9
