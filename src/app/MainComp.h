#pragma once

#include "controller/MidiCntrState.h"
#include "ui/KeyPlayClass.h"
#include "pages/mixer/ChMixerComp.h"
#include "library/FileMan.h"
#include "library/LibraryNotices.h"
#include "pages/arrangements/ArrangeMenu.h"
#include "pages/controls/ControlsComp.h"
#include "pages/players/KeyboardPanel.h"
#include "pages/arrangements/Lib_Manager_Comp.h"
#include "pages/midisetup/MidiScanPanel.h"
#include "pages/midisetup/MidiSetupPanel.h"
#include "pages/selectors/ObjectSelector.h"
#include "ui/PageCommands.h"
#include "pages/editors/ProgramEditor.h"
#include "pages/midisetup/RecTrn.h"
#include "pages/monitor/MidiMonitorWindow.h"
#include "pages/arrangements/UpdHostCont.h"
#include "pages/editors/SetupEditor.h"
#include "app/VersionPanel.h"
#include "pages/editors/WriteSnd.h"
#include "ui/AppBar.h"
#include "ui/AppFoot.h"
#include "ui/SlideCommands.h"
#include "ui/WoodSide.h"
#include "ui/UncoveredRepaint.h"

#include <juce_audio_processors/juce_audio_processors.h>

#include <array>

namespace zr9
{

class RevuDIAudioProcessor;

/**
    The main component: the processor's editor and the content of the main
    window. It holds the application bar, the footer with the status line,
    the side panels, the keyboard panel and the page slots, and turns the
    controller's notifications into display updates on the message thread.
*/
class MainComp : public juce::AudioProcessorEditor,
                 public juce::ChangeListener,
                 public gskbutListener,
                 public juce::ChangeBroadcaster,
                 public stateListener,
                 public SlideListener,
                 public MIDI_SetupListener,
                 private PortScan::Listener,
                 private LibraryNotices::Listener,
                 private juce::AsyncUpdater
{
public:
    static constexpr int pageSlotCount = 22;
    static constexpr int barHeight = 64;
    static constexpr int footerFromBottom = 24; // the footer's top, from the window's bottom
    static constexpr int footerStripFromBottom = 25; // the footer strip's top, which a full-window panel leaves free
    static constexpr int sideWidth = 16;
    static constexpr int selectorWidth = 126;
    /** The open keyboard panel's top lies this far above the bottom: y 315 at the built height of 798. */
    static constexpr int keyboardPanelFromBottom = 483;
    static constexpr int versionDisplayMs = 1000;
    static constexpr int playingModeCheckMs = 25;
    static constexpr int footerOpenThreshold = 170; // the footer must be pulled up this far to open the panel
    static constexpr int handleCloseDistance = 134; // the panel closes when let go further than this below its open place
    static constexpr int keyPlayerWidth = 380;
    /** The smallest size at which the application bar's buttons and the logo stay apart and inside. */
    static constexpr int minimumWidth = 1008;
    static constexpr int minimumHeight = 600;
    /** How long a message of the arrangement menu stays in the status line. */
    static constexpr int statusMessageMs = 4000;

    /** The page slots; a slot stays empty until its page exists. */
    enum PageSlotId
    {
        slotMixer = 0, slotProgramSelector, slotSetupSelector, slotFxChainSelector, slotArpSelector,
        slotPatternSelector, // the shift patterns
        slotSongSelector, slotProgramEditor, slotSetupEditor, slotControls, slotLibrary,
        slotKeyMapSelector, slotIntonationSelector, slotVelocitySelector, slotAlgorithmSelector
    };

    /**
        How a page is laid out: the whole page area; a selector (its 126-pixel
        column and its list beside it, kept above the keyboard panel while the
        panel is open); or above the keyboard panel.
    */
    enum class PageLayout { full, selector, aboveKeyboard };
    /** A selector is kept above the open keyboard panel only when it keeps at least this height there. */
    static constexpr int minimumSelectorHeight = 200;

    explicit MainComp (RevuDIAudioProcessor& processor);
    ~MainComp() override;

    /** Puts a page into a slot; the slot owns it. */
    void setPage (int slot, std::unique_ptr<juce::Component> page, PageLayout layout);
    juce::Component* page (int slot) const;
    bool isPageShown (int slot) const;

    /** Every page change goes through here: command, on/off or mode, object type, two values. */
    void pageCommand (int command, int mode, int objectType = 0, int value1 = 0, int value2 = 0);

    /** The channel mixer page, made once with the other children. */
    ChMixerComp* mixerPage() const { return dynamic_cast<ChMixerComp*> (page (slotMixer)); }
    /** The controls page, made when first shown. */
    ControlsComp* controlsPage() const { return dynamic_cast<ControlsComp*> (page (slotControls)); }
    /** The selector in a slot, once it was opened; nullptr before. */
    ObjectSelector* selectorPage (int slot) const { return dynamic_cast<ObjectSelector*> (page (slot)); }
    /** The slot of the selector a page command's object type opens; -1 for a type without one. */
    static int selectorSlot (int objectType) noexcept;
    /** The selector that is shown now, or nullptr. */
    ObjectSelector* shownSelector() const;
    /** The code of the page shown now (113 mixer, 111 controls, 0 a selector or none) and of the one shown before it. */
    int currentPageCode() const noexcept { return pageCode; }
    int previousPageCode() const noexcept { return pageCodeBefore; }

    AppBar& appBar() noexcept { return *bar; }
    AppFoot& footer() noexcept { return *foot; }
    KeyboardPanel& keyboardPanel() noexcept { return *keyboard; }
    KeyPlayClass& keyPlayer() noexcept { return *player; }
    /** Where the keyboard panel's top lies while it is open: anchored to the bottom of the window. */
    int keyboardOpenTop() const noexcept { return getHeight() - keyboardPanelFromBottom; }
    VersionPanel* versionPanel() noexcept { return version.get(); }
    bool isVersionPanelShown() const noexcept { return version != nullptr && version->isVisible(); }
    WoodSide& side (int kind) noexcept { return kind == WoodSide::left ? *leftSide : *rightSide; }
    int appliedPlayingMode() const noexcept { return lastAppliedMode; }

    /**
        The window's scale choice the ABOUT panel offers: the stand-alone
        program's window sets it; an editor in a plug-in host follows the
        host's scale and offers none.
    */
    struct ScaleChoice
    {
        int current = 0;
        double desktopScale = 1.0;
        std::function<void (int choice)> chosen;
    };
    void offerScaleChoice (ScaleChoice choice);

    // juce::Component
    void paint (juce::Graphics& g) override;
    void resized() override;
    /** Escape, Ctrl+1 to Ctrl+8, and keys for the shown page (see MainCompFocus.cpp). */
    bool keyPressed (const juce::KeyPress& key) override;
    /** Tab and Shift+Tab move through the top panel, or else the bar, the shown page, the keyboard panel and the player. */
    std::unique_ptr<juce::ComponentTraverser> createKeyboardFocusTraverser() override;
    /** The areas Tab moves through, in order (see above). */
    std::vector<juce::Component*> focusAreas() const;
    /** Closes the panel or dialog on top (what Escape does); false when none is open. */
    bool closeTopPanel();
    /** Tab (forwards) or Shift+Tab: the next or previous control, or the first or last when the focus lies elsewhere. */
    void moveFocus (bool forwards);

    // gskbutListener: the application bar's buttons
    void gskButtonPressed (int number) override;

    // SlideListener: the footer and the keyboard panel's handle
    void slideCommand (juce::Component& source, int command, int distance) override;

    // stateListener
    void changesWaiting() override { triggerAsyncUpdate(); }
    void stateCode (std::uint32_t code) override;
    void parameterChanged (int value, int row) override;

    // MIDI_SetupListener: the MIDI setup panel's commands
    void midiSetupCommand (int code, int value) override;

    /** Starts the controller's port scan again (on) or ends it (off); the scan panel shows it while it lasts. */
    void setScanMode (bool on);
    MIDI_scan* scanPanel() noexcept { return scanner.get(); }
    MIDI_Setup* midiSetupPanel() noexcept { return setupPanel.get(); }
    bool isMidiSetupShown() const noexcept { return setupPanel != nullptr && setupPanel->isVisible(); }

    // ------------------------------------------------------------ MIDI monitor
    /**
        Opens the MIDI monitor, or brings it to the front: from the MIDI setup
        panel's "MIDI MONITOR" and a double-click on "MIDI". It opens in a
        window of its own (the stand-alone program) or as a panel over the
        lower part of the pages (the editor in a plug-in host).
    */
    void openMidiMonitor();
    void closeMidiMonitor();
    MidiMonitor* midiMonitor() const noexcept;
    MidiMonitorWindow* midiMonitorWindow() const noexcept { return monitorWindow.get(); }
    void setMidiMonitorInOwnWindow (bool ownWindow) noexcept { monitorInOwnWindow = ownWindow; }
    /** The panel's height over the pages, when it is not in a window. */
    static constexpr int monitorPanelHeight = 330;

    /** Opens the receive/transmit panel with direction 2012 or 2013; 0 closes it. */
    void setTransferPanelShown (int direction);
    RecTrn* transferPanel() noexcept { return transferSelection.get(); }

    // juce::ChangeListener: broadcasts of the pages
    void changeListenerCallback (juce::ChangeBroadcaster* source) override;

    // ------------------------------------------------------------------ arrangements
    ArrangeMenu& arrangeMenu() noexcept { return *arrange; }
    /** The file dialogs the arrangement menu asks; the framework's unless replaced (tests answer their own). */
    void setFileMan (std::unique_ptr<FileMan> files);
    /** Shows a message in the status line for a while, then the connection again. */
    void showStatusMessage (const juce::String& text);

    /**
        Told, while the processor is in update-host mode, of each slot the
        host chooses (slot from 0 and its name); the update-host panel shows it.
    */
    std::function<void (int slot, const juce::String& name)> onHostSlotChosen;
    /** Takes the processor's notes for the editor; runs on its change messages. */
    void drainHostNotes();

    // -------------------------------------------- library manager and update-host panel
    /** The menu items of the "ARRANGE" menu that open them. */
    static constexpr int itemLibraryManager = 128;
    static constexpr int itemUpdateHost = 729;

    /**
        Opens the library manager, or brings it to the front when it is open.
        The one way in for the arrangement menu and the selectors' "LIBRARY".
    */
    void openLibraryManager();
    /** Closes it; its page writes the library back. */
    void closeLibraryManager();
    Lib_Manager_Comp* libraryManager() const noexcept;
    /** The manager's own window, when it has one. */
    Lib_Manager_Win* libraryManagerWindow() const noexcept { return libraryWindow.get(); }
    /**
        Whether the library manager opens in a window of its own (the
        stand-alone program) or as a panel over this component (the editor
        in a plug-in host, where a floating window of a plug-in can slip
        behind the host's windows and outlive what the host shows).
    */
    void setLibraryManagerInOwnWindow (bool ownWindow) noexcept { libraryInOwnWindow = ownWindow; }

    /** Opens the update-host panel on the current program, in update-host mode; brings it to the front when open. */
    void openUpdateHostPanel();
    UpdHostCont* updateHostPanel() const noexcept { return hostPanel.get(); }

    /** Hands waiting notifications over now; for callers already on the message thread. */
    void deliverNotifications() { handleUpdateNowIfNeeded(); }

    // ---------------------------------------------------------------- editors
    /**
        Opens the program editor on MIDI channel 0 to 15, in place of the open
        selector or editor: what "EDIT" on the program selector does. Without
        the selector, a double-click on a channel's program in the mixer's
        header, or on "PROGRAM" (the keyboard's channel), opens it too.
    */
    void openProgramEditor (int channel);
    /** Opens the setup editor (also a double-click on "MULTI"). */
    void openSetupEditor();
    ProgramEditor* programEditor() const { return dynamic_cast<ProgramEditor*> (page (slotProgramEditor)); }
    SetupEditor* setupEditor() const { return dynamic_cast<SetupEditor*> (page (slotSetupEditor)); }
    /** Opens the write dialog over the window for the program (kind 11) or setup (kind 114) editor, in mode 20 or 21. */
    void openWriteDialog (int kind, int mode);
    WriteSnd* writeDialog() noexcept { return writer.get(); }
    /** Removes the write dialog (its code 13, or after it wrote). */
    void closeWriteDialog();

private:
    struct PageSlot
    {
        std::unique_ptr<juce::Component> component;
        PageLayout layout = PageLayout::full;
        bool shown = false;
    };

    void buildChildren();
    /** Opens the page that was shown when the program last ended (setting 31); the mixer the first time. */
    void openFirstPage();
    /** Keeps the page just shown as the one to open at the next start. */
    void rememberShownPage (int slot);
    /** What the library's files did (another instance's version kept, a file kept aside) goes to the status line. */
    void libraryNotice (const juce::String& text) override { showStatusMessage (text); }
    void layoutPages();
    void showOnlyPage (int slot);
    void showMixer();
    void showControls();
    void openSelector (int objectType, int value1);
    ObjectSelector& makeSelector (int slot);
    void closeSelector();
    void channelChanged();
    void tellPagesOfRow (int group, int row, int value);
    void tellControlsOfWheel (std::uint32_t code);
    void refreshShownPages();
    void routeMixerEvents (const std::vector<std::uint64_t>& events);
    void setPlayingMode (int mode);
    void setKeyboardOpen (bool open);
    void layoutKeyboardAndPlayer();
    bool wheelMoved (juce::ChangeBroadcaster* source);
    void showIncomingWheel (std::uint32_t code);
    void setVersionPanelShown (bool shown);
    void setMidiSetupShown (bool shown);
    void refreshMidiSetup();
    void checkIdentityAndSave();
    juce::String onLineText() const;
    void handleAsyncUpdate() override;
    void checkPlayingMode();
    void showScanPanel();
    void closeScanPanel();
    void scanChanged() override;
    void restoreStatusLine();
    void addLibraryMenuItems();
    bool libraryManagerBroadcast (juce::ChangeBroadcaster* source);
    void layoutLibraryPanels();
    void closeUpdateHostPanel();
    void installEditorShortcuts();
    /** How the selectors reach files: the file dialogs, the bank files and the status line. */
    SelectorFiles::Access selectorFileAccess();
    void writeDialogFinished (int code);
    void layoutMonitorPanel();
    juce::Component* topPanel() const;
    /** Listens to the keys of the windows of their own: Escape closes them. */
    juce::KeyListener& windowKeys();
    bool closeTopPanelOnly();

    RevuDIAudioProcessor& processor;
    MidiCntrState& controller;

    int pageCode = 0, pageCodeBefore = 0;
    int pendingParameter = 0; // 0, or the playing-mode row while its short check waits
    int lastAppliedMode = 0;
    int slideStartY = 0;
    bool childrenBuilt = false;
    UncoveredRepaint uncoveredRepaint; // uncovered areas repaint at once when a menu or dialog closes

    juce::Image logo, footerStrip;

    std::array<PageSlot, pageSlotCount> pages;
    std::unique_ptr<WoodSide> leftSide, rightSide;
    std::unique_ptr<KeyboardPanel> keyboard;
    std::unique_ptr<AppBar> bar;
    std::unique_ptr<AppFoot> foot;
    std::unique_ptr<KeyPlayClass> player;
    std::unique_ptr<VersionPanel> version;
    std::unique_ptr<MIDI_Setup> setupPanel;
    std::unique_ptr<MIDI_scan> scanner;
    std::unique_ptr<RecTrn> transferSelection;
    std::unique_ptr<ClockTimer> playingModeCheck;
    std::shared_ptr<FileMan> fileMan; // shared with the library manager's page
    std::unique_ptr<ArrangeMenu> arrange;
    bool libraryInOwnWindow = false;
    std::unique_ptr<Lib_Manager_Comp> libraryPanel;
    std::unique_ptr<Lib_Manager_Win> libraryWindow;
    std::unique_ptr<UpdHostCont> hostPanel;
    std::unique_ptr<ClockTimer> statusRestore;
    std::unique_ptr<WriteSnd> writer;
    std::unique_ptr<juce::MouseListener> editorShortcuts;
    bool monitorInOwnWindow = false;
    std::unique_ptr<MidiMonitor> monitorPanel;
    std::unique_ptr<MidiMonitorWindow> monitorWindow;
    ScaleChoice scaleChoice;
    std::unique_ptr<juce::KeyListener> windowKeyListener;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (MainComp)
};

} // namespace zr9
