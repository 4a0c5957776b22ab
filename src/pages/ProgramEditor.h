#pragma once

#include "ProgramCommonPage.h"
#include "ProgramControlsPage.h"
#include "ProgramEditSession.h"
#include "ProgramFxPage.h"
#include "ProgramLayersPage.h"

#include "model/ModelObjectNames.h"
#include "model/ObjectChangeNotifier.h"
#include "ui/SkinButton.h"

#include <array>
#include <memory>

namespace zr9
{

/**
    The program editor: the program of one MIDI channel, as the instrument's
    edit buffer holds it. Opening it asks the instrument for the channel's
    program (program part 0 of the slot); the parts that arrive fill the
    channel's program edit object and the pages follow them. Off line, or
    when the instrument does not answer, it opens the program's record from
    the library's program bank, so a library can be browsed and edited
    without the instrument.

    A header with the name, category and sub-type, whether the program
    differs from what the instrument sent, undo and redo, and WRITE; below it
    the pages COMMON, FX, LAYERS and CONTROLS. Message thread.
*/
class ProgramEditor : public juce::Component,
                      private ObjectChangeListener
{
public:
    /** How long the editor waits for the instrument's program before it shows the library's. */
    static constexpr int answerTimeoutMs = 2000;
    /** While the input is paused (the instrument changes its playing mode) the request waits, looking again this often. */
    static constexpr int pausePollMs = 100;
    /** The write dialog's modes: store-with-name, and the write sequence that carries the edits. */
    static constexpr int writeModeStore = 20;
    static constexpr int writeModeSequence = 21;

    enum class Page { common, fx, layers, controls };

    explicit ProgramEditor (MidiCntrState& controller);
    ~ProgramEditor() override;

    /**
        Shows the program of channel 0 to 15. A program with edits not yet
        written stays as it is when its editor opens again on the same channel;
        otherwise the program is asked for again.
    */
    void open (int channel);
    /** Asks for the program again (or reads it from the library off line), dropping any edits. */
    void reload();

    int channel() const noexcept { return session.slot(); }
    /** The number of the program the channel plays, which the edit buffer was loaded from. */
    int programNumber() const;
    bool isWaitingForInstrument() const noexcept { return waiting; }
    bool isEdited() { return session.isEdited(); }
    /** Mode 21 when the program was edited on the computer (only the write sequence carries edits), else 20. */
    int writeMode() { return isEdited() ? writeModeSequence : writeModeStore; }
    ProgramEditSession& editSession() noexcept { return session; }

    void showPage (Page page);
    Page shownPage() const noexcept { return page; }
    ProgramCommonPage& commonPage() noexcept { return *common; }
    ProgramFxPage& fxPage() noexcept { return *fx; }
    ProgramLayersPage& layersPage() noexcept { return *layers; }
    ProgramControlsPage& controlsPage() noexcept { return *controls; }

    juce::String statusText() const { return status.getText(); }
    /** The name: a click opens its text box, which takes only what the instrument keeps. */
    juce::Label& nameField() noexcept { return nameBox; }
    juce::ComboBox& categoryChoice() noexcept { return categoryBox; }
    juce::ComboBox& subTypeChoice() noexcept { return subTypeBox; }
    SkinButton& undoButton() noexcept { return undoButtonPart; }
    SkinButton& redoButton() noexcept { return redoButtonPart; }
    SkinButton& writeButton() noexcept { return writeButtonPart; }

    /** WRITE was pressed: the owner opens the write dialog with this mode. */
    std::function<void (int mode)> onWrite;
    /** CLOSE was pressed. */
    std::function<void()> onClose;

    /** The program was written under `number`: what the instrument holds now is what the editor shows. */
    void written (int number, const juce::String& name);

    /** Reads everything shown from the edit object again. */
    void refreshAll();

    void resized() override;
    void paint (juce::Graphics& g) override;
    bool keyPressed (const juce::KeyPress& key) override;

private:
    void objectChanged (ObjectChangeNotifier& source, int changeCode) override;
    void listenTo (int slot);
    void answerTimedOut();
    /** Sends the request now, or once the input listens again. */
    void askWhenListening();
    /** Loads the program from the library's bank; says what it found. */
    juce::String openFromLibrary();
    void editChanged();
    void refreshHeader();
    void refreshPage();
    void fillSubTypes();
    void setStatus (const juce::String& text);

    MidiCntrState& controller;
    ModelObjectNames names;
    ProgramEditSession session;
    std::unique_ptr<ClockTimer> answerTimer, pauseTimer;
    ObjProgramEditClass* listened = nullptr;
    bool waiting = false;
    bool opened = false;
    int openedProgram = 0;
    Page page = Page::common;

    juce::Label title, status, edited;
    juce::Label nameBox;
    juce::Label categoryLabel { {}, "Category" }, subTypeLabel { {}, "Sub-type" };
    juce::ComboBox categoryBox, subTypeBox;
    SkinButton undoButtonPart { "UNDO", 0 }, redoButtonPart { "REDO", 0 }, reloadButton { "RELOAD", 0 },
               writeButtonPart { "WRITE", 0 }, closeButton { "CLOSE", 0 };
    std::array<std::unique_ptr<SkinButton>, 4> tabs;

    std::unique_ptr<ProgramCommonPage> common;
    std::unique_ptr<ProgramFxPage> fx;
    std::unique_ptr<ProgramLayersPage> layers;
    std::unique_ptr<ProgramControlsPage> controls;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (ProgramEditor)
};

} // namespace zr9
