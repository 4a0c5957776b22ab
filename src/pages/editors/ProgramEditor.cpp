#include "ProgramEditor.h"

#include "model/ProgramCategories.h"

namespace zr9
{

namespace
{
    constexpr int lastListedSubType = 7;
    constexpr int titleWidth = 250, choiceLabelWidth = 62, categoryWidth = 150, subTypeWidth = 130;

    /** Combo box items carry value + 1: an id of 0 means nothing chosen. */
    constexpr int idOf (int value) noexcept { return value + 1; }

    void showChoice (juce::ComboBox& box, int value)
    {
        if (box.indexOfItemId (idOf (value)) >= 0)
            box.setSelectedId (idOf (value), juce::dontSendNotification);
        else
            box.setText (juce::String (value), juce::dontSendNotification);
    }
} // namespace

ProgramEditor::ProgramEditor (MidiCntrState& c)
    : EditorShell (c, std::make_unique<ProgramEditSession> (c), "Program name", titleWidth),
      names (c.model()),
      session (static_cast<ProgramEditSession&> (editedSession()))
{
    common = std::make_unique<ProgramCommonPage> (session, names);
    fx = std::make_unique<ProgramFxPage> (session, names);
    layers = std::make_unique<ProgramLayersPage> (session, names);
    controls = std::make_unique<ProgramControlsPage> (session, names);
    addPage ("COMMON", *common, [this] { common->refresh(); });
    addPage ("FX", *fx, [this] { fx->refresh(); });
    addPage ("LAYERS", *layers, [this] { layers->refresh(); });
    addPage ("CONTROLS", *controls, [this] { controls->refresh(); });

    editorlook::style (categoryLabel, 12.0f, false, juce::Justification::centredRight);
    editorlook::style (subTypeLabel, 12.0f, false, juce::Justification::centredRight);
    addAndMakeVisible (categoryLabel);
    addAndMakeVisible (subTypeLabel);

    for (int v = 0; v <= lastProgramCategory; ++v)
        categoryBox.addItem (juce::String (programCategoryName (v)), idOf (v));
    categoryBox.setTitle ("Category");
    categoryBox.onChange = [this] {
        if (const int id = categoryBox.getSelectedId(); id > 0)
            session.setCategory (id - 1);
    };
    subTypeBox.setTitle ("Sub-type");
    subTypeBox.onChange = [this] {
        if (const int id = subTypeBox.getSelectedId(); id > 0)
            session.setSubType (id - 1);
    };
    addAndMakeVisible (categoryBox);
    addAndMakeVisible (subTypeBox);

    showPage (Page::common);
}

ProgramEditor::~ProgramEditor()
{
    if (listened != nullptr)
        listened->removeChangeListener (this);
}

int ProgramEditor::programNumber() const
{
    return controller.currentProgram (session.slot());
}

void ProgramEditor::listenTo (int slot)
{
    auto* object = &controller.model().programEdit (slot);
    if (object == listened)
        return;
    if (listened != nullptr)
        listened->removeChangeListener (this);
    listened = object;
    listened->addChangeListener (this);
}

void ProgramEditor::open (int ch)
{
    ch = std::clamp (ch, 0, channelCount - 1);
    const bool sameProgram = opened && ch == session.slot() && programNumber() == openedProgram;
    listenTo (ch);
    if (sameProgram && (session.isEdited() || isWaitingForInstrument()))
    {
        refreshAll();
        return; // edits not yet written stay
    }
    session.setSlot (ch);
    opened = true;
    reload();
}

void ProgramEditor::reload()
{
    openedProgram = programNumber();
    if (controller.objectEditing().isOnline())
        askInstrument();
    else
        setStatus ("OFF-LINE: " + openFromLibrary());
    refreshAll();
}

bool ProgramEditor::sendRequest()
{
    return controller.objectEditing().requestProgram (session.slot());
}

juce::String ProgramEditor::requestText()
{
    return "Asking the instrument for the program of channel " + juce::String (session.slot() + 1) + "...";
}

juce::String ProgramEditor::openFromLibrary()
{
    stopWaiting();
    const auto bank = controller.model().programBank().snapshot();
    const auto record = bank->record (openedProgram);
    // A program the library does not hold shows as empty, never as the program shown before.
    session.object().load (ByteView (record));
    session.takeAsSent();
    return "program " + juce::String (openedProgram) + (record.empty() ? " is not in the library" : " from the library");
}

void ProgramEditor::answerTimedOut()
{
    setStatus ("The instrument did not answer: " + openFromLibrary());
    refreshAll();
}

void ProgramEditor::objectChanged (ObjectChangeNotifier& source, int code)
{
    if (&source != listened)
        return;
    if (code == ObjProgramEditClass::codeLoaded)
    {
        // Another program landed on the channel: the edit buffer holds it now. A hidden
        // editor catches up when it opens again (the program number changed).
        if (isShowing())
            reload();
        return;
    }
    if (code == ObjProgramEditClass::codePart4 && isWaitingForInstrument())
    {
        // The info part ends the program the instrument sends.
        answerComplete();
        session.takeAsSent();
        setStatus ("Program " + juce::String (openedProgram) + " from the instrument's edit buffer (channel "
                   + juce::String (session.slot() + 1) + ")");
    }
    refreshAll();
}

juce::String ProgramEditor::titleText()
{
    return "PROGRAM EDIT   Chn. " + juce::String (session.slot() + 1) + "   #" + juce::String (programNumber());
}

void ProgramEditor::fillSubTypes()
{
    const int category = session.category();
    subTypeBox.clear (juce::dontSendNotification);
    for (int v = 0; v <= lastListedSubType; ++v)
    {
        const auto name = programSubTypeName (category, v);
        subTypeBox.addItem (name.empty() ? (v == 0 ? juce::String ("-----") : juce::String (v)) : juce::String (name), idOf (v));
    }
}

void ProgramEditor::refreshHeaderExtras (bool editable)
{
    showChoice (categoryBox, session.category());
    fillSubTypes();
    showChoice (subTypeBox, session.subType());
    categoryBox.setEnabled (editable);
    subTypeBox.setEnabled (editable);
}

void ProgramEditor::layoutHeaderExtras (juce::Rectangle<int>& row)
{
    row.removeFromLeft (editorlook::gap);
    categoryLabel.setBounds (row.removeFromLeft (choiceLabelWidth));
    categoryBox.setBounds (row.removeFromLeft (categoryWidth).reduced (2));
    subTypeLabel.setBounds (row.removeFromLeft (choiceLabelWidth));
    subTypeBox.setBounds (row.removeFromLeft (subTypeWidth).reduced (2));
}

} // namespace zr9
