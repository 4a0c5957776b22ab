#include "HelloWorldWindow.h"

#include "MainComp.h"
#include "ui/AppInfo.h"
#include "ui/SkinImages.h"

namespace zr9
{

namespace
{
    constexpr int defaultWidth = 1024, defaultHeight = 768;

    /** The size the main component had when the program last ended, when it still fits this screen. */
    std::optional<juce::Point<int>> savedSize (const ControllerSettings& settings)
    {
        const int w = settings.number (Setting::width), h = settings.number (Setting::height);
        if (w < MainComp::minimumWidth || h < MainComp::minimumHeight)
            return std::nullopt;
        const auto* display = juce::Desktop::getInstance().getDisplays().getPrimaryDisplay();
        if (display == nullptr || w > display->userArea.getWidth() || h > display->userArea.getHeight())
            return std::nullopt;
        return juce::Point<int> (w, h);
    }
} // namespace

HelloWorldWindow::HelloWorldWindow (ProcessorOptions options)
    : juce::DocumentWindow (appinfo::name, skin::colours::window, 0, true)
{
    // The system's title bar lets the window manager offer its usual way to close the program.
    setUsingNativeTitleBar (true);
    audioProcessor = std::make_unique<RevuDIAudioProcessor> (std::move (options));
    const auto size = savedSize (audioProcessor->controller().settings());

    auto* content = new MainComp (*audioProcessor);
    setContentOwned (content, false);
    content->setWindow (this);
    setResizable (true, false);
    setResizeLimits (MainComp::minimumWidth, MainComp::minimumHeight, 16384, 16384);
    setVisible (true);
    if (size.has_value())
        setBounds (0, 0, size->x, size->y);
    else
        setBounds (0, 0, defaultWidth, defaultHeight);
}

HelloWorldWindow::~HelloWorldWindow()
{
    // The main component leaves first; it must never outlive the processor it shows.
    clearContentComponent();
    audioProcessor.reset();
}

MainComp& HelloWorldWindow::mainComponent() noexcept
{
    return *static_cast<MainComp*> (getContentComponent());
}

void HelloWorldWindow::closeButtonPressed()
{
    juce::JUCEApplicationBase::quit();
}

} // namespace zr9
