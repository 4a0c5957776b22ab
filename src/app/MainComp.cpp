#include "MainComp.h"
#include "AppSettings.h"

#include "library/RevuDIAudioProcessor.h"
#include "ui/JuceFileMan.h"
#include "ui/SkinImages.h"
#include "ui/SkinPalette.h"

namespace zr9
{

namespace
{
    constexpr int footerHeight = 20;
    constexpr int keyboardPanelBottomMargin = 62;
    constexpr int barWidth = 1028;
    constexpr int logoWidth = 225;
    constexpr int logoHeight = 24;
    constexpr int logoFromRight = 261;
    constexpr int logoY = 23;
    constexpr int builtWidth = 1024, builtHeight = 798;
    constexpr int greetingWidth = 1024, greetingHeight = 768;

    // The buttons end left of the logo, with a button gap between them.
    static_assert (MainComp::minimumWidth >= MainComp::sideWidth + AppBar::buttonsWidth + AppBar::buttonGap + logoFromRight);
} // namespace

MainComp::MainComp (RevuDIAudioProcessor& p)
    : juce::AudioProcessorEditor (p), processor (p), controller (p.controller()),
      playingModeCheck (controller.clock().makeTimer ([this] { checkPlayingMode(); })),
      statusRestore (controller.clock().makeTimer ([this] { restoreStatusLine(); }))
{
    // Tab moves through this component's areas only (see MainCompFocus.cpp).
    setFocusContainerType (FocusContainerType::keyboardFocusContainer);
    // The object files' dialogs open where the last one chose from, kept in the settings between runs.
    JuceFileMan::FolderMemory folders {
        [this]
        {
            const auto path = controller.settings().text (Setting::objectFileFolder);
            return juce::File::isAbsolutePath (path) ? juce::File (path) : juce::File();
        },
        [this] (const juce::File& folder)
        {
            // The settings file marks its entries with "^|" and "|^": a path holding either is not kept.
            const auto path = folder.getFullPathName();
            if (! path.contains ("^|") && ! path.contains ("|^"))
                controller.settings().set (Setting::objectFileFolder, path);
        }
    };
    setFileMan (std::make_unique<JuceFileMan> (processor.library().base(), std::move (folders)));
    processor.addChangeListener (this);
    logo = skin::logo();
    footerStrip = skin::footerStrip();

    buildChildren();
    openFirstPage();
    controller.notifications().addListener (this);
    controller.scan().addListener (this);
    processor.libraryFiles().notices().addListener (this);
    lastAppliedMode = controller.getLiveValue (LiveTable::rowPlayingMode);
    bar->showPlayingMode (controller.playingMode());
    bar->button (AppBar::buttonKeys)->setSelected (controller.editorMemory().isKeyboardOpen());
    foot->setStatusText (controller.connection().isConnected() ? onLineText() : juce::String ("OFF-LINE"));

    // The controller looks for the instrument by itself; a window that opens meanwhile shows how far it got.
    if (controller.scan().isActive())
        showScanPanel();
}

MainComp::~MainComp()
{
    childrenBuilt = false; // the keys' order no longer holds while the children go
    closeMidiMonitor();
    closeLibraryManager();
    processor.libraryFiles().notices().removeListener (this);
    closeUpdateHostPanel();
    processor.removeChangeListener (this);
    statusRestore->stop();
    arrange.reset();
    writer.reset();
    controller.notifications().removeListener (this);
    controller.scan().removeListener (this);
    cancelPendingUpdate();
    playingModeCheck->stop();
    closeScanPanel();
    setMidiSetupShown (false);
    setTransferPanelShown (0);
    for (auto& slot : pages)
        slot.component.reset();
    player.reset();
    keyboard.reset();
    version.reset();
    bar.reset();
    foot.reset();
    leftSide.reset();
    rightSide.reset();
}

void MainComp::buildChildren()
{
    leftSide = std::make_unique<WoodSide> (WoodSide::left);
    rightSide = std::make_unique<WoodSide> (WoodSide::right);
    addChildComponent (*leftSide);
    addChildComponent (*rightSide);

    // The mixer page lies below the keyboard panel, which is pulled up over the pages.
    setPage (slotMixer, std::make_unique<ChMixerComp> (controller), PageLayout::full);
    mixerPage()->addChangeListener (this);

    keyboard = std::make_unique<KeyboardPanel> (*this, controller);
    addChildComponent (*keyboard);
    keyboard->setVisible (controller.editorMemory().isKeyboardOpen());
    keyboard->keyboard().pitchWheel().addChangeListener (this);
    keyboard->keyboard().modulationWheel().addChangeListener (this);
    keyboard->keyboard().onChannelChosen = [this] (int) { channelChanged(); };

    bar = std::make_unique<AppBar> (*this);
    bar->setBounds (sideWidth, 0, barWidth, barHeight);
    addAndMakeVisible (*bar);

    foot = std::make_unique<AppFoot> (*this);
    addAndMakeVisible (*foot);

    player = std::make_unique<KeyPlayClass> (controller);
    addAndMakeVisible (*player);

    setSize (RevuDIAudioProcessor::defaultEditorWidth, RevuDIAudioProcessor::defaultEditorHeight);

    // The version panel greets the user once per program start, not each time an editor opens.
    if (! controller.editorMemory().hasGreeted())
    {
        version = std::make_unique<VersionPanel> (controller.clock(), versionDisplayMs);
        version->onHidden = [this] { resized(); };
        version->setBounds (0, 0, greetingWidth, greetingHeight);
        addAndMakeVisible (*version);
        version->toFront (false);
    }
    controller.editorMemory().markGreeted();

    childrenBuilt = true;
    installEditorShortcuts();
    resized();
    setSize (builtWidth, builtHeight);
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
    bar->showShownPage (slot == slotMixer ? AppBar::buttonMixer : slot == slotControls ? AppBar::buttonControls : 0);

    const int code = slot == slotMixer ? pagecommand::mixer : slot == slotControls ? pagecommand::controls : pagecommand::selector;
    if (code != pageCode)
    {
        pageCodeBefore = pageCode;
        pageCode = code;
    }
    rememberShownPage (slot);
    layoutPages();
}

void MainComp::rememberShownPage (int slot)
{
    // An editor is remembered as the selector it is opened from; the selectors an editor opens for its
    // fields leave the page below them remembered.
    int remembered = 0;
    switch (slot)
    {
        case slotMixer: remembered = pagecommand::mixer; break;
        case slotControls: remembered = pagecommand::controls; break;
        case slotProgramSelector: case slotProgramEditor: remembered = selectortype::program; break;
        case slotSetupSelector: case slotSetupEditor: remembered = selectortype::setup; break;
        default: return;
    }
    controller.settings().set (appsetting::firstPage, remembered);
}

void MainComp::openFirstPage()
{
    switch (controller.settings().number (appsetting::firstPage))
    {
        case pagecommand::controls: showControls(); break;
        case selectortype::program:
            pageCommand (pagecommand::selector, 1, selectortype::program, controller.currentProgram (controller.midiChannel() - 1));
            break;
        case selectortype::setup:
            pageCommand (pagecommand::selector, 1, selectortype::setup, std::max (1, controller.getLiveValue (LiveTable::rowMulti)));
            break;
        default: showMixer(); break;
    }
}

void MainComp::showMixer()
{
    auto* mixer = mixerPage();
    if (mixer == nullptr)
        return;
    // Only a shown page follows the notifications: it catches up with the live table as it appears.
    mixer->refreshAll();
    showOnlyPage (slotMixer);
}

void MainComp::pageCommand (int command, int mode, int objectType, int value1, int value2)
{
    juce::ignoreUnused (value1, value2);
    switch (command)
    {
        case pagecommand::versionPanel: setVersionPanelShown (mode != 0); return;
        case pagecommand::midiSetup: setMidiSetupShown (mode != 0); return;
        case pagecommand::keyboardPanel: setKeyboardOpen (mode != 0); return;
        case pagecommand::controls: showControls(); return;
        case pagecommand::mixer: showMixer(); return;
        case pagecommand::libraryManager: mode != 0 ? openLibraryManager() : closeLibraryManager(); return;
        default: break;
    }

    // Any other command opens the selector of an object type, in place of the open selector or editor.
    openSelector (objectType, value1);
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
        {
            // A selector stays above the open keyboard panel, so a sound can be chosen and played at once.
            const int keyboardTop = keyboardOpenTop();
            if (controller.editorMemory().isKeyboardOpen() && keyboardTop - barHeight >= minimumSelectorHeight)
                area.setBottom (std::min (area.getBottom(), keyboardTop));
        }
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
    g.setColour (skin::colours::black);
    g.fillRect (0, 0, w, barHeight);
    if (! controller.editorMemory().isKeyboardOpen())
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
    layoutKeyboardAndPlayer();
    controller.settings().set (Setting::width, w);
    controller.settings().set (Setting::height, h);
    layoutLibraryPanels();
    layoutMonitorPanel();
    if (isMidiSetupShown())
        setupPanel->setBounds (0, barHeight, w, h - barHeight - footerStripFromBottom);
    if (transferSelection != nullptr)
        transferSelection->setBounds (0, barHeight, w, h - barHeight - footerStripFromBottom);
    if (writer != nullptr)
        writer->setBounds (0, 0, w, WriteSnd::dialogHeight);

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
    if (transferSelection != nullptr)
        return; // the receive/transmit panel is left only through its own buttons
    if (isMidiSetupShown())
    {
        pageCommand (pagecommand::midiSetup, 0);
        return;
    }
    switch (number)
    {
        case AppBar::buttonProgram: setPlayingMode (1); break;
        case AppBar::buttonMulti: setPlayingMode (2); break;
        case AppBar::buttonMidi: pageCommand (pagecommand::midiSetup, 1); break;
        case AppBar::buttonKeys: pageCommand (pagecommand::keyboardPanel, controller.editorMemory().isKeyboardOpen() ? 0 : 1); break;
        case AppBar::buttonMixer: pageCommand (pagecommand::mixer, 1); break;
        case AppBar::buttonControls: pageCommand (pagecommand::controls, 1); break;
        case AppBar::buttonArrange: arrange->show (*bar->button (AppBar::buttonArrange)); break;
        case AppBar::buttonAbout: pageCommand (pagecommand::versionPanel, isVersionPanelShown() ? 0 : 1); break;
        default: break;
    }
}

void MainComp::setPlayingMode (int mode)
{
    {
        const ScopedLiveGesture gesture (controller.gestures(), LiveTable::rowPlayingMode);
        controller.switchPlayingMode (mode);
    }
    lastAppliedMode = mode;
    bar->showPlayingMode (mode);
    if (mode == 1)
        pageCommand (pagecommand::selector, mode, selectortype::program, controller.currentProgram (controller.midiChannel() - 1));
    else
        pageCommand (pagecommand::selector, mode, selectortype::setup, std::max (1, controller.getLiveValue (LiveTable::rowMulti)));
}

void MainComp::setVersionPanelShown (bool shown)
{
    if (shown)
    {
        if (version == nullptr)
        {
            version = std::make_unique<VersionPanel> (controller.clock(), 0);
            version->onHidden = [this] { resized(); };
            addChildComponent (*version);
        }
        version->setBounds (getLocalBounds());
        if (scaleChoice.chosen != nullptr)
            version->offerScaleChoice (scaleChoice.current, scaleChoice.desktopScale, [this] (int choice) {
                scaleChoice.current = choice;
                scaleChoice.chosen (choice);
            });
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

void MainComp::offerScaleChoice (ScaleChoice choice)
{
    scaleChoice = std::move (choice);
}

// ----------------------------------------------------------------- notifications

void MainComp::handleAsyncUpdate()
{
    const auto batch = controller.notifications().take();
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
    const auto name = controller.connection().connectionText();
    auto text = name + ": ON-LINE";
    if (controller.connection().isUnsupportedDevice())
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
                if (controller.connection().isScanMode())
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
        case statecode::pitchWheel:
        case statecode::controller:
            showIncomingWheel (code);
            tellControlsOfWheel (code);
            break;
        case statecode::noteOn:
            if (isPageShown (slotMixer))
                mixerPage()->showVelocity (statecode::channel (code), statecode::data2 (code));
            break;
        case statecode::refreshKind:
            if (isPageShown (slotMixer))
                mixerPage()->refreshAll();
            refreshShownPages();
            for (auto& s : pages)
                if (s.shown && s.component != nullptr)
                    s.component->repaint();
            break;
        default: break;
    }
}

void MainComp::parameterChanged (int value, int row)
{
    const auto& info = controller.live().table().info (row);
    tellPagesOfRow (info.group, row, value);
    if (info.group == LiveTable::groupChannel)
    {
        if (isPageShown (slotMixer))
            mixerPage()->refreshRow (row, value);
        return;
    }
    if (info.group == LiveTable::groupController)
        return;
    if (row == LiveTable::rowPlayingMode)
    {
        pendingParameter = LiveTable::rowPlayingMode;
        playingModeCheck->start (playingModeCheckMs);
    }
}

void MainComp::checkPlayingMode()
{
    playingModeCheck->stop();
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

// ------------------------------------------------------------------ arrangements

void MainComp::setFileMan (std::unique_ptr<FileMan> files)
{
    arrange.reset();
    fileMan = std::move (files);
    arrange = std::make_unique<ArrangeMenu> (processor, *fileMan, [this] (const juce::String& text) { showStatusMessage (text); });
    addLibraryMenuItems();
    for (int slot = 0; slot < pageSlotCount; ++slot)
        if (auto* selector = selectorPage (slot))
            selector->setFileAccess (selectorFileAccess());
}

SelectorFiles::Access MainComp::selectorFileAccess()
{
    return { fileMan.get(), [this] (int type) { processor.saveLibraryBank (type); },
             [this] (const juce::String& text) { showStatusMessage (text); } };
}

void MainComp::showStatusMessage (const juce::String& text)
{
    foot->setStatusText (text);
    statusRestore->start (statusMessageMs);
}

void MainComp::restoreStatusLine()
{
    statusRestore->stop();
    foot->setStatusText (controller.connection().isConnected() ? onLineText() : juce::String ("OFF-LINE"));
}

void MainComp::drainHostNotes()
{
    for (const auto note : controller.plugBank().takeNotes())
    {
        if (note != PlugBank::hostSlotChosen || ! processor.isUpdateHostMode())
            continue;
        const int slot = processor.getCurrentProgram();
        if (hostPanel != nullptr)
            hostPanel->showSlot (slot, processor.getProgramName (slot));
        if (onHostSlotChosen != nullptr)
            onHostSlotChosen (slot, processor.getProgramName (slot));
    }
}

void MainComp::changeListenerCallback (juce::ChangeBroadcaster* source)
{
    // Senders are told apart by identity; a broadcast from a sender this component does not know is ignored.
    if (source == &processor)
    {
        drainHostNotes();
        return;
    }
    if (wheelMoved (source) || libraryManagerBroadcast (source))
        return;
    if (auto* mixer = mixerPage(); mixer != nullptr && source == mixer)
        routeMixerEvents (mixer->takeEvents());
}

void MainComp::routeMixerEvents (const std::vector<std::uint64_t>& events)
{
    // Steps of the wheel over one chooser queue one event each; one command per chooser is enough.
    std::uint64_t previous = 0;
    for (const auto entry : events)
    {
        const auto choice = mixerevent::decode (entry);
        if (! choice.valid || entry == previous)
            continue;
        previous = entry;
        pageCommand (pagecommand::selector, 1, choice.slot, choice.strip);
    }
}

} // namespace zr9
