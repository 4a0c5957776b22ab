#include "ImportPanel.h"

#include "ui/SkinFonts.h"
#include "ui/SkinImages.h"
#include "ui/SkinPalette.h"

namespace zr9
{

namespace
{
    constexpr int margin = 14, gap = 8;
    constexpr int titleHeight = 26, choiceHeight = 24, summaryHeight = 22, buttonHeight = 30, buttonWidth = 200;
    constexpr int rowHeight = 22;
    constexpr int destinationGroup = 7301;
    constexpr float corner = 8.0f;

    juce::String counted (int count, int typeId)
    {
        return juce::String (count) + " " + objectWord (typeId, count);
    }
} // namespace

ImportPanel::ImportPanel (MidiCntrState& c, FileContents contents, juce::String name, std::function<void (int)> save)
    : controller (c), file (std::move (contents)), fileName (std::move (name)), saveBank (std::move (save))
{
    setLookAndFeel (&look.get());
    setWantsKeyboardFocus (true);

    title.setFont (skin::font (17.0f, true));
    title.setColour (juce::Label::textColourId, skin::colours::text);
    title.setText ("Import " + counted ((int) file.objects.size(), file.typeId) + " from " + fileName, juce::dontSendNotification);
    addAndMakeVisible (title);

    juce::StringArray lines;
    for (const auto& p : file.problems)
        lines.add (juce::String (p));
    problems.setText (lines.joinIntoString ("\n"), juce::dontSendNotification);
    problems.setFont (skin::font (13.0f));
    problems.setColour (juce::Label::textColourId, skin::colours::warning);
    problems.setJustificationType (juce::Justification::topLeft);
    addAndMakeVisible (problems);

    for (auto* b : { &ownChoice, &freeChoice })
    {
        b->setRadioGroupId (destinationGroup, juce::dontSendNotification);
        b->setColour (juce::ToggleButton::textColourId, skin::colours::listText);
        b->setColour (juce::ToggleButton::tickColourId, skin::colours::accent);
        addAndMakeVisible (*b);
    }
    ownChoice.onClick = [this] { setDestination (ImportDestination::ownNumbers); };
    freeChoice.onClick = [this] { setDestination (ImportDestination::firstFreeUserNumbers); };

    rows.setModel (this);
    rows.setRowHeight (rowHeight);
    auto& head = rows.getHeader();
    const int fixed = juce::TableHeaderComponent::notSortable;
    head.addColumn ("No.", columnNumber, 60, 50, 80, fixed);
    head.addColumn ("Name", columnName, 200, 80, -1, fixed);
    head.addColumn ("Category", columnCategory, 130, 40, -1, fixed);
    head.addColumn ("Goes to", columnDestination, 150, 60, -1, fixed);
    head.addColumn ("Replaces in the library", columnReplaces, 240, 80, -1, fixed);
    head.setColumnVisible (columnCategory, file.typeId == typeProgram);
    head.setStretchToFitActive (true);
    addAndMakeVisible (rows);

    summary.setFont (skin::font (14.0f));
    summary.setColour (juce::Label::textColourId, skin::colours::listText);
    addAndMakeVisible (summary);

    importIt.onClick = [this] { confirm(); };
    cancelIt.onClick = [this] { cancel(); };
    addAndMakeVisible (importIt);
    addAndMakeVisible (cancelIt);

    ownChoice.setToggleState (true, juce::dontSendNotification);
    replan();
}

ImportPanel::~ImportPanel()
{
    rows.setModel (nullptr);
    setLookAndFeel (nullptr);
}

ObjBankHolder* ImportPanel::holder() const
{
    return controller.model().holderFor (file.typeId);
}

void ImportPanel::setDestination (ImportDestination choice)
{
    (choice == ImportDestination::ownNumbers ? ownChoice : freeChoice).setToggleState (true, juce::dontSendNotification);
    current.choice = choice;
    replan();
}

void ImportPanel::replan()
{
    const auto choice = freeChoice.getToggleState() ? ImportDestination::firstFreeUserNumbers : ImportDestination::ownNumbers;
    if (auto* h = holder())
        current = planImport (file, h->bank(), choice);
    else
        current = {};
    showPlan();
}

void ImportPanel::showPlan()
{
    rows.updateContent();
    rows.repaint();

    const int type = file.typeId;
    juce::StringArray parts;
    parts.add (counted (current.storing(), type) + " will be stored");
    if (current.replacing() > 0)
        parts.add (juce::String (current.replacing()) + " of them replacing " + objectWord (type, current.replacing()) + " of the library");
    if (current.identical() > 0)
        parts.add (juce::String (current.identical()) + " already in the library as they are");
    if (current.leftOut() > 0)
        parts.add (juce::String (current.leftOut()) + " left out");
    summary.setText (parts.joinIntoString ("; ") + ".", juce::dontSendNotification);

    importIt.setButtonText (current.replacing() > 0 ? "IMPORT, REPLACING " + juce::String (current.replacing()) : juce::String ("IMPORT"));
    importIt.setEnabled (current.storing() > 0);
}

int ImportPanel::confirm()
{
    auto* h = holder();
    if (h == nullptr || current.storing() == 0)
        return 0;

    // What was shown is what was confirmed: a library changed since then is shown again first.
    const auto shown = current;
    replan();
    if (! samePlan (shown, current))
    {
        summary.setText ("The library changed meanwhile; here is what the import would do now. " + summary.getText(),
                         juce::dontSendNotification);
        return 0;
    }

    const int stored = applyImport (current, file, *h);
    if (stored > 0 && saveBank != nullptr)
        saveBank (file.typeId);

    int lowest = 0, highest = 0;
    for (const auto& r : current.rows)
        if (r.destination > 0 && ! r.identical)
        {
            lowest = lowest == 0 ? r.destination : std::min (lowest, r.destination);
            highest = std::max (highest, r.destination);
        }
    juce::String status = "Imported " + counted (stored, file.typeId) + " from " + fileName;
    if (stored > 0)
        status << " into " << (lowest == highest ? juce::String (lowest) : juce::String (lowest) + " to " + juce::String (highest));
    if (current.replacing() > 0)
        status << ", replacing " << current.replacing();
    if (current.identical() > 0)
        status << "; " << current.identical() << " already there";
    if (current.leftOut() > 0)
        status << "; " << current.leftOut() << " left out";
    status << ".";
    if (onFinished != nullptr)
        onFinished (status);
    return stored;
}

void ImportPanel::cancel()
{
    if (onFinished != nullptr)
        onFinished ("Nothing imported from " + fileName + ".");
}

bool ImportPanel::keyPressed (const juce::KeyPress& key)
{
    if (key == juce::KeyPress::escapeKey)
    {
        cancel();
        return true;
    }
    return false;
}

// ------------------------------------------------------------------- the rows

juce::String ImportPanel::cellText (int r, int column) const
{
    if (r < 0 || r >= (int) current.rows.size())
        return {};
    const auto& row = current.rows[(size_t) r];
    switch (column)
    {
        case columnNumber:      return juce::String (row.fileNumber).paddedLeft ('0', 4);
        case columnName:        return juce::String (row.name);
        case columnCategory:    return juce::String (row.category);
        case columnDestination: return row.destination > 0 ? juce::String (row.destination) : "left out: " + juce::String (row.why);
        case columnReplaces:
            if (row.identical)
                return "the same, nothing changes";
            return row.replaces ? juce::String (row.destination) + " " + juce::String (row.replacedName) : juce::String ("nothing (free)");
        default:                return {};
    }
}

void ImportPanel::paintRowBackground (juce::Graphics& g, int r, int, int, bool)
{
    const bool replaces = r >= 0 && r < (int) current.rows.size() && current.rows[(size_t) r].replaces;
    g.fillAll (replaces ? skin::colours::importReplacing : (r % 2 == 0 ? skin::colours::rowEven : skin::colours::track));
}

void ImportPanel::paintCell (juce::Graphics& g, int r, int column, int width, int height, bool)
{
    if (r < 0 || r >= (int) current.rows.size())
        return;
    const auto& row = current.rows[(size_t) r];
    const bool dim = row.identical || row.destination == 0;
    g.setColour (column == columnNumber ? skin::colours::number
               : column == columnReplaces && row.replaces ? skin::colours::warning
               : dim ? skin::colours::textDim : skin::colours::listText);
    g.setFont (skin::font (14.0f, column == columnNumber));
    g.drawText (cellText (r, column), 6, 0, width - 10, height, juce::Justification::centredLeft, true);
}

// ------------------------------------------------------------------- drawing

void ImportPanel::paint (juce::Graphics& g)
{
    g.fillAll (skin::colours::importShade);
    const auto box = getLocalBounds().toFloat().reduced (4.0f);
    g.setColour (skin::colours::window);
    g.fillRoundedRectangle (box, corner);
    g.setColour (skin::colours::edge);
    g.drawRoundedRectangle (box, corner, 1.5f);
}

void ImportPanel::resized()
{
    auto area = getLocalBounds().reduced (margin);
    title.setBounds (area.removeFromTop (titleHeight));
    const int problemLines = file.problems.empty() ? 0 : (int) file.problems.size();
    if (problemLines > 0)
    {
        area.removeFromTop (gap / 2);
        problems.setBounds (area.removeFromTop (std::min (problemLines * 17 + 4, area.getHeight() / 3)));
    }
    area.removeFromTop (gap / 2);
    auto choice = area.removeFromTop (choiceHeight);
    ownChoice.setBounds (choice.removeFromLeft (160));
    freeChoice.setBounds (choice.removeFromLeft (260));

    auto buttons = area.removeFromBottom (buttonHeight);
    cancelIt.setBounds (buttons.removeFromRight (120));
    buttons.removeFromRight (gap);
    importIt.setBounds (buttons.removeFromRight (buttonWidth));
    area.removeFromBottom (gap / 2);
    summary.setBounds (area.removeFromBottom (summaryHeight));
    area.removeFromBottom (gap / 2);
    area.removeFromTop (gap / 2);
    rows.setBounds (area);
}

} // namespace zr9
