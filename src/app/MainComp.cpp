#include "MainComp.h"

#include "library/RevuDIAudioProcessor.h"
#include "ui/SkinImages.h"

namespace zr9
{

namespace
{
    constexpr int footerHeight = 20;
    constexpr int footerFromBottom = 24;
    constexpr int footerStripFromBottom = 25;
    constexpr int keyboardPanelBottomMargin = 62;
    constexpr int keyboardPanelWidth = 992;
    constexpr int keyboardPanelHeight = 460;
    constexpr int barWidth = 1028;
    constexpr int logoWidth = 225;
    constexpr int logoHeight = 24;
    constexpr int logoFromRight = 261;
    constexpr int logoY = 23;
    constexpr int grabOffset = 20;
    constexpr int programSelectorType = 11;
    constexpr int setupSelectorType = 114;
} // namespace

MainComp::MainComp (RevuDIAudioProcessor& p)
    : juce::AudioProcessorEditor (p), processor (p), controller (p.controller())
{
    logo = skin::logo();
    footerStrip = skin::footerStrip();
    pagePicture = skin::pageBackdrop();

    buildChildren();
    controller.addListener (this);
    lastAppliedMode = controller.getLiveValue (LiveTable::rowPlayingMode);
    bar->showPlayingMode (processor.playingMode());

    // Not yet on line: look for the instrument on every port pair.
    if (! controller.flags.connected)
        setScanMode (! controller.flags.scanMode);
}

MainComp::~MainComp()
{
    controller.removeListener (this);
    cancelPendingUpdate();
    stopTimer();
    if (scanner != nullptr)
        scanner->removeChangeListener (this);
    scanner.reset();
    setMidiSetupShown (false);
    for (auto& slot : pages)
        slot.component.reset();
    keyboard.reset();
    version.reset();
    bar.reset();
    foot.reset();
    leftSide.reset();
    rightSide.reset();
}

void MainComp::buildChildren()
{
    controller.flags.fifoMode = false;
    controller.flags.bulkTransfer = false;
    controller.flags.transferPending = false;

    leftSide = std::make_unique<WoodSide> (0);
    rightSide = std::make_unique<WoodSide> (1);
    addChildComponent (*leftSide);
    addChildComponent (*rightSide);

    keyboard = std::make_unique<KeyboardPanel> (*this);
    keyboard->setBounds (sideWidth, keyboardPanelY, keyboardPanelWidth, keyboardPanelHeight);
    addChildComponent (*keyboard);
    keyboard->setVisible (controller.flags.keyboardOpen);

    bar = std::make_unique<AppBar> (*this);
    bar->setBounds (sideWidth, 0, barWidth, barHeight);
    addAndMakeVisible (*bar);

    foot = std::make_unique<AppFoot> (*this);
    addAndMakeVisible (*foot);

    setSize (RevuDIAudioProcessor::defaultEditorWidth, RevuDIAudioProcessor::defaultEditorHeight);
    controller.sendIdentityRequest();

    // The version panel greets the user once per program start, not each time an editor opens.
    if (! controller.flags.startedBefore)
    {
        version = std::make_unique<VersionPanel> (versionDisplayMs);
        version->onHidden = [this] { resized(); };
        version->setBounds (0, 0, 1024, 768);
        addAndMakeVisible (*version);
        version->toFront (false);
    }
    controller.flags.startedBefore = true;

    childrenBuilt = true;
    resized();
    setSize (1024, 798);
}

// ------------------------------------------------------------------------ pages

void MainComp::setPage (int slot, std::unique_ptr<juce::Component> component, PageLayout layout)
{
    if (slot < 0 || slot >= pageSlotCount)
        return;
    auto& s = pages[(size_t) slot];
    s.component = std::move (component);
    s.layout = layout;
    s.shown = false;
    if (s.component != nullptr)
        addChildComponent (*s.component);
}

juce::Component* MainComp::page (int slot) const
{
    return slot >= 0 && slot < pageSlotCount ? pages[(size_t) slot].component.get() : nullptr;
}

bool MainComp::isPageShown (int slot) const
{
    return slot >= 0 && slot < pageSlotCount && pages[(size_t) slot].shown;
}

void MainComp::showOnlyPage (int slot)
{
    if (page (slot) == nullptr)
        return;
    for (int i = 0; i < pageSlotCount; ++i)
    {
        auto& s = pages[(size_t) i];
        s.shown = i == slot;
        if (s.component != nullptr)
            s.component->setVisible (s.shown);
    }
    layoutPages();
}

void MainComp::pageCommand (int command, int mode, int objectType, int value1, int value2)
{
    juce::ignoreUnused (value1, value2);
    switch (command)
    {
        case commandVersionPanel: setVersionPanelShown (mode != 0); return;
        case commandMidiSetup: setMidiSetupShown (mode != 0); return;
        case commandKeyboardPanel: setKeyboardOpen (mode != 0); return;
        case commandControls: showOnlyPage (slotControls); return;
        case commandMixer: showOnlyPage (slotMixer); return;
        default: break;
    }

    // Any other command opens the selector of an object type, in place of the open selector or editor.
    const int slot = objectType == programSelectorType ? slotProgramSelector
                   : objectType == setupSelectorType   ? slotSetupSelector
                                                        : -1;
    showOnlyPage (slot);
}

void MainComp::layoutPages()
{
    const int w = getWidth(), h = getHeight();
    const int footerTop = h - footerFromBottom;
    for (auto& s : pages)
    {
        if (! s.shown || s.component == nullptr)
            continue;
        juce::Rectangle<int> area (sideWidth, barHeight, w - 2 * sideWidth, footerTop - barHeight);
        if (s.layout == PageLayout::selector)
            area.setWidth (selectorWidth);
        else if (s.layout == PageLayout::aboveKeyboard)
            area.setBottom (h - keyboardPanelBottomMargin);
        s.component->setBounds (area);
    }
}

// ---------------------------------------------------------------- drawing, layout

void MainComp::paint (juce::Graphics& g)
{
    const int w = getWidth(), h = getHeight();
    g.fillAll (skin::colours::window);
    g.setColour (skin::colours::band);
    g.fillRect (0, 0, w, barHeight);
    if (! controller.flags.keyboardOpen)
        g.drawImage (footerStrip, 0, h - footerStripFromBottom, w, footerHeight, 0, 0, footerStrip.getWidth(), footerStrip.getHeight());
    g.drawImage (logo, w - logoFromRight, logoY, logoWidth, logoHeight, 0, 0, logo.getWidth(), logo.getHeight());
}

void MainComp::resized()
{
    if (! childrenBuilt)
        return;
    const int w = getWidth(), h = getHeight();
    layoutPages();
    foot->setBounds (sideWidth, h - footerFromBottom, barWidth, footerHeight);
    controller.setSetting (setting::width, juce::String (w));
    controller.setSetting (setting::height, juce::String (h));
    processor.setEditorSize (w, h);
    if (isMidiSetupShown())
        setupPanel->setBounds (0, barHeight, w, h - barHeight - footerStripFromBottom);

    if (isVersionPanelShown())
    {
        version->setBounds (getLocalBounds());
        return;
    }
    leftSide->setBounds (0, 0, sideWidth, h);
    rightSide->setBounds (w - sideWidth, 0, sideWidth, h);
    leftSide->setVisible (true);
    rightSide->setVisible (true);
}

// ------------------------------------------------------------------ application bar

void MainComp::gskButtonPressed (int number)
{
    if (isMidiSetupShown())
    {
        pageCommand (commandMidiSetup, 0);
        return;
    }
    switch (number)
    {
        case AppBar::buttonProgram: setPlayingMode (1); break;
        case AppBar::buttonMulti: setPlayingMode (2); break;
        case AppBar::buttonMidi: pageCommand (commandMidiSetup, 1); break;
        case AppBar::buttonKeys: pageCommand (commandKeyboardPanel, controller.flags.keyboardOpen ? 0 : 1); break;
        case AppBar::buttonMixer: pageCommand (commandMixer, 1); break;
        case AppBar::buttonControls: pageCommand (commandControls, 1); break;
        case AppBar::buttonAbout: pageCommand (commandVersionPanel, isVersionPanelShown() ? 0 : 1); break;
        default: break;
    }
}

void MainComp::setPlayingMode (int mode)
{
    processor.applyPlayingMode (mode);
    lastAppliedMode = mode;
    bar->showPlayingMode (mode);
    if (mode == 1)
        pageCommand (0, mode, programSelectorType, controller.currentProgram (controller.midiChannel() - 1));
    else
        pageCommand (0, mode, setupSelectorType, std::max (1, controller.getLiveValue (LiveTable::rowMulti)));
}

void MainComp::setVersionPanelShown (bool shown)
{
    if (shown)
    {
        if (version == nullptr)
        {
            version = std::make_unique<VersionPanel> (0);
            version->onHidden = [this] { resized(); };
            addChildComponent (*version);
        }
        version->setBounds (getLocalBounds());
        version->showFor (0);
        version->toFront (false);
        leftSide->setVisible (false);
        rightSide->setVisible (false);
    }
    else if (version != nullptr)
    {
        version->setVisible (false);
    }
    resized();
}

// ------------------------------------------------------------------ keyboard panel

void MainComp::setKeyboardOpen (bool open)
{
    controller.flags.keyboardOpen = open;
    keyboard->setTopLeftPosition (sideWidth, keyboardPanelY);
    keyboard->setVisible (open);
    if (open)
        keyboard->toFront (false);
    layoutPages();
    repaint();
}

void MainComp::slideCommand (juce::Component& source, int command, int distance)
{
    const bool fromFooter = &source == foot.get();
    const bool fromHandle = &source == keyboard.get();
    if (! fromFooter && ! fromHandle)
        return;
    if (fromFooter && controller.flags.keyboardOpen)
        return;

    switch (command)
    {
        case slide::grab:
            slideStartY = fromFooter ? foot->getY() - grabOffset : keyboard->getY();
            if (fromFooter)
            {
                keyboard->setTopLeftPosition (sideWidth, foot->getY());
                keyboard->setVisible (true);
                keyboard->toFront (false);
                layoutPages();
            }
            break;

        case slide::drag:
            keyboard->setTopLeftPosition (sideWidth, slideStartY + distance);
            break;

        case slide::release:
            if (fromFooter)
                setKeyboardOpen (-distance >= footerOpenThreshold);
            else
                setKeyboardOpen (keyboard->getY() <= handleCloseThreshold);
            break;

        default:
            break;
    }
}

// ----------------------------------------------------------------- notifications

void MainComp::handleAsyncUpdate()
{
    const auto batch = controller.takeNotifications();
    for (const auto code : batch.stateCodes)
        stateCode (code);
    for (const auto entry : batch.parameterChanges)
    {
        const auto change = paramchange::decode (entry);
        if (change.valid)
            parameterChanged (change.value, change.row);
    }
}

juce::String MainComp::onLineText() const
{
    const auto name = controller.connectionText();
    auto text = name + ": ON-LINE";
    if (controller.flags.unsupportedDevice)
        text << " THIS VERSION WILL NOT WORK CORRECTLY WITH " << name;
    return text;
}

void MainComp::stateCode (std::uint32_t code)
{
    switch (statecode::kind (code))
    {
        case statecode::onLineKind:
            foot->setStatusText (onLineText());
            if (isMidiSetupShown())
            {
                setupPanel->setStatusText (onLineText());
                if (controller.flags.scanMode)
                {
                    refreshMidiSetup();
                    setupPanel->toFront (false);
                }
            }
            break;
        case statecode::offLineKind:
            foot->setStatusText ("OFF-LINE");
            if (isMidiSetupShown())
                setupPanel->setStatusText ("OFF-LINE");
            break;
        case statecode::refreshKind:
            for (auto& s : pages)
                if (s.shown && s.component != nullptr)
                    s.component->repaint();
            break;
        default: break;
    }
}

void MainComp::parameterChanged (int value, int row)
{
    juce::ignoreUnused (value);
    const auto& info = controller.liveTable().info (row);
    if (info.group == LiveTable::groupChannel || info.group == LiveTable::groupController)
        return;
    if (row == LiveTable::rowPlayingMode)
    {
        pendingParameter = LiveTable::rowPlayingMode;
        startTimer (playingModeCheckMs);
    }
}

void MainComp::timerCallback()
{
    stopTimer();
    if (pendingParameter != LiveTable::rowPlayingMode)
        return;
    pendingParameter = 0;
    const int mode = controller.getLiveValue (LiveTable::rowPlayingMode);
    if (mode != lastAppliedMode)
    {
        lastAppliedMode = mode;
        bar->showPlayingMode (mode);
        for (auto& s : pages)
            if (s.shown && s.component != nullptr)
                s.component->repaint();
    }
}

void MainComp::changeListenerCallback (juce::ChangeBroadcaster* source)
{
    // Senders are told apart by identity; a broadcast from a sender this
    // component does not know is ignored.
    if (controller.flags.scanMode && scanner != nullptr && source == scanner.get())
        setScanMode (false);
}

} // namespace zr9
