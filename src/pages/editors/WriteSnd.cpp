#include "WriteSnd.h"

#include "EditorSection.h"

#include "model/ObjectTypes.h"
#include "model/ProgramCategories.h"
#include "model/TransferTypes.h"
#include "model/WriteDestination.h"
#include "ui/SkinFonts.h"
#include "ui/SkinPalette.h"

namespace zr9
{

namespace
{
    // The single fetch's kinds: 2 a program, 11 a setup.
    constexpr int fetchProgram = 2, fetchSetup = 11;
    constexpr int lastSubType = 4;
    constexpr int writeRowHeight = 22, writeButtonWidth = 150, writeButtonHeight = 32, margin = 20;

    juce::String sixteen (const juce::String& name)
    {
        return juce::String (sysex::storedName (name.toStdString()));
    }
} // namespace

/** The destination list: the numbers 1025 to 2048 with the names the library's bank holds for them. */
class WriteSnd::Destinations : public juce::ListBoxModel
{
public:
    explicit Destinations (WriteSnd& d) : dialog (d) {}

    static int numberOfRow (int row) noexcept { return writedestination::first + row; }
    static int rowOfNumber (int n) noexcept { return n - writedestination::first; }

    int getNumRows() override { return writedestination::last - writedestination::first + 1; }

    void paintListBoxItem (int row, juce::Graphics& g, int width, int height, bool selected) override
    {
        const int n = numberOfRow (row);
        const auto* holder = dialog.controller.model().holderFor (dialog.typeId());
        const auto name = holder != nullptr && holder->bank().exists (n) ? juce::String (holder->bank().name (n)).trimEnd()
                                                                          : juce::String ("--- empty ---");
        g.fillAll (selected ? skin::colours::chosenFace : (row % 2 == 0 ? skin::colours::panelFace : skin::colours::dialogFace));
        g.setColour (selected ? skin::colours::white : skin::colours::text);
        g.setFont (skin::font (13.0f, true));
        g.drawText (juce::String (n), 6, 0, 50, height, juce::Justification::centredLeft);
        g.setFont (skin::font (13.0f));
        g.drawText (name, 60, 0, width - 64, height, juce::Justification::centredLeft, true);
    }

    void selectedRowsChanged (int row) override
    {
        if (row >= 0 && numberOfRow (row) != dialog.number)
            dialog.setDestination (numberOfRow (row));
    }

private:
    WriteSnd& dialog;
};

WriteSnd::WriteSnd (MidiCntrState& c, WriteTarget t, std::function<void (int)> save)
    : controller (c), target (std::move (t)), saveBank (std::move (save)),
      readBackTimer (c.clock().makeTimer ([this] { readBack(); }))
{
    writtenName = sixteen (target.name);
    editorlook::style (title, 18.0f, true);
    editorlook::style (destinationLabel, 14.0f);
    editorlook::style (status, 13.0f);
    title.setText (isProgram() ? "WRITE PROGRAM" : "WRITE SETUP", juce::dontSendNotification);
    for (auto* l : { &title, &destinationLabel, &status })
        addAndMakeVisible (l);
    addAndMakeVisible (display);

    destinations = std::make_unique<Destinations> (*this);
    list.setModel (destinations.get());
    list.setRowHeight (writeRowHeight);
    list.setColour (juce::ListBox::backgroundColourId, skin::colours::panelFace);
    list.setColour (juce::ListBox::outlineColourId, skin::colours::edge);
    list.setOutlineThickness (1);
    list.setTitle ("Destination");
    addAndMakeVisible (list);

    for (auto* b : { &writeButton, &cancelButton, &renameButton, &mainCategoryButton, &subCategoryButton })
    {
        b->setListener (this);
        addAndMakeVisible (b);
    }
    mainCategoryButton.setVisible (isProgram());
    subCategoryButton.setVisible (isProgram());

    controller.bulkReceive().addListener (this);
    setDestination (proposedDestination());
}

WriteSnd::~WriteSnd()
{
    readBackTimer->stop();
    controller.bulkReceive().removeListener (this);
    list.setModel (nullptr);
}

int WriteSnd::typeId() const noexcept
{
    return isProgram() ? typeProgram : typeSetup;
}

int WriteSnd::proposedDestination() const
{
    const auto* holder = controller.model().holderFor (typeId());
    return holder != nullptr ? writedestination::propose (holder->bank()) : writedestination::first;
}

void WriteSnd::show (int x, int width, int m)
{
    writeMode = isProgram() && m == modeSequence ? modeSequence : modeStore;
    setBounds (x, 0, width, dialogHeight);
    setDestination (proposedDestination());
    setStatus (controller.objectEditing().isOnline() ? juce::String()
                                                     : juce::String ("OFF-LINE: WRITE keeps it in the library."));
}

void WriteSnd::setDestination (int n)
{
    number = std::clamp (n, writedestination::first, writedestination::last);
    const int row = Destinations::rowOfNumber (number);
    list.selectRow (row, false, true);
    list.scrollToEnsureRowIsOnscreen (row);
    showOnLcd();
}

void WriteSnd::setName (const juce::String& n)
{
    writtenName = sixteen (n);
    showOnLcd();
}

void WriteSnd::showOnLcd()
{
    juce::String category;
    if (isProgram() && target.category != nullptr && target.subType != nullptr)
    {
        const int c = target.category(), s = target.subType();
        category = juce::String (programCategoryText (c));
        if (const auto sub = programSubTypeName (c, s); ! sub.empty())
            category << " / " << sub;
    }
    display.show (isProgram() ? "WRITE PROGRAM TO" : "WRITE SETUP TO", number, writtenName.trimEnd(), category);
}

void WriteSnd::setStatus (const juce::String& text)
{
    status.setText (text, juce::dontSendNotification);
}

SkinButton* WriteSnd::button (int id) noexcept
{
    for (auto* b : { &writeButton, &cancelButton, &renameButton, &mainCategoryButton, &subCategoryButton })
        if (b->number() == id)
            return b;
    return nullptr;
}

// --------------------------------------------------------------------- buttons

void WriteSnd::gskButtonPressed (int id)
{
    switch (id)
    {
        case writeId: writePressed(); break;
        case cancelId: cancelPressed(); break;
        case renameId: rename(); break;
        case mainCategoryId: showCategoryMenu (false); break;
        case subCategoryId: showCategoryMenu (true); break;
        default: break;
    }
}

void WriteSnd::rename()
{
    pad = std::make_unique<NameKeyPad> (writtenName.trimEnd());
    pad->onEnter = [this] (const juce::String& text) {
        setName (text);
        juce::MessageManager::callAsync ([safe = juce::Component::SafePointer<WriteSnd> (this)] {
            if (safe != nullptr)
                safe->pad.reset();
        });
    };
    pad->onCancel = [this] {
        juce::MessageManager::callAsync ([safe = juce::Component::SafePointer<WriteSnd> (this)] {
            if (safe != nullptr)
                safe->pad.reset();
        });
    };
    addAndMakeVisible (*pad);
    resized();
    pad->textBox().grabKeyboardFocus();
}

void WriteSnd::showCategoryMenu (bool sub)
{
    if (! isProgram() || target.category == nullptr)
        return;
    juce::PopupMenu menu;
    const int category = target.category();
    if (! sub)
        for (int c = 0; c <= lastProgramCategory; ++c)
            menu.addItem (c + 1, programCategoryName (c), true, c == category);
    else
    {
        for (int s = 1; s <= lastSubType; ++s)
            if (const auto name = programSubTypeName (category, s); ! name.empty())
                menu.addItem (s + 1, name, true, s == target.subType());
        if (menu.getNumItems() == 0)
            menu.addItem (1, "(no sub-types in this category)", false);
    }
    auto* anchor = sub ? &subCategoryButton : &mainCategoryButton;
    menu.showMenuAsync (juce::PopupMenu::Options().withTargetComponent (anchor),
                        [safe = juce::Component::SafePointer<WriteSnd> (this), sub] (int chosen) {
                            if (safe == nullptr || chosen <= 0)
                                return;
                            sub ? safe->chooseSubType (chosen - 1) : safe->chooseCategory (chosen - 1);
                        });
}

void WriteSnd::chooseCategory (int c)
{
    if (target.chooseCategory != nullptr)
        target.chooseCategory (c);
    showOnLcd();
}

void WriteSnd::chooseSubType (int s)
{
    if (target.chooseSubType != nullptr)
        target.chooseSubType (s);
    showOnLcd();
}

void WriteSnd::cancelPressed()
{
    readBackTimer->stop();
    finish (cancelCode);
}

void WriteSnd::finish (int c)
{
    code = c;
    if (onFinished != nullptr)
        onFinished (c);
}

void WriteSnd::writePressed()
{
    if (writing)
        return;
    auto& editing = controller.objectEditing();
    if (! editing.isOnline())
    {
        storeOffLine();
        return;
    }
    if (controller.bulkReceive().isActive())
    {
        setStatus ("A transfer is under way; WRITE again when it has finished.");
        return;
    }

    const auto name = writtenName.toStdString();
    bool sent = false;
    if (writeMode == modeSequence)
        sent = editing.writeProgram (target.slot, number, name);
    else
    {
        if (target.sendEdits != nullptr)
            target.sendEdits();
        sent = editing.storeWithName (target.kind, number, target.slot, name);
    }
    if (! sent)
    {
        setStatus ("Nothing was sent: the instrument is not on line.");
        return;
    }
    writing = true;
    for (auto* b : { &writeButton, &renameButton, &mainCategoryButton, &subCategoryButton })
        b->setEnabled (false);
    list.setEnabled (false);
    setStatus ("Writing " + juce::String (number) + " \"" + writtenName.trimEnd() + "\"...");
    readBackTimer->start (readBackDelayMs);
}

void WriteSnd::readBack()
{
    readBackTimer->stop();
    const int kind = isProgram() ? fetchProgram : fetchSetup;
    if (! controller.bulkReceive().fetchSingle (kind, number))
    {
        setStatus ("Written; it could not be read back, as another transfer is under way.");
        writing = false;
        return;
    }
    readingBack = true;
    progress = std::make_unique<ProgBar> (controller.bulkReceive(), transfer::directionReceive, ProgBar::Form::reduced);
    addAndMakeVisible (*progress);
    resized();
}

void WriteSnd::receiveStopped()
{
    if (! readingBack)
        return;
    readingBack = false;
    writing = false;
    const auto& summary = controller.bulkReceive().summary();
    const auto* holder = controller.model().holderFor (typeId());
    if (summary.received > 0 && holder != nullptr && holder->bank().exists (number))
    {
        if (target.written != nullptr)
            target.written (number, writtenName);
        setStatus ("Written and read back: " + juce::String (number) + " \"" + writtenName.trimEnd() + "\"");
        finish (writtenCode);
        return;
    }
    // The bank is not changed when nothing came back.
    setStatus ("The instrument sent nothing back for " + juce::String (number) + ": " + ProgBar::summaryText (summary));
    for (auto* b : { &writeButton, &renameButton, &mainCategoryButton, &subCategoryButton })
        b->setEnabled (true);
    list.setEnabled (true);
}

void WriteSnd::storeOffLine()
{
    auto* holder = controller.model().holderFor (typeId());
    const auto record = target.recordFor != nullptr ? target.recordFor (writtenName.toStdString()) : Bytes();
    if (holder == nullptr || record.size() <= (std::size_t) ObjectRecord::nameLength
        || ! holder->storeRecord (number, ByteView (record)))
    {
        setStatus ("Nothing to keep: the object has no data.");
        return;
    }
    if (saveBank != nullptr)
        saveBank (typeId());
    if (target.written != nullptr)
        target.written (number, writtenName);
    setStatus ("Kept in the library as " + juce::String (number) + " \"" + writtenName.trimEnd() + "\"");
    finish (writtenCode);
}

// ---------------------------------------------------------------------- drawing

void WriteSnd::paint (juce::Graphics& g)
{
    g.fillAll (skin::colours::veil);
    const auto box = panel.toFloat();
    g.setColour (skin::colours::dialogFace);
    g.fillRoundedRectangle (box, 8.0f);
    g.setColour (skin::colours::dialogFrame);
    g.drawRoundedRectangle (box.reduced (0.5f), 8.0f, 1.5f);
}

void WriteSnd::resized()
{
    panel = juce::Rectangle<int> (panelWidth, panelHeight).withCentre (getLocalBounds().getCentre());
    auto area = panel.reduced (margin);
    title.setBounds (area.removeFromTop (30));
    area.removeFromTop (8);

    auto top = area.removeFromTop (WriteLcd::lcdHeight);
    display.setBounds (top.removeFromLeft (WriteLcd::lcdWidth));
    top.removeFromLeft (margin);
    renameButton.setBounds (top.removeFromTop (writeButtonHeight).withWidth (writeButtonWidth));
    top.removeFromTop (4);
    mainCategoryButton.setBounds (top.removeFromTop (writeButtonHeight).withWidth (writeButtonWidth));
    top.removeFromTop (4);
    subCategoryButton.setBounds (top.removeFromTop (writeButtonHeight).withWidth (writeButtonWidth));

    area.removeFromTop (12);
    destinationLabel.setBounds (area.removeFromTop (22));
    auto bottom = area.removeFromBottom (writeButtonHeight);
    cancelButton.setBounds (bottom.removeFromRight (120));
    bottom.removeFromRight (10);
    writeButton.setBounds (bottom.removeFromRight (120));
    area.removeFromBottom (8);
    status.setBounds (area.removeFromBottom (24));
    area.removeFromBottom (4);
    if (progress != nullptr)
    {
        progress->setBounds (area.removeFromBottom (ProgBar::reducedHeight).withSizeKeepingCentre (ProgBar::reducedWidth, ProgBar::reducedHeight));
        area.removeFromBottom (4);
    }
    list.setBounds (area);

    if (pad != nullptr)
        pad->setBounds (juce::Rectangle<int> (NameKeyPad::padWidth, NameKeyPad::padHeight).withCentre (panel.getCentre()));
}

} // namespace zr9
