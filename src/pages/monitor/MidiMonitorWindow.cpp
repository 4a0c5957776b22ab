#include "MidiMonitorWindow.h"

#include "ui/PanelLookAndFeel.h"
#include "ui/SkinPalette.h"

namespace zr9
{

MidiMonitorWindow::MidiMonitorWindow (std::unique_ptr<MidiMonitor> m)
    : juce::DocumentWindow ("MIDI MONITOR", skin::colours::window, juce::DocumentWindow::closeButton, false),
      content (m.get())
{
    setUsingNativeTitleBar (true);
    setResizable (true, false);
    setResizeLimits (MidiMonitor::minimumWidth, MidiMonitor::minimumHeight, 4096, 4096);
    content->onClose = [this] { closeButtonPressed(); };
    setContentOwned (m.release(), true);
}

MidiMonitorWindow::~MidiMonitorWindow()
{
    clearContentComponent();
}

void MidiMonitorWindow::closeButtonPressed()
{
    if (onClosed != nullptr)
        onClosed();
}

} // namespace zr9
