#include "ProgramEditor.h"

#include "model/ProgramCategories.h"

namespace zr9
{

namespace
{
    using editorlook::headerRow1, editorlook::headerRow2, editorlook::rowHeight, editorlook::pagesTop;
    constexpr int lastCategory = 10, lastListedSubType = 7;
    constexpr const char* tabNames[] { "COMMON", "FX", "LAYERS", "CONTROLS" };
    const juce::Colour editedColour = editorlook::heading; // "EDITED" in the headings' red

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
    : controller (c), names (c.model()), session (c), answerTimer (c.clock().makeTimer ([this] { answerTimedOut(); })),
      pauseTimer (c.clock().makeTimer ([this] { askWhenListening(); }))
{
    common = std::make_unique<ProgramCommonPage> (session, names);
    fx = std::make_unique<ProgramFxPage> (session, names);
    layers = std::make_unique<ProgramLayersPage> (session, names);
    controls = std::make_unique<ProgramControlsPage> (session, names);
    for (juce::Component* p : { (juce::Component*) common.get(), (juce::Component*) fx.get(), (juce::Component*) layers.get(),
                                (juce::Component*) controls.get() })
        addChildComponent (p);

    editorlook::style (title, 15.0f, true);
    editorlook::style (status, 12.0f);
    editorlook::style (edited, 12.0f, true, juce::Justification::centred);
    editorlook::style (categoryLabel, 12.0f, false, juce::Justification::centredRight);
    editorlook::style (subTypeLabel, 12.0f, false, juce::Justification::centredRight);
    edited.setColour (juce::Label::textColourId, editedColour);
    for (auto* l : { &title, &status, &edited, &categoryLabel, &subTypeLabel })
        addAndMakeVisible (l);

    editorlook::styleNameBox (nameBox, "Program name");
    nameBox.onTextChange = [this] { session.setName (nameBox.getText()); };
    addAndMakeVisible (nameBox);

    for (int v = 0; v <= lastCategory; ++v)
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

    undoButtonPart.onClick = [this] { session.undo(); refreshAll(); };
    redoButtonPart.onClick = [this] { session.redo(); refreshAll(); };
    reloadButton.onClick = [this] { reload(); };
    writeButtonPart.onClick = [this] {
        nameBox.hideEditor (false); // a name still being typed is written too
        if (onWrite != nullptr)
            onWrite (writeMode());
    };
    closeButton.onClick = [this] { if (onClose != nullptr) onClose(); };
    for (auto* b : { &undoButtonPart, &redoButtonPart, &reloadButton, &writeButtonPart, &closeButton })
        addAndMakeVisible (b);

    for (std::size_t i = 0; i < tabs.size(); ++i)
    {
        tabs[i] = std::make_unique<SkinButton> (tabNames[i], 0);
        tabs[i]->onClick = [this, i] { showPage ((Page) i); };
        addAndMakeVisible (*tabs[i]);
    }

    session.onChanged = [this] { editChanged(); };
    setWantsKeyboardFocus (true);
    showPage (Page::common);
}

ProgramEditor::~ProgramEditor()
{
    answerTimer->stop();
    pauseTimer->stop();
    session.onChanged = nullptr;
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
    ch = std::clamp (ch, 0, RK2Class::channelCount - 1);
    const bool sameProgram = opened && ch == session.slot() && programNumber() == openedProgram;
    listenTo (ch);
    if (sameProgram && (session.isEdited() || waiting))
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
    {
        waiting = true;
        askWhenListening();
    }
    else
    {
        setStatus ("OFF-LINE: " + openFromLibrary());
    }
    refreshAll();
}

void ProgramEditor::askWhenListening()
{
    pauseTimer->stop();
    if (! waiting)
        return;
    // An answer that came while the input is paused would be lost.
    if (controller.isInputPaused())
    {
        setStatus ("Waiting for the instrument to change over...");
        pauseTimer->start (pausePollMs);
        return;
    }
    if (! controller.objectEditing().requestProgram (session.slot()))
    {
        answerTimedOut();
        return;
    }
    setStatus ("Asking the instrument for the program of channel " + juce::String (session.slot() + 1) + "...");
    answerTimer->start (answerTimeoutMs);
}

juce::String ProgramEditor::openFromLibrary()
{
    answerTimer->stop();
    pauseTimer->stop();
    waiting = false;
    const auto bank = controller.model().programBank().snapshot();
    const auto record = bank->record (openedProgram);
    // A program the library does not hold shows as empty, never as the program shown before.
    session.object().load (ByteView (record));
    session.takeAsSent();
    return "program " + juce::String (openedProgram) + (record.empty() ? " is not in the library" : " from the library");
}

void ProgramEditor::answerTimedOut()
{
    answerTimer->stop();
    if (! waiting)
        return;
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
    if (code == ObjProgramEditClass::codePart4 && waiting)
    {
        // The info part ends the program the instrument sends.
        waiting = false;
        answerTimer->stop();
        session.takeAsSent();
        setStatus ("Program " + juce::String (openedProgram) + " from the instrument's edit buffer (channel "
                   + juce::String (session.slot() + 1) + ")");
    }
    refreshAll();
}

void ProgramEditor::written (int number, const juce::String& name)
{
    session.takeAsSent();
    setStatus ("Written as " + juce::String (number) + " \"" + name.trimEnd() + "\"");
    refreshAll();
}

void ProgramEditor::setStatus (const juce::String& text)
{
    status.setText (text, juce::dontSendNotification);
}

void ProgramEditor::editChanged()
{
    refreshHeader();
}

void ProgramEditor::refreshAll()
{
    refreshHeader();
    refreshPage();
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

void ProgramEditor::refreshHeader()
{
    title.setText ("PROGRAM EDIT   Chn. " + juce::String (session.slot() + 1) + "   #" + juce::String (programNumber()),
                   juce::dontSendNotification);
    if (! nameBox.isBeingEdited())
        nameBox.setText (session.name(), juce::dontSendNotification);
    showChoice (categoryBox, session.category());
    fillSubTypes();
    showChoice (subTypeBox, session.subType());
    edited.setText (session.isEdited() ? "EDITED" : "", juce::dontSendNotification);
    undoButtonPart.setEnabled (session.history().canUndo());
    redoButtonPart.setEnabled (session.history().canRedo());
    for (auto* c : { (juce::Component*) common.get(), (juce::Component*) fx.get(), (juce::Component*) layers.get(),
                     (juce::Component*) controls.get(), (juce::Component*) &nameBox, (juce::Component*) &categoryBox,
                     (juce::Component*) &subTypeBox })
        c->setEnabled (! waiting);
}

void ProgramEditor::refreshPage()
{
    switch (page)
    {
        case Page::common: common->refresh(); break;
        case Page::fx: fx->refresh(); break;
        case Page::layers: layers->refresh(); break;
        case Page::controls: controls->refresh(); break;
    }
}

void ProgramEditor::showPage (Page p)
{
    page = p;
    common->setVisible (p == Page::common);
    fx->setVisible (p == Page::fx);
    layers->setVisible (p == Page::layers);
    controls->setVisible (p == Page::controls);
    for (std::size_t i = 0; i < tabs.size(); ++i)
        tabs[i]->setSelected ((Page) i == p);
    refreshPage();
}

bool ProgramEditor::keyPressed (const juce::KeyPress& key)
{
    if (! editorlook::applyHistoryKey (key, session))
        return false;
    refreshAll();
    return true;
}

void ProgramEditor::paint (juce::Graphics& g)
{
    editorlook::paintEditorBackground (g, getWidth());
}

void ProgramEditor::resized()
{
    constexpr int gap = editorlook::gap;
    auto row1 = juce::Rectangle<int> (gap, headerRow1, getWidth() - 2 * gap, rowHeight);
    title.setBounds (row1.removeFromLeft (250));
    nameBox.setBounds (row1.removeFromLeft (190));
    row1.removeFromLeft (gap);
    categoryLabel.setBounds (row1.removeFromLeft (62));
    categoryBox.setBounds (row1.removeFromLeft (150).reduced (2));
    subTypeLabel.setBounds (row1.removeFromLeft (62));
    subTypeBox.setBounds (row1.removeFromLeft (130).reduced (2));
    edited.setBounds (row1.removeFromRight (80));

    auto row2 = juce::Rectangle<int> (gap, headerRow2, getWidth() - 2 * gap, rowHeight);
    for (auto& t : tabs)
    {
        t->setBounds (row2.removeFromLeft (86));
        row2.removeFromLeft (4);
    }
    for (auto* b : { &closeButton, &writeButtonPart, &reloadButton, &redoButtonPart, &undoButtonPart })
    {
        b->setBounds (row2.removeFromRight (70));
        row2.removeFromRight (4);
    }
    row2.removeFromLeft (gap);
    status.setBounds (row2);

    const auto pages = getLocalBounds().withTrimmedTop (pagesTop);
    for (juce::Component* p : { (juce::Component*) common.get(), (juce::Component*) fx.get(), (juce::Component*) layers.get(),
                                (juce::Component*) controls.get() })
        p->setBounds (pages);
}

} // namespace zr9
