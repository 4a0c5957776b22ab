#pragma once

#include "SetupEditSession.h"
#include "SetupPages.h"

#include "model/ModelObjectNames.h"
#include "model/ObjectChangeNotifier.h"
#include "ui/SkinButton.h"

#include <array>
#include <memory>

namespace zr9
{

/**
    The setup editor: the setup (multi) in the instrument's edit buffer.
    Opening it loads the chosen setup from the library and asks the
    instrument for setup parts 0 and 1 and global part 0, and, once the
    header has told how many zones there are, for setup part 2 of each zone;
    the parts fill the multi as they arrive. Off line, or when the
    instrument does not answer, the library's setup stays. A header with the
    name, whether the setup differs from what the instrument sent, undo and
    redo and WRITE; the pages COMMON and ZONES. Message thread.
*/
class SetupEditor : public juce::Component,
                    private ObjectChangeListener
{
public:
    static constexpr int answerTimeoutMs = 2000;
    static constexpr int pausePollMs = 100;
    static constexpr int writeModeStore = 20;

    enum class Page { common, zones };

    explicit SetupEditor (MidiCntrState& controller);
    ~SetupEditor() override;

    /** Shows the setup in the edit buffer: the one chosen on the instrument (row 2304), asked for again unless it has edits. */
    void open();
    void reload();

    /** The number of the setup the multi was loaded from. */
    int setupNumber() const noexcept { return openedSetup; }
    bool isWaitingForInstrument() const noexcept { return waiting; }
    bool isEdited() { return session.isEdited(); }
    SetupEditSession& editSession() noexcept { return session; }

    void showPage (Page page);
    Page shownPage() const noexcept { return page; }
    SetupCommonPage& commonPage() noexcept { return *common; }
    SetupZonesPage& zonesPage() noexcept { return *zones; }

    juce::String statusText() const { return status.getText(); }
    /** The name: a click opens its text box, which takes only what the instrument keeps. */
    juce::Label& nameField() noexcept { return nameBox; }
    SkinButton& undoButton() noexcept { return undoButtonPart; }
    SkinButton& redoButton() noexcept { return redoButtonPart; }
    SkinButton& writeButton() noexcept { return writeButtonPart; }

    /** WRITE was pressed: the owner opens the write dialog (setups always use mode 20). */
    std::function<void (int mode)> onWrite;
    std::function<void()> onClose;

    void written (int number, const juce::String& name);
    void refreshAll();

    void resized() override;
    void paint (juce::Graphics& g) override;
    bool keyPressed (const juce::KeyPress& key) override;

private:
    void objectChanged (ObjectChangeNotifier& source, int changeCode) override;
    void answerTimedOut();
    void askWhenListening();
    void arrived();
    void setStatus (const juce::String& text);
    void refreshHeader();
    void refreshPage();

    MidiCntrState& controller;
    ModelObjectNames names;
    SetupEditSession session;
    std::unique_ptr<ClockTimer> answerTimer, pauseTimer;
    bool waiting = false;
    bool zonesAsked = false;
    bool commonArrived = false;
    bool opened = false;
    int zonesWaited = 0;
    std::array<bool, ObjMultiClass::zoneCount> zoneArrived {};
    int openedSetup = 0;
    Page page = Page::common;

    juce::Label title, status, edited;
    juce::Label nameBox;
    SkinButton undoButtonPart { "UNDO", 0 }, redoButtonPart { "REDO", 0 }, reloadButton { "RELOAD", 0 },
               writeButtonPart { "WRITE", 0 }, closeButton { "CLOSE", 0 };
    std::array<std::unique_ptr<SkinButton>, 2> tabs;
    std::unique_ptr<SetupCommonPage> common;
    std::unique_ptr<SetupZonesPage> zones;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (SetupEditor)
};

} // namespace zr9
