#pragma once

#include "controller/PortScan.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <functional>

namespace zr9
{

/**
    The panel that shows the controller's port scan: which pair is being
    asked while it runs, and "NOT CONNECTED!" with two hints when no pair
    answered. A click on it asks its owner to end the scan; the owner closes
    the panel once the scan is over. The scan itself runs in the controller,
    so closing or rebuilding the window never disturbs it.
*/
class MIDI_scan : public juce::Component,
                  private PortScan::Listener
{
public:
    static constexpr int panelX = 214, panelY = 79, panelWidth = 600, panelHeight = 100;

    explicit MIDI_scan (PortScan& scan);
    ~MIDI_scan() override;

    /** Called when the user clicks the panel. */
    std::function<void()> onClicked;

    bool isRunning() const noexcept { return scan.state() == PortScan::State::running; }
    bool isNotFound() const noexcept { return scan.state() == PortScan::State::notFound; }

    void paint (juce::Graphics& g) override;
    void mouseDown (const juce::MouseEvent&) override;

private:
    void scanChanged() override;
    void paintNotFound (juce::Graphics& g);
    void paintSearching (juce::Graphics& g);

    PortScan& scan;
};

} // namespace zr9
