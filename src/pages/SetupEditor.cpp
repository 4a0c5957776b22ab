#include "SetupEditor.h"

namespace zr9
{

namespace
{
    using editorlook::headerRow1, editorlook::headerRow2, editorlook::rowHeight, editorlook::pagesTop;
    constexpr const char* tabNames[] { "COMMON", "ZONES" };
    const juce::Colour editedColour = editorlook::heading; // "EDITED" in the headings' red
} // namespace

SetupEditor::SetupEditor (MidiCntrState& c)
    : controller (c), names (c.model()), session (c), answerTimer (c.clock().makeTimer ([this] { answerTimedOut(); })),
      pauseTimer (c.clock().makeTimer ([this] { askWhenListening(); }))
{
    common = std::make_unique<SetupCommonPage> (session);
    zones = std::make_unique<SetupZonesPage> (session, names);
    addChildComponent (*common);
    addChildComponent (*zones);

    editorlook::style (title, 15.0f, true);
    editorlook::style (status, 12.0f);
    editorlook::style (edited, 12.0f, true, juce::Justification::centred);
    edited.setColour (juce::Label::textColourId, editedColour);
    for (auto* l : { &title, &status, &edited })
        addAndMakeVisible (l);

    editorlook::styleNameBox (nameBox, "Setup name");
    nameBox.onTextChange = [this] { session.setName (nameBox.getText()); };
    addAndMakeVisible (nameBox);

    undoButtonPart.onClick = [this] { session.undo(); refreshAll(); };
    redoButtonPart.onClick = [this] { session.redo(); refreshAll(); };
    reloadButton.onClick = [this] { reload(); };
    writeButtonPart.onClick = [this] {
        nameBox.hideEditor (false);
        if (onWrite != nullptr)
            onWrite (writeModeStore);
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

    session.onChanged = [this] { refreshHeader(); };
    session.multi().addChangeListener (this);
    setWantsKeyboardFocus (true);
    showPage (Page::common);
}

SetupEditor::~SetupEditor()
{
    answerTimer->stop();
    pauseTimer->stop();
    session.onChanged = nullptr;
    session.multi().removeChangeListener (this);
}

void SetupEditor::open()
{
    const int chosen = std::max (1, controller.getLiveValue (LiveTable::rowMulti));
    if (opened && chosen == openedSetup && (session.isEdited() || waiting))
    {
        refreshAll();
        return;
    }
    opened = true;
    reload();
}

void SetupEditor::reload()
{
    openedSetup = std::max (1, controller.getLiveValue (LiveTable::rowMulti));
    // The library's setup first: it is what shows off line, and what stays when the instrument is silent.
    session.multi().loadFromBank (controller.model().setupBank(), openedSetup);
    zoneArrived.fill (false);
    zonesAsked = false;
    commonArrived = false;
    zonesWaited = 0;
    answerTimer->stop();
    waiting = controller.objectEditing().isOnline();
    if (waiting)
        askWhenListening();
    else
        setStatus ("OFF-LINE: setup " + juce::String (openedSetup) + " from the library");
    session.takeAsSent();
    refreshAll();
}

void SetupEditor::askWhenListening()
{
    pauseTimer->stop();
    if (! waiting)
        return;
    // The instrument changes over to multi mode with the input paused: its answer would be lost.
    if (controller.isInputPaused())
    {
        setStatus ("Waiting for the instrument to change over...");
        pauseTimer->start (pausePollMs);
        return;
    }
    if (! controller.objectEditing().requestSetup())
    {
        answerTimedOut();
        return;
    }
    setStatus ("Asking the instrument for its setup...");
    answerTimer->start (answerTimeoutMs);
}

void SetupEditor::answerTimedOut()
{
    answerTimer->stop();
    if (! waiting)
        return;
    waiting = false;
    session.takeAsSent();
    setStatus ("The instrument did not answer in full: setup " + juce::String (openedSetup) + " as far as it arrived");
    refreshAll();
}

void SetupEditor::objectChanged (ObjectChangeNotifier&, int code)
{
    if (waiting)
    {
        if (code == ObjMultiClass::codeHeader && ! zonesAsked)
        {
            // The header tells how many zones there are: ask for each.
            zonesAsked = true;
            zonesWaited = std::min (session.multi().numberOfZones(), ObjMultiClass::zoneCount);
            for (int z = 0; z < zonesWaited; ++z)
                controller.objectEditing().requestZone (z);
            answerTimer->start (answerTimeoutMs);
        }
        else if (code == ObjMultiClass::codeCommon)
        {
            commonArrived = true;
        }
        else if (code >= 0 && code < ObjMultiClass::zoneCount)
        {
            zoneArrived[(size_t) code] = true;
        }
        arrived();
    }
    refreshAll();
}

void SetupEditor::arrived()
{
    if (! zonesAsked || ! commonArrived)
        return;
    for (int z = 0; z < zonesWaited; ++z)
        if (! zoneArrived[(size_t) z])
            return;
    waiting = false;
    answerTimer->stop();
    session.takeAsSent();
    setStatus ("Setup from the instrument's edit buffer (" + juce::String (zonesWaited) + " zones)");
}

void SetupEditor::written (int number, const juce::String& name)
{
    session.takeAsSent();
    setStatus ("Written as " + juce::String (number) + " \"" + name.trimEnd() + "\"");
    refreshAll();
}

void SetupEditor::setStatus (const juce::String& text)
{
    status.setText (text, juce::dontSendNotification);
}

void SetupEditor::refreshAll()
{
    refreshHeader();
    refreshPage();
}

void SetupEditor::refreshHeader()
{
    title.setText ("SETUP EDIT   #" + juce::String (openedSetup), juce::dontSendNotification);
    if (! nameBox.isBeingEdited())
        nameBox.setText (session.name(), juce::dontSendNotification);
    edited.setText (session.isEdited() ? "EDITED" : "", juce::dontSendNotification);
    undoButtonPart.setEnabled (session.history().canUndo());
    redoButtonPart.setEnabled (session.history().canRedo());
    for (auto* c : { (juce::Component*) common.get(), (juce::Component*) zones.get(), (juce::Component*) &nameBox })
        c->setEnabled (! waiting);
}

void SetupEditor::refreshPage()
{
    if (page == Page::common)
        common->refresh();
    else
        zones->refresh();
}

void SetupEditor::showPage (Page p)
{
    page = p;
    common->setVisible (p == Page::common);
    zones->setVisible (p == Page::zones);
    for (std::size_t i = 0; i < tabs.size(); ++i)
        tabs[i]->setSelected ((Page) i == p);
    refreshPage();
}

bool SetupEditor::keyPressed (const juce::KeyPress& key)
{
    if (! editorlook::applyHistoryKey (key, session))
        return false;
    refreshAll();
    return true;
}

void SetupEditor::paint (juce::Graphics& g)
{
    editorlook::paintEditorBackground (g, getWidth());
}

void SetupEditor::resized()
{
    constexpr int gap = editorlook::gap;
    auto row1 = juce::Rectangle<int> (gap, headerRow1, getWidth() - 2 * gap, rowHeight);
    title.setBounds (row1.removeFromLeft (200));
    nameBox.setBounds (row1.removeFromLeft (190));
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
    common->setBounds (pages);
    zones->setBounds (pages);
}

} // namespace zr9
