#include "LibClass.h"

#include "NameCharacters.h"

#include "controller/MidiCntrState.h"
#include "library/ArrangementHost.h"
#include "ui/SkinFonts.h"
#include "ui/SkinPalette.h"

namespace zr9
{

namespace
{
    constexpr int noticeHeight = 22;

    struct ButtonPlace
    {
        int id;
        const char* label;
        int y; // from the top, or from the bottom when negative
    };
    constexpr ButtonPlace buttonPlaces[] {
        { LibClass::idLoad, "LOAD", 10 },          { LibClass::idSave, "SAVE", 50 },
        { LibClass::idClearAll, "CLEAR ALL", 90 }, { LibClass::idApply, "APPLY", -40 },
        { LibClass::idRename, "RENAME", -100 },    { LibClass::idDelete, "DELETE", -140 },
        { LibClass::idAddCurrent, "ADD CURRENT", -180 },
    };

    std::u32string toName (const juce::String& text)
    {
        std::u32string s;
        for (auto c : text)
            s.push_back ((char32_t) c);
        return s;
    }

} // namespace

LibClass::LibClass (MidiCntrState& c, ArrangementHost& h, std::shared_ptr<FileMan> f, juce::File workingFile, SharedFileAccess shared)
    : controller (c), host (h), files (std::move (f)), working (std::move (workingFile), shared),
      fileList (entries, c.clock()),
      noticeTimer (c.clock().makeTimer ([this] { showNotice ({}); })),
      followTimer (c.clock().makeTimer ([this] { followWorkingFile(); }))
{
    setSize (pageWidth, pageHeight);

    fileList.addChangeListener (this);
    fileList.onRowDoubleClicked = [this] (int row)
    {
        fileList.selectRow (row);
        applySelected();
    };
    addAndMakeVisible (fileList);
    addChildComponent (previewPanel);

    for (const auto& place : buttonPlaces)
    {
        buttons.push_back (std::make_unique<LibBut> (place.label, place.id, this));
        addChildComponent (*buttons.back());
    }

    working.open (entries);
    afterListChanged (true);
    followTimer->start (followMs);
}

LibClass::~LibClass()
{
    *alive = false;
    noticeTimer->stop();
    followTimer->stop();
    fileList.removeChangeListener (this);
    working.close (entries);
}

LibBut* LibClass::button (int id) noexcept
{
    for (auto& b : buttons)
        if (b->id() == id)
            return b.get();
    return nullptr;
}

// ---------------------------------------------------------------------- layout

void LibClass::resized()
{
    const int w = getWidth(), h = getHeight();
    const int rows = juce::jmax (1, (h - 2 * listY - noticeHeight) / GskFile::rowHeight);
    fileList.setBounds (listX, listY, GskFile::listWidth, rows * GskFile::rowHeight);
    previewPanel.setBounds (fileList.getRight() + previewGap, listY, LibPreview::width, juce::jmin (LibPreview::height, h - 2 * listY));

    for (const auto& place : buttonPlaces)
        if (auto* b = button (place.id))
            b->setBounds (w - buttonsFromRight, place.y >= 0 ? place.y : h + place.y, LibBut::width, LibBut::height);

    if (questionPanel != nullptr)
        questionPanel->setBounds (getLocalBounds());
}

void LibClass::paint (juce::Graphics& g)
{
    g.fillAll (skin::colours::libraryPage);
    if (! previewPanel.isVisible() && ! entries.empty())
    {
        g.setColour (skin::colours::libraryNotice.withAlpha (0.6f));
        g.setFont (skin::font (13.0f));
        g.drawText ("Select an arrangement to see what it plays.", previewPanel.getBounds().withHeight (GskFile::rowHeight).reduced (8, 0),
                    juce::Justification::centredLeft, true);
    }
    if (noticeText.isNotEmpty())
    {
        g.setColour (skin::colours::libraryNotice);
        g.setFont (skin::font (13.0f));
        g.drawText (noticeText, fileList.getX(), fileList.getBottom() + 2, getWidth() - fileList.getX() - buttonsFromRight - 10,
                    noticeHeight, juce::Justification::centredLeft, true);
    }
}

void LibClass::showNotice (const juce::String& text)
{
    noticeText = text;
    if (text.isNotEmpty())
        noticeTimer->start (noticeMs);
    else
        noticeTimer->stop();
    repaint();
}

void LibClass::followWorkingFile()
{
    // A question is about the list as it stands; the file is looked at again once it is answered.
    if (isAsking())
        return;
    if (working.reopenIfChanged (entries))
    {
        afterListChanged (true);
        showNotice ("CHANGED IN ANOTHER INSTANCE: " + juce::String (entries.size()) + " ARRANGEMENTS READ IN");
    }
}

// ------------------------------------------------------------ list and buttons

void LibClass::updateButtons()
{
    const bool hasEntries = ! entries.empty();
    const bool selected = fileList.selectedRow() >= 0;
    const std::pair<int, bool> shown[] {
        { idLoad, true },          { idSave, hasEntries },   { idClearAll, hasEntries }, { idApply, selected },
        { idRename, selected },    { idDelete, selected },   { idAddCurrent, true },
    };
    for (const auto& [id, show] : shown)
        if (auto* b = button (id))
            b->setVisible (show);
}

void LibClass::afterListChanged (bool clearSelection)
{
    fileList.refresh();
    if (clearSelection)
    {
        fileList.clearSelection();
        fileList.scrollToTop();
    }
    showSelected();
    updateButtons();
}

void LibClass::changeListenerCallback (juce::ChangeBroadcaster* source)
{
    if (source != &fileList)
        return;
    showSelected();
    updateButtons();
}

void LibClass::showSelected()
{
    const int row = fileList.selectedRow();
    if (row < 0)
    {
        previewPanel.setVisible (false);
        repaint();
        return;
    }
    previewPanel.show (juce::String (entries.name (row)), entries.arrangementData (row), controller.model().programBank());
    previewPanel.setVisible (true);
}

// -------------------------------------------------------------------- commands

void LibClass::libButtonClicked (int id)
{
    const int row = fileList.selectedRow();
    switch (id)
    {
        case idLoad:
            if (entries.empty() || ! entries.isModified())
                chooseAndLoad();
            else
                ask (idLoad, "Save changes?", std::nullopt, "YES", "CANCEL", "NO");
            break;
        case idSave:
            if (! entries.empty())
                chooseAndSave ({}, false);
            break;
        case idClearAll:
            if (! entries.empty())
                ask (idClearAll, "Save changes?", std::nullopt, "YES", "CANCEL", "NO");
            break;
        case idApply:
            applySelected();
            break;
        case idRename:
            if (row >= 0)
            {
                askedAbout = row;
                const juce::String name (entries.name (row));
                ask (idRename, "Rename " + name + ":", name, "OK", "CANCEL", {});
            }
            break;
        case idDelete:
            if (row >= 0)
            {
                askedAbout = row;
                ask (idDelete, "Delete " + juce::String (entries.name (row)) + " ?", std::nullopt, "OK", "CANCEL", {});
            }
            break;
        case idAddCurrent:
            ask (idAddCurrent, "Arrangement name:", juce::String (untitled), "OK", "CANCEL", {});
            break;
        default:
            break;
    }
    updateButtons();
}

void LibClass::ask (int requestId, const juce::String& message, std::optional<juce::String> text,
                    const juce::String& first, const juce::String& second, const juce::String& third)
{
    if (questionPanel == nullptr)
    {
        questionPanel = std::make_unique<TextInputCont> (*this);
        questionPanel->textField().setInputRestrictions (longestName, printableAscii());
        addChildComponent (*questionPanel);
        questionPanel->setBounds (getLocalBounds());
    }
    questionPanel->show (message, std::move (text), first, second, third, requestId);
}

void LibClass::textAnswer (int requestId, int buttonId)
{
    const bool yes = buttonId == TextInputCont::answerOk;
    const bool no = buttonId == TextInputCont::answerNo;
    const auto text = questionPanel != nullptr ? questionPanel->text() : juce::String();
    switch (requestId)
    {
        case idAddCurrent:
            if (yes)
                addCurrent (text);
            break;
        case idRename:
            if (yes && text.isNotEmpty())
                renameSelected (text);
            break;
        case idDelete:
            if (yes)
                deleteSelected();
            break;
        case idClearAll:
            // Clearing waits for the save; a save that was cancelled or failed clears nothing.
            if (yes)
                chooseAndSave ([this] { clearAll(); }, false);
            else if (no)
                clearAll();
            break;
        case idLoad:
            if (yes)
                chooseAndSave ([this] { chooseAndLoad(); }, true);
            else if (no)
                chooseAndLoad();
            break;
        default:
            break;
    }
    askedAbout = -1;
    updateButtons();
}

void LibClass::chooseAndLoad()
{
    std::weak_ptr<bool> stillHere = alive;
    files->chooseFile (FileMan::kindLoadArrangements, {}, [this, stillHere] (std::optional<juce::File> file)
    {
        if (stillHere.expired() || ! file.has_value())
            return;
        load (*file);
    });
}

void LibClass::load (const juce::File& file)
{
    const auto name = file.getFileName();
    auto read = readListFile (file);
    const auto stated = read.statedCount;
    using Outcome = ListFileRead::Outcome;
    const auto outcome = read.outcome;
    const int found = (int) read.entries.size();

    // A file that gives no entry leaves the list, and whether it was modified, as they were.
    if (! takeListFile (entries, std::move (read)))
    {
        showNotice (outcome == Outcome::missing || outcome == Outcome::unreadable ? "COULD NOT READ " + name
                                                                                   : "NO ARRANGEMENTS IN " + name);
        return;
    }
    afterListChanged (true);
    if (outcome == Outcome::cut)
        showNotice ("ONLY " + juce::String (found) + " OF " + juce::String ((juce::int64) stated) + " ARRANGEMENTS COULD BE READ: " + name);
    else
        showNotice ("LOADED " + juce::String (found) + (found == 1 ? " ARRANGEMENT: " : " ARRANGEMENTS: ") + name);
}

void LibClass::chooseAndSave (std::function<void()> then, bool evenIfCancelled)
{
    std::weak_ptr<bool> stillHere = alive;
    files->chooseFile (FileMan::kindSaveArrangements, defaultFileName,
                       [this, stillHere, then = std::move (then), evenIfCancelled] (std::optional<juce::File> file)
    {
        if (stillHere.expired())
            return;
        if (! file.has_value())
        {
            if (evenIfCancelled && then != nullptr)
                then();
            return;
        }
        // A list that could not be written is still unsaved: nothing that would lose it follows.
        if (writeListFile (*file, entries.entries()) != ListWrite::written)
        {
            showNotice ("COULD NOT SAVE " + file->getFullPathName());
            return;
        }
        entries.markSaved();
        showNotice ("SAVED: " + file->getFileName());
        if (then != nullptr)
            then();
    });
}

void LibClass::clearAll()
{
    entries.clear();
    afterListChanged (true);
}

void LibClass::applySelected()
{
    const int row = fileList.selectedRow();
    if (row < 0)
        return;
    const auto data = entries.arrangementData (row);
    const juce::String name (entries.name (row));
    if (host.loadArrangementState (data.data(), (int) data.size()))
        showNotice ("APPLIED: " + name);
    else
        showNotice ("NOT AN ARRANGEMENT: " + name);
}

void LibClass::addCurrent (const juce::String& name)
{
    const auto state = host.currentArrangementState();
    entries.add (toName (name.isEmpty() ? juce::String (untitled) : name),
                 ByteView (static_cast<const std::uint8_t*> (state.getData()), state.getSize()));
    // The new entry comes last; the selection stays where it was.
    fileList.refresh();
    updateButtons();
    repaint();
}

void LibClass::renameSelected (const juce::String& name)
{
    if (! entries.rename (askedAbout, toName (name)))
    {
        showNotice ("THIS ENTRY HAS NO ROOM FOR A NAME");
        return;
    }
    fileList.refresh();
    fileList.rows().repaint();
    showSelected();
}

void LibClass::deleteSelected()
{
    if (entries.remove (askedAbout))
        afterListChanged (true);
}

} // namespace zr9
