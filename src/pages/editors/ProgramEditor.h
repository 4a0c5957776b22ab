#pragma once

#include "EditorShell.h"
#include "ProgramCommonPage.h"
#include "ProgramControlsPage.h"
#include "ProgramEditSession.h"
#include "ProgramFxPage.h"
#include "ProgramLayersPage.h"

#include "model/ModelObjectNames.h"
#include "model/ObjectChangeNotifier.h"

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
class ProgramEditor : public EditorShell,
                      private ObjectChangeListener
{
public:
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
    void reload() override;

    int channel() const noexcept { return session.slot(); }
    /** The number of the program the channel plays, which the edit buffer was loaded from. */
    int programNumber() const;
    /** Mode 21 when the program was edited on the computer (only the write sequence carries edits), else 20. */
    int writeMode() override { return isEdited() ? writeModeSequence : writeModeStore; }
    ProgramEditSession& editSession() noexcept { return session; }

    void showPage (Page p) { showPageAt ((int) p); }
    Page shownPage() const noexcept { return (Page) shownPageIndex(); }
    ProgramCommonPage& commonPage() noexcept { return *common; }
    ProgramFxPage& fxPage() noexcept { return *fx; }
    ProgramLayersPage& layersPage() noexcept { return *layers; }
    ProgramControlsPage& controlsPage() noexcept { return *controls; }

    juce::ComboBox& categoryChoice() noexcept { return categoryBox; }
    juce::ComboBox& subTypeChoice() noexcept { return subTypeBox; }

private:
    void objectChanged (ObjectChangeNotifier& source, int changeCode) override;
    void listenTo (int slot);
    bool sendRequest() override;
    juce::String requestText() override;
    void answerTimedOut() override;
    /** Loads the program from the library's bank; says what it found. */
    juce::String openFromLibrary();
    juce::String titleText() override;
    void layoutHeaderExtras (juce::Rectangle<int>& row) override;
    void refreshHeaderExtras (bool editable) override;
    void fillSubTypes();

    ModelObjectNames names;
    ProgramEditSession& session;
    ObjProgramEditClass* listened = nullptr;
    bool opened = false;
    int openedProgram = 0;

    juce::Label categoryLabel { {}, "Category" }, subTypeLabel { {}, "Sub-type" };
    juce::ComboBox categoryBox, subTypeBox;

    std::unique_ptr<ProgramCommonPage> common;
    std::unique_ptr<ProgramFxPage> fx;
    std::unique_ptr<ProgramLayersPage> layers;
    std::unique_ptr<ProgramControlsPage> controls;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (ProgramEditor)
};

} // namespace zr9
