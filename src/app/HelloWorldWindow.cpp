#include "HelloWorldWindow.h"

#include "DesktopScale.h"
#include "MainComp.h"
#include "WindowScale.h"
#include "WindowSize.h"
#include "ui/AppInfo.h"
#include "ui/SkinPalette.h"

namespace zr9
{

namespace
{
    /** The primary screen's usable area in real pixels, and the scale the framework applies there by itself. */
    struct Screen
    {
        juce::Rectangle<int> pixels;
        double ownScale = 1.0;
    };

    Screen primaryScreen()
    {
        auto& desktop = juce::Desktop::getInstance();
        const auto* display = desktop.getDisplays().getPrimaryDisplay();
        if (display == nullptr || display->scale <= 0.0)
            return {};
        // The display's scale includes the program's own (global) factor; what is left is the framework's.
        const double ownScale = display->scale / (double) desktop.getGlobalScaleFactor();
        return { (display->userArea.toDouble() * display->scale).toNearestIntEdges(), ownScale };
    }

    juce::Rectangle<int> scaledScreenArea()
    {
        const auto* display = juce::Desktop::getInstance().getDisplays().getPrimaryDisplay();
        return display != nullptr ? display->userArea : juce::Rectangle<int>();
    }
} // namespace

HelloWorldWindow::HelloWorldWindow (ProcessorOptions options)
    : juce::DocumentWindow (appinfo::name, skin::colours::window, 0, false)
{
    // Put on the desktop only once its title bar, resizing and size are settled: each of those
    // recreates a window that is already on the desktop, and the system would briefly show a
    // stray window at a default size.
    // The system's title bar lets the window manager offer its usual way to close the program.
    setUsingNativeTitleBar (true);
    audioProcessor = std::make_unique<RevuDIAudioProcessor> (std::move (options));
    // The scale is set before anything is sized: every size below, saved or not, is in scaled units.
    desktopScale = desktopscale::current();
    applyScale();
    const auto size = openingWindowSize (audioProcessor->controller().settings(), scaledScreenArea());

    auto* content = new MainComp (*audioProcessor);
    // A program of its own may open windows of its own.
    content->setLibraryManagerInOwnWindow (true);
    content->setMidiMonitorInOwnWindow (true);
    content->offerScaleChoice ({ windowscale::storedChoice (audioProcessor->controller().settings()), desktopScale,
                                 [this] (int choice) { scaleChosen (choice); } });
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

void HelloWorldWindow::applyScale()
{
    // The framework's global factor scales every window of the program: the main window, its pop-up
    // menus, tooltips and dialogs, and the windows of their own (library manager, MIDI monitor).
    const auto screen = primaryScreen();
    const double wanted = windowscale::wanted (windowscale::storedChoice (audioProcessor->controller().settings()), desktopScale);
    appliedScale = windowscale::fitted (wanted, screen.pixels, { MainComp::minimumWidth, MainComp::minimumHeight });
    juce::Desktop::getInstance().setGlobalScaleFactor ((float) (appliedScale / screen.ownScale));
}

void HelloWorldWindow::scaleChosen (int choice)
{
    auto& settings = audioProcessor->controller().settings();
    windowscale::storeChoice (settings, choice);
    settings.save();
    applyScale();

    // A window grown past the screen by a larger scale is brought back onto it.
    const auto area = scaledScreenArea();
    if (area.isEmpty())
        return;
    auto bounds = getBounds();
    bounds.setSize (juce::jlimit (MainComp::minimumWidth, std::max (MainComp::minimumWidth, area.getWidth()), bounds.getWidth()),
                    juce::jlimit (MainComp::minimumHeight, std::max (MainComp::minimumHeight, area.getHeight()), bounds.getHeight()));
    setBounds (bounds.constrainedWithin (area));
}

bool HelloWorldWindow::keyPressed (const juce::KeyPress& key)
{
    auto* main = dynamic_cast<MainComp*> (getContentComponent());
    if (main == nullptr)
        return false;
    if (key.isKeyCode (juce::KeyPress::tabKey))
    {
        main->moveFocus (! key.getModifiers().isShiftDown());
        return true;
    }
    return main->keyPressed (key);
}

void HelloWorldWindow::closeButtonPressed()
{
    juce::JUCEApplicationBase::quit();
}

} // namespace zr9
