#include "ObjectSelector.h"

#include "controller/MidiCntrState.h"
#include "ui/SkinFonts.h"
#include "ui/SkinPalette.h"

namespace zr9
{

namespace
{
    constexpr int columnMargin = 6;
    constexpr int partGap = 4, compactGap = 2;
    constexpr int fieldHeight = 24, compactFieldHeight = 22;
    constexpr int columnTitleHeight = 20, compactTitleHeight = 18;
    constexpr int statusHeight = 30, compactStatusHeight = 16;
    constexpr int actionHeight = 28, compactActionHeight = 24;
    constexpr int compactNumberWidth = 44;
    constexpr int bannerHeight = 26;
    /** Below this height the column packs its parts closer together. */
    constexpr int compactBelow = 280;
    constexpr int numberDigits = 4;
    constexpr int maxTypedDigits = 5;
    constexpr int numberColumnWidth = 60;
    constexpr int nameColumnWidth = 280;
    constexpr int allCategoriesId = 1;
    constexpr int categoryIdOffset = 2; // combo ids must not be 0
    constexpr int rangeAllId = 1, rangeLowerId = 2, rangeUpperId = 3;

    bool onlyDigits (const juce::String& s)
    {
        return s.isNotEmpty() && s.containsOnly ("0123456789");
    }
} // namespace

// -------------------------------------------------------------------------- field

SelectorField::SelectorField (const juce::String& name) : juce::TextEditor (name)
{
    setTextToShowWhenEmpty (name, skin::colours::textDim);
    setSelectAllWhenFocused (true);
    setEscapeAndReturnKeysConsumed (true);
    onEscapeKey = [this] { clear(); };
}

bool SelectorField::keyPressed (const juce::KeyPress& key)
{
    if (onStep != nullptr && (key == juce::KeyPress::upKey || key == juce::KeyPress::downKey))
    {
        onStep (key == juce::KeyPress::upKey ? -1 : 1);
        return true;
    }
    return juce::TextEditor::keyPressed (key);
}

// ----------------------------------------------------------------------- building

ObjectSelector::ObjectSelector (MidiCntrState& c, ObjBankHolder& h, Description d, FavoritesFile* favourites)
    : controllerState (c), favoritesFile (favourites), holder (h), desc (std::move (d))
{
    setLookAndFeel (&look.get());

    title.setText (desc.title, juce::dontSendNotification);
    title.setFont (skin::font (15.0f, true));
    title.setColour (juce::Label::textColourId, skin::colours::text);
    addAndMakeVisible (title);

    numberEntry.setInputRestrictions (maxTypedDigits, "0123456789");
    numberEntry.setTitle ("Number");
    numberEntry.onReturnKey = [this] { enterNumber (numberEntry.getText()); };
    numberEntry.onStep = [this] (int delta) { step (delta); };
    addAndMakeVisible (numberEntry);

    searchEntry.setTitle ("Search");
    searchEntry.onTextChange = [this] { setSearchText (searchEntry.getText()); };
    searchEntry.onReturnKey = [this] { searchReturn(); };
    searchEntry.onStep = [this] (int delta) { step (delta); };
    addAndMakeVisible (searchEntry);

    categoryChoice.setTitle ("Category");
    categoryChoice.onChange = [this]
    {
        const int id = categoryChoice.getSelectedId();
        setCategoryFilter (id >= categoryIdOffset ? id - categoryIdOffset : SelectorList::allCategories);
    };
    addChildComponent (categoryChoice);
    categoryChoice.setVisible (! desc.categories.empty());

    bankChoice.setTitle ("Bank");
    bankChoice.onChange = [this]
    {
        const int id = bankChoice.getSelectedId();
        setRangeFilter (id == rangeLowerId ? BankRange::lower : id == rangeUpperId ? BankRange::upper : BankRange::all);
    };
    addAndMakeVisible (bankChoice);

    status.setFont (skin::font (12.0f));
    status.setJustificationType (juce::Justification::topLeft);
    status.setMinimumHorizontalScale (0.8f);
    addAndMakeVisible (status);

    for (auto* b : { &edit, &library, &favoritesButton, &ok, &filesButton, &auditionButton })
    {
        b->setListener (this);
        addAndMakeVisible (*b);
    }

    banner.setFont (skin::font (14.0f, true));
    banner.setColour (juce::Label::backgroundColourId, skin::colours::chosenFace);
    banner.setColour (juce::Label::textColourId, juce::Colours::white);
    banner.setJustificationType (juce::Justification::centredLeft);
    addChildComponent (banner);
    fileCommands.onStatus = [this] (const juce::String& text, bool problem) { showStatus (text, problem); };

    rows.setModel (this);
    rows.setRowHeight (rowHeight);
    // Ctrl-click and Shift-click select several rows, for an export; a single click still plays its row.
    rows.setMultipleSelectionEnabled (true);
    rows.setTitle (desc.plural);
    auto& head = rows.getHeader();
    const int fixed = juce::TableHeaderComponent::notSortable | juce::TableHeaderComponent::notResizable;
    head.addColumn ("No.", numberColumn, numberColumnWidth, numberColumnWidth, numberColumnWidth, fixed);
    head.addColumn ("Name", nameColumn, nameColumnWidth, 80, -1, juce::TableHeaderComponent::notSortable);
    int id = firstExtraColumn;
    for (const auto& column : desc.extraColumns)
        head.addColumn (column.heading, id++, column.width, 40, -1, juce::TableHeaderComponent::notSortable);
    head.setStretchToFitActive (true);
    addAndMakeVisible (rows);

    emptyNote.setFont (skin::font (16.0f));
    emptyNote.setJustificationType (juce::Justification::centred);
    emptyNote.setColour (juce::Label::textColourId, skin::colours::textDim);
    emptyNote.setInterceptsMouseClicks (false, false);
    addChildComponent (emptyNote);

    holder.addChangeListener (this);
    updateActions();
}

ObjectSelector::~ObjectSelector()
{
    holder.removeChangeListener (this);
    cancelPendingUpdate();
    favorites.reset();
    rows.setModel (nullptr);
    setLookAndFeel (nullptr);
}

MidiCntrState& ObjectSelector::controller() noexcept
{
    return controllerState;
}

void ObjectSelector::setHeader (juce::Component* h)
{
    if (header != nullptr)
        removeChildComponent (header);
    header = h;
    if (header != nullptr)
        addAndMakeVisible (*header);
    resized();
}

void ObjectSelector::updateActions()
{
    edit.setVisible (desc.hasEditor);
    edit.setEnabled (onEdit != nullptr);
    library.setEnabled (onLibrary != nullptr);
    favoritesButton.setVisible (desc.favoritesMode >= 0);
    auditionButton.setVisible (desc.canAudition);
    auditionButton.setEnabled (onAudition != nullptr);
    filesButton.setEnabled (fileCommands.isAvailable());
    resized();
}

void ObjectSelector::setFileAccess (SelectorFiles::Access access)
{
    fileCommands.setAccess (std::move (access));
    updateActions();
}

void ObjectSelector::setBanner (const juce::String& text)
{
    banner.setText (text, juce::dontSendNotification);
    if (banner.isVisible() != text.isNotEmpty())
    {
        banner.setVisible (text.isNotEmpty());
        resized();
    }
}

void ObjectSelector::showStatus (const juce::String& text, bool problem)
{
    status.setColour (juce::Label::textColourId, problem ? skin::colours::warning : skin::colours::listText);
    status.setText (text, juce::dontSendNotification);
}

SkinButton& ObjectSelector::actionButton (Action a)
{
    switch (a)
    {
        case actionEdit: return edit;
        case actionLibrary: return library;
        case actionFavorites: return favoritesButton;
        case actionFiles: return filesButton;
        case actionAudition: return auditionButton;
        case actionOk: default: return ok;
    }
}

// ------------------------------------------------------------------- the bank

void ObjectSelector::rebuild()
{
    entries.setEntries (buildEntries());
    stale = false;
    fillCategoryChoices();

    const int cap = holder.bank().cap();
    const auto upper = cap > SelectorList::lastLowerNumber ? juce::String (firstUserObjectNumber) + "-" + juce::String (cap)
                                                           : juce::String (firstUserObjectNumber) + " and up";
    const auto lower = "1-" + juce::String (SelectorList::lastLowerNumber);
    bankChoice.clear (juce::dontSendNotification);
    bankChoice.addItem (desc.factoryAndUser ? "Factory + User" : "All numbers", rangeAllId);
    bankChoice.addItem (desc.factoryAndUser ? "Factory " + lower : lower, rangeLowerId);
    bankChoice.addItem (desc.factoryAndUser ? "User " + upper : upper, rangeUpperId);
    const auto r = entries.range();
    bankChoice.setSelectedId (r == BankRange::lower ? rangeLowerId : r == BankRange::upper ? rangeUpperId : rangeAllId,
                              juce::dontSendNotification);
    listChanged();
}

void ObjectSelector::fillCategoryChoices()
{
    if (desc.categories.empty())
        return;
    categoryChoice.clear (juce::dontSendNotification);
    categoryChoice.addItem ("All categories", allCategoriesId);
    for (const auto& [category, name] : desc.categories)
    {
        // An empty category stays in the list, greyed, so the list reads the same whatever the bank holds.
        const int count = entries.countInCategory (category);
        categoryChoice.addItem (juce::String (name) + "  (" + juce::String (count) + ")", category + categoryIdOffset);
        categoryChoice.setItemEnabled (category + categoryIdOffset, count > 0);
    }
    const int c = entries.category();
    categoryChoice.setSelectedId (c == SelectorList::allCategories ? allCategoriesId : c + categoryIdOffset, juce::dontSendNotification);
}

void ObjectSelector::objectChanged (ObjectChangeNotifier&, int changeCode)
{
    if (changeCode != ObjBankHolder::codeBankChanged)
        return;
    // A fetch stores one object after another: the list is rebuilt once for all of them.
    stale = true;
    triggerAsyncUpdate();
}

void ObjectSelector::handleAsyncUpdate()
{
    if (stale && isVisible())
        rebuild();
}

void ObjectSelector::visibilityChanged()
{
    if (isVisible() && stale)
        rebuild();
    else if (isVisible())
        showCurrent();
}

// --------------------------------------------------------------- the list rows

void ObjectSelector::updateRows()
{
    // A list that shrinks drops its lit row; that is the page's doing, not a choice.
    const juce::ScopedValueSetter<bool> byThePage (lighting, true);
    rows.updateContent();
}

void ObjectSelector::listChanged()
{
    updateRows();
    showCurrent();
    showCount();
    const bool empty = entries.size() == 0;
    if (empty)
        emptyNote.setText (entries.entries().empty() ? desc.emptyText : "No " + desc.plural + " match", juce::dontSendNotification);
    emptyNote.setVisible (empty);
    rows.repaint();
}

void ObjectSelector::showCount()
{
    status.setColour (juce::Label::textColourId, skin::colours::textDim);
    const int total = (int) entries.entries().size();
    const int shown = entries.size();
    status.setText (shown == total ? juce::String (total) + " " + desc.plural
                                   : juce::String (shown) + " of " + juce::String (total) + " " + desc.plural,
                    juce::dontSendNotification);
}

void ObjectSelector::showCurrent()
{
    light (currentNumber(), true);
}

void ObjectSelector::light (int n, bool scroll)
{
    const juce::ScopedValueSetter<bool> byThePage (lighting, true);
    const int r = entries.rowOf (n);
    if (r < 0)
    {
        rows.deselectAllRows();
        return;
    }
    rows.selectRow (r, true, true);
    // Scrolled apart from the selection: a row selected already is not scrolled to by the list itself.
    if (scroll)
        bringIntoView (r);
}

void ObjectSelector::bringIntoView (int r)
{
    auto* view = rows.getViewport();
    if (view == nullptr || view->getViewHeight() <= 0)
        return;
    const int top = r * rowHeight;
    const int shownTop = view->getViewPositionY();
    if (top >= shownTop && top + rowHeight <= shownTop + view->getViewHeight())
        return;
    // A row out of sight comes to the middle, with its neighbours on both sides.
    view->setViewPosition (0, std::max (0, top - (view->getViewHeight() - rowHeight) / 2));
}

int ObjectSelector::litNumber() const
{
    const int r = rows.getSelectedRow();
    return r >= 0 && r < entries.size() ? entries.row (r).number : 0;
}

std::vector<int> ObjectSelector::selectedNumbers() const
{
    std::vector<int> out;
    const auto selected = rows.getSelectedRows();
    for (int i = 0; i < selected.size(); ++i)
        if (const int r = selected[i]; r >= 0 && r < entries.size())
            out.push_back (entries.row (r).number);
    std::sort (out.begin(), out.end());
    return out;
}

void ObjectSelector::paintRowBackground (juce::Graphics& g, int row, int width, int height, bool selected)
{
    g.fillAll (row % 2 == 0 ? skin::colours::rowEven : skin::colours::track);
    if (selected)
    {
        g.setColour (skin::colours::chosenFace);
        g.fillRect (0, 0, width, height);
        g.setColour (skin::colours::accent);
        g.fillRect (0, 0, 3, height);
    }
}

void ObjectSelector::paintCell (juce::Graphics& g, int row, int column, int width, int height, bool selected)
{
    if (row < 0 || row >= entries.size())
        return;
    const auto& e = entries.row (row);
    const auto area = juce::Rectangle<int> (8, 0, width - 12, height);
    if (column == numberColumn)
    {
        g.setColour (skin::colours::number);
        g.setFont (skin::font (15.0f, true));
        g.drawText (juce::String (e.number).paddedLeft ('0', numberDigits), area, juce::Justification::centredLeft, false);
        return;
    }
    if (column == nameColumn)
    {
        g.setColour (selected ? skin::colours::white : skin::colours::listText);
        g.setFont (skin::font (16.0f));
        g.drawText (juce::String (e.name), area, juce::Justification::centredLeft, true);
        return;
    }
    const int extra = column - firstExtraColumn;
    if (extra >= 0 && extra < (int) e.extra.size())
    {
        g.setColour (selected ? skin::colours::white.withAlpha (0.85f) : skin::colours::textDim);
        g.setFont (skin::font (13.0f));
        g.drawText (juce::String (e.extra[(size_t) extra]), area, juce::Justification::centredLeft, true);
    }
}

void ObjectSelector::selectedRowsChanged (int lastRowSelected)
{
    if (lighting || lastRowSelected < 0 || lastRowSelected >= entries.size())
        return;
    // Several rows are a choice for an export; only a single row plays.
    if (const int count = rows.getNumSelectedRows(); count > 1)
    {
        showStatus (juce::String (count) + " " + desc.plural + " selected", false);
        return;
    }
    choose (entries.row (lastRowSelected).number);
}

void ObjectSelector::returnKeyPressed (int lastRowSelected)
{
    if (lastRowSelected >= 0 && lastRowSelected < entries.size())
        choose (entries.row (lastRowSelected).number);
}

// ------------------------------------------------------------- choosing

void ObjectSelector::openOn (int n)
{
    if (stale)
        rebuild();
    if (n > 0)
        lastChosen = n;
    channelChanged(); // the channel may have changed while the page was away
}

void ObjectSelector::liveRowChanged (int row, int)
{
    if (followsRow (row))
        showCurrent();
}

bool ObjectSelector::choose (int n)
{
    if (stale)
        rebuild();
    if (entries.find (n) == nullptr)
        return false;
    lastChosen = n;
    apply (n);
    light (n, true);
    showCount();
    if (onChosen != nullptr)
        onChosen (n);
    return true;
}

bool ObjectSelector::enterNumber (const juce::String& typed)
{
    if (stale)
        rebuild();
    const auto text = typed.trim();
    if (! onlyDigits (text))
        return false;

    const int cap = holder.bank().cap();
    // More digits than any bank has numbers: no int conversion can be trusted with them.
    const juce::int64 wanted = text.length() > 9 ? juce::int64 (cap) + 1 : text.getLargeIntValue();
    if (wanted < 1 || wanted > cap || entries.find ((int) wanted) == nullptr)
    {
        status.setColour (juce::Label::textColourId, skin::colours::warning);
        status.setText (wanted > cap ? "No " + desc.singular + " " + text + ": the bank ends at " + juce::String (cap)
                                     : "No " + desc.singular + " " + text + " in the bank",
                        juce::dontSendNotification);
        numberEntry.selectAll();
        return false;
    }

    const int n = (int) wanted;
    if (entries.rowOf (n) < 0)
    {
        // The number asked for is shown, whatever the filters held back.
        entries.clearFilters();
        searchEntry.setText ({}, juce::dontSendNotification);
        fillCategoryChoices();
        bankChoice.setSelectedId (rangeAllId, juce::dontSendNotification);
        updateRows();
        emptyNote.setVisible (false);
    }
    numberEntry.clear();
    return choose (n);
}

void ObjectSelector::setSearchText (const juce::String& text)
{
    if (searchEntry.getText() != text)
        searchEntry.setText (text, juce::dontSendNotification);
    entries.setSearch (text.toStdString());
    listChanged();
}

void ObjectSelector::setCategoryFilter (int category)
{
    entries.setCategory (category);
    const int c = entries.category();
    if (! desc.categories.empty())
        categoryChoice.setSelectedId (c == SelectorList::allCategories ? allCategoriesId : c + categoryIdOffset,
                                      juce::dontSendNotification);
    listChanged();
}

void ObjectSelector::setRangeFilter (BankRange range)
{
    entries.setRange (range);
    bankChoice.setSelectedId (range == BankRange::lower ? rangeLowerId : range == BankRange::upper ? rangeUpperId : rangeAllId,
                              juce::dontSendNotification);
    listChanged();
}

void ObjectSelector::step (int delta)
{
    if (entries.size() == 0)
        return;
    int r = entries.rowOf (litNumber());
    r = r < 0 ? (delta > 0 ? 0 : entries.size() - 1) : juce::jlimit (0, entries.size() - 1, r + delta);
    choose (entries.row (r).number);
}

void ObjectSelector::searchReturn()
{
    // Enter takes the first match unless a shown row is lit already.
    if (entries.size() > 0 && entries.rowOf (litNumber()) < 0)
        choose (entries.row (0).number);
}

// ------------------------------------------------------------------ actions

void ObjectSelector::gskButtonPressed (int action)
{
    switch (action)
    {
        case actionEdit:
            if (onEdit != nullptr)
                onEdit (currentNumber());
            break;
        case actionLibrary:
            if (onLibrary != nullptr)
                onLibrary (currentNumber());
            break;
        case actionFavorites:
            showFavorites (favorites == nullptr);
            break;
        case actionOk:
            showFavorites (false);
            if (onClose != nullptr)
                onClose();
            break;
        case actionFiles:
            fileCommands.showMenu (filesButton, selectedNumbers());
            break;
        case actionAudition:
            if (onAudition != nullptr)
                onAudition();
            break;
        default:
            break;
    }
}

// -------------------------------------------------------------------- files

bool ObjectSelector::isInterestedInFileDrag (const juce::StringArray& dropped)
{
    return fileCommands.isAvailable() && ! dropped.isEmpty();
}

void ObjectSelector::filesDropped (const juce::StringArray& dropped, int, int)
{
    if (dropped.isEmpty())
        return;
    if (dropped.size() > 1)
        showStatus ("One file at a time: " + juce::File (dropped[0]).getFileName() + " is imported.", true);
    fileCommands.importFrom (juce::File (dropped[0]));
}

// ------------------------------------------------------------------- layout

void ObjectSelector::paint (juce::Graphics& g)
{
    g.fillAll (skin::colours::window);
    g.setColour (skin::colours::edge);
    g.fillRect (columnWidth, 0, 1, getHeight());
}

void ObjectSelector::resized()
{
    const bool compact = getHeight() < compactBelow;
    const int between = compact ? compactGap : partGap;
    const int field = compact ? compactFieldHeight : fieldHeight;

    auto column = juce::Rectangle<int> (0, 0, columnWidth, getHeight()).reduced (columnMargin, compact ? 3 : columnMargin);
    title.setBounds (column.removeFromTop (compact ? compactTitleHeight : columnTitleHeight));
    column.removeFromTop (between);
    if (header != nullptr)
    {
        header->setBounds (column.removeFromTop (field));
        column.removeFromTop (between);
    }
    if (compact)
    {
        // Above the keyboard panel the number entry and the search share a line.
        auto line = column.removeFromTop (field);
        numberEntry.setBounds (line.removeFromLeft (compactNumberWidth));
        line.removeFromLeft (between);
        searchEntry.setBounds (line);
    }
    else
    {
        numberEntry.setBounds (column.removeFromTop (field));
        column.removeFromTop (between);
        searchEntry.setBounds (column.removeFromTop (field));
    }
    numberEntry.setTextToShowWhenEmpty (compact ? "No." : "Number", skin::colours::textDim);
    column.removeFromTop (between);
    if (categoryChoice.isVisible())
    {
        categoryChoice.setBounds (column.removeFromTop (field));
        column.removeFromTop (between);
    }
    bankChoice.setBounds (column.removeFromTop (field));
    column.removeFromTop (between);
    status.setBounds (column.removeFromTop (compact ? compactStatusHeight : statusHeight));

    // The actions from the foot of the column up: "OK", then "EDIT" and "LIBRARY" side by side,
    // then "AUDITION" and "FILES" side by side, then "FAVORITES". Packed closer, "FAVORITES"
    // shares the last row with "OK", so the column needs no more rows than before "FILES" came.
    const int actionRow = compact ? compactActionHeight : actionHeight;
    const int half = (column.getWidth() - between) / 2;
    auto okRow = column.removeFromBottom (actionRow);
    if (compact && favoritesButton.isVisible())
    {
        favoritesButton.setBounds (okRow.removeFromLeft (half));
        okRow.removeFromLeft (between);
    }
    ok.setBounds (okRow);
    column.removeFromBottom (between);
    auto pair = column.removeFromBottom (actionRow);
    if (edit.isVisible())
    {
        edit.setBounds (pair.removeFromLeft (half));
        pair.removeFromLeft (between);
    }
    library.setBounds (pair);
    column.removeFromBottom (between);
    auto fileRow = column.removeFromBottom (actionRow);
    if (auditionButton.isVisible())
    {
        auditionButton.setBounds (fileRow.removeFromLeft (half));
        fileRow.removeFromLeft (between);
    }
    filesButton.setBounds (fileRow);
    if (favoritesButton.isVisible() && ! compact)
    {
        column.removeFromBottom (between);
        favoritesButton.setBounds (column.removeFromBottom (actionRow));
    }

    auto listArea = getLocalBounds().withTrimmedLeft (columnWidth + 1);
    if (banner.isVisible())
        banner.setBounds (listArea.removeFromTop (bannerHeight));
    rows.setBounds (listArea);
    if (const int lit = rows.getSelectedRow(); lit >= 0)
        bringIntoView (lit);
    emptyNote.setBounds (listArea.reduced (20).withTrimmedTop (rowHeight));
    if (favorites != nullptr)
        favorites->setBounds (getLocalBounds());
    fileCommands.layOut();
}

} // namespace zr9
