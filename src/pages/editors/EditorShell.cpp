#include "EditorShell.h"

#include "ui/SkinPalette.h"

namespace zr9
{

namespace
{
    using editorlook::headerRow1, editorlook::headerRow2, editorlook::rowHeight, editorlook::pagesTop, editorlook::gap;
    constexpr int nameWidth = 190, editedWidth = 80, tabWidth = 86, rowButtonWidth = 70, buttonGap = 4;
} // namespace

EditorShell::EditorShell (MidiCntrState& c, std::unique_ptr<EditSession> s, const juce::String& nameTitle, int width)
    : controller (c), session (std::move (s)), titleColumnWidth (width),
      answerTimer (c.clock().makeTimer ([this] { timeIsUp(); }))
{
    editorlook::style (title, 15.0f, true);
    editorlook::style (status, 12.0f);
    editorlook::style (edited, 12.0f, true, juce::Justification::centred);
    edited.setColour (juce::Label::textColourId, skin::colours::accent); // "EDITED" in the headings' red
    for (auto* l : { &title, &status, &edited })
        addAndMakeVisible (l);

    editorlook::styleNameBox (nameBox, nameTitle);
    nameBox.onTextChange = [this] { session->setName (nameBox.getText()); };
    addAndMakeVisible (nameBox);

    undoButtonPart.onClick = [this] { session->undo(); refreshAll(); };
    redoButtonPart.onClick = [this] { session->redo(); refreshAll(); };
    reloadButton.onClick = [this] { reload(); };
    writeButtonPart.onClick = [this] {
        nameBox.hideEditor (false); // a name still being typed is written too
        if (onWrite != nullptr)
            onWrite (writeMode());
    };
    closeButton.onClick = [this] { if (onClose != nullptr) onClose(); };
    for (auto* b : { &undoButtonPart, &redoButtonPart, &reloadButton, &writeButtonPart, &closeButton })
        addAndMakeVisible (b);

    session->onChanged = [this] { refreshHeader(); };
    controller.inputPauses().addListener (this);
    // A click on the page leaves the keys where they are (the player keeps them); the undo keys reach
    // this page through the main component when nothing else takes them.
    setWantsKeyboardFocus (false);
}

EditorShell::~EditorShell()
{
    answerTimer->stop();
    controller.inputPauses().removeListener (this);
    session->onChanged = nullptr;
}

void EditorShell::addPage (const juce::String& tabName, juce::Component& page, std::function<void()> refresh)
{
    const int index = (int) pages.size();
    auto tab = std::make_unique<SkinButton> (tabName, 0);
    tab->onClick = [this, index] { showPageAt (index); };
    addAndMakeVisible (*tab);
    addChildComponent (page);
    pages.push_back ({ &page, std::move (refresh), std::move (tab) });
}

void EditorShell::showPageAt (int index)
{
    if (index < 0 || index >= (int) pages.size())
        return;
    shown = index;
    for (int i = 0; i < (int) pages.size(); ++i)
    {
        pages[(size_t) i].component->setVisible (i == index);
        pages[(size_t) i].tab->setSelected (i == index);
    }
    refreshShownPage();
}

void EditorShell::refreshShownPage()
{
    if (shown < (int) pages.size() && pages[(size_t) shown].refresh != nullptr)
        pages[(size_t) shown].refresh();
}

// ------------------------------------------------------------ asking the instrument

void EditorShell::askInstrument()
{
    waiting = true;
    sendWhenListening();
}

void EditorShell::sendWhenListening()
{
    if (! waiting)
        return;
    // An answer that came while the input is paused would be lost: the request waits for the input.
    if (controller.isInputPaused())
    {
        setStatus ("Waiting for the instrument to change over...");
        return;
    }
    if (! sendRequest())
    {
        timeIsUp();
        return;
    }
    setStatus (requestText());
    answerTimer->start (answerTimeoutMs);
}

void EditorShell::inputListensAgain()
{
    // Only a request that is still held back goes out; one already sent waits for its answer.
    if (waiting && ! answerTimer->isRunning())
        sendWhenListening();
}

void EditorShell::timeIsUp()
{
    answerTimer->stop();
    if (! waiting)
        return;
    waiting = false;
    answerTimedOut();
}

void EditorShell::answerComplete()
{
    stopWaiting();
}

void EditorShell::answerTimeRestarts()
{
    answerTimer->start (answerTimeoutMs);
}

void EditorShell::stopWaiting()
{
    waiting = false;
    answerTimer->stop();
}

void EditorShell::written (int number, const juce::String& name)
{
    session->takeAsSent();
    setStatus ("Written as " + juce::String (number) + " \"" + name.trimEnd() + "\"");
    refreshAll();
}

void EditorShell::setStatus (const juce::String& text)
{
    status.setText (text, juce::dontSendNotification);
}

// -------------------------------------------------------------------- showing

void EditorShell::refreshAll()
{
    refreshHeader();
    refreshShownPage();
}

void EditorShell::refreshHeader()
{
    title.setText (titleText(), juce::dontSendNotification);
    if (! nameBox.isBeingEdited())
        nameBox.setText (session->name(), juce::dontSendNotification);
    edited.setText (session->isEdited() ? "EDITED" : "", juce::dontSendNotification);
    undoButtonPart.setEnabled (session->history().canUndo());
    redoButtonPart.setEnabled (session->history().canRedo());
    nameBox.setEnabled (! waiting);
    for (auto& p : pages)
        p.component->setEnabled (! waiting);
    refreshHeaderExtras (! waiting);
}

bool EditorShell::keyPressed (const juce::KeyPress& key)
{
    if (! editorlook::applyHistoryKey (key, *session))
        return false;
    refreshAll();
    return true;
}

void EditorShell::paint (juce::Graphics& g)
{
    editorlook::paintEditorBackground (g, getWidth());
}

void EditorShell::resized()
{
    auto row1 = juce::Rectangle<int> (gap, headerRow1, getWidth() - 2 * gap, rowHeight);
    title.setBounds (row1.removeFromLeft (titleColumnWidth));
    nameBox.setBounds (row1.removeFromLeft (nameWidth));
    edited.setBounds (row1.removeFromRight (editedWidth));
    layoutHeaderExtras (row1);

    auto row2 = juce::Rectangle<int> (gap, headerRow2, getWidth() - 2 * gap, rowHeight);
    for (auto& p : pages)
    {
        p.tab->setBounds (row2.removeFromLeft (tabWidth));
        row2.removeFromLeft (buttonGap);
    }
    for (auto* b : { &closeButton, &writeButtonPart, &reloadButton, &redoButtonPart, &undoButtonPart })
    {
        b->setBounds (row2.removeFromRight (rowButtonWidth));
        row2.removeFromRight (buttonGap);
    }
    row2.removeFromLeft (gap);
    status.setBounds (row2);

    const auto area = getLocalBounds().withTrimmedTop (pagesTop);
    for (auto& p : pages)
        p.component->setBounds (area);
}

} // namespace zr9
