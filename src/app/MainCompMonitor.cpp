// The main component's side of the MIDI monitor: opening it in a window of
// its own or as a panel over the pages, keeping the panel in its place, and
// taking it down again. Message thread.

#include "MainComp.h"

#include "library/RevuDIAudioProcessor.h"

namespace zr9
{

namespace
{
} // namespace

MidiMonitor* MainComp::midiMonitor() const noexcept
{
    if (monitorWindow != nullptr)
        return &monitorWindow->monitor();
    return monitorPanel.get();
}

void MainComp::openMidiMonitor()
{
    if (monitorWindow != nullptr)
    {
        monitorWindow->toFront (true);
        return;
    }
    if (monitorPanel != nullptr)
    {
        monitorPanel->toFront (true);
        return;
    }

    auto monitor = std::make_unique<MidiMonitor> (controller, fileMan);
    // Closed from its own button or window: taken down once that call is over.
    const auto closeLater = [self = juce::Component::SafePointer<MainComp> (this)]
    {
        juce::MessageManager::callAsync ([self] { if (self != nullptr) self->closeMidiMonitor(); });
    };
    if (monitorInOwnWindow)
    {
        monitorWindow = std::make_unique<MidiMonitorWindow> (std::move (monitor));
        monitorWindow->addKeyListener (&windowKeys());
        monitorWindow->onClosed = closeLater;
        monitorWindow->centreAroundComponent (this, monitorWindow->getWidth(), monitorWindow->getHeight());
        monitorWindow->addToDesktop (monitorWindow->getDesktopWindowStyleFlags());
        monitorWindow->setVisible (true);
        monitorWindow->toFront (true);
        return;
    }

    monitor->onClose = closeLater;
    monitorPanel = std::move (monitor);
    addAndMakeVisible (*monitorPanel);
    layoutMonitorPanel();
    monitorPanel->toFront (true);
}

void MainComp::closeMidiMonitor()
{
    const bool hadWindow = monitorWindow != nullptr;
    monitorWindow.reset();
    monitorPanel.reset();
    if (hadWindow)
        repaint();
}

void MainComp::layoutMonitorPanel()
{
    if (monitorPanel == nullptr)
        return;
    // Over the lower part of the pages, so the upper part (the mixer's knobs) stays in reach.
    const int bottom = getHeight() - footerFromBottom;
    const int top = juce::jmax (barHeight, bottom - monitorPanelHeight);
    monitorPanel->setBounds (sideWidth, top, getWidth() - 2 * sideWidth, bottom - top);
}

} // namespace zr9
