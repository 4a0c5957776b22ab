#include "HelloWorldWindow.h"

#include "MainComp.h"
#include "WindowSize.h"
#include "ui/AppInfo.h"
#include "ui/SkinPalette.h"

namespace zr9
{

HelloWorldWindow::HelloWorldWindow (ProcessorOptions options)
    : juce::DocumentWindow (appinfo::name, skin::colours::window, 0, false)
{
    // Put on the desktop only once its title bar, resizing and size are settled: each of those
    // recreates a window that is already on the desktop, and the system would briefly show a
    // stray window at a default size.
    // The system's title bar lets the window manager offer its usual way to close the program.
    setUsingNativeTitleBar (true);
    audioProcessor = std::make_unique<RevuDIAudioProcessor> (std::move (options));
    const auto* display = juce::Desktop::getInstance().getDisplays().getPrimaryDisplay();
    const auto size = openingWindowSize (audioProcessor->controller().settings(),
                                         display != nullptr ? display->userArea : juce::Rectangle<int>());

    auto* content = new MainComp (*audioProcessor);
    // A program of its own may open windows of its own.
    content->setLibraryManagerInOwnWindow (true);
    content->setMidiMonitorInOwnWindow (true);
    setContentOwned (content, false);
    setResizable (true, false);
    setResizeLimits (MainComp::minimumWidth, MainComp::minimumHeight, 16384, 16384);
    // Sized before it is shown, so the window never appears at another size first.
    setBounds (0, 0, size.x, size.y);
    addToDesktop (getDesktopWindowStyleFlags());
    setVisible (true);
}

HelloWorldWindow::~HelloWorldWindow()
{
    // The main component leaves first; it must never outlive the processor it shows.
    clearContentComponent();
    audioProcessor.reset();
}

void HelloWorldWindow::closeButtonPressed()
{
    juce::JUCEApplicationBase::quit();
}

} // namespace zr9
