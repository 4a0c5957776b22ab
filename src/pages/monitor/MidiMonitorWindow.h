#pragma once

#include "MidiMonitor.h"

namespace zr9
{

/**
    The MIDI monitor in a window of its own, beside the main window, so the
    mixer can be moved while the monitor shows what it sends. The window
    owns the monitor; closing it tells `onClosed`, and the opener deletes it.
*/
class MidiMonitorWindow : public juce::DocumentWindow
{
public:
    explicit MidiMonitorWindow (std::unique_ptr<MidiMonitor> monitor);
    ~MidiMonitorWindow() override;

    MidiMonitor& monitor() noexcept { return *content; }
    std::function<void()> onClosed;

    void closeButtonPressed() override;

private:
    MidiMonitor* content;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (MidiMonitorWindow)
};

} // namespace zr9
