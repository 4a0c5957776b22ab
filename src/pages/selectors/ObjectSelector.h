#pragma once

#include "FavoriteCont.h"
#include "SelectorFiles.h"
#include "SelectorList.h"

#include "controller/LiveTable.h"
#include "model/ObjBankHolder.h"
#include "ui/PanelLookAndFeel.h"
#include "ui/SkinButton.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace zr9
{

class MidiCntrState;
class FavoritesFile;

/** A text field of a selector: Up and Down step through the list, Escape empties it. */
class SelectorField : public juce::TextEditor
{
public:
    explicit SelectorField (const juce::String& name);
    /** Told of Up (-1) and Down (+1). */
    std::function<void (int)> onStep;
    bool keyPressed (const juce::KeyPress& key) override;
};

/**
    The design every object selector shares: a column 126 pixels wide with
    the title, what the selector works on, the number entry, the name
    search, the category and bank filters, the count and the actions
    ("EDIT", "LIBRARY", "FAVORITES", "OK"), and beside it the list of the
    bank's objects.

    A click on a row, the arrow keys in the list or the search field, Enter
    in the search field and a number typed with Enter select an object: the
    page type sends it through the live rows (apply()), the row is lit and
    `onChosen` is told. Only objects the bank holds can be selected: holes,
    empty slots and numbers beyond the bank's cap are refused.

    The page follows its bank: every change of it (a fetch, a store) rebuilds
    the list once, keeping the filters and the search; a hidden page rebuilds
    when it is shown. What plays now is lit whenever the main component
    hands the page a changed live row. Message thread.
*/
class ObjectSelector : public juce::Component,
                       public gskbutListener,
                       public juce::FileDragAndDropTarget,
                       private juce::TableListBoxModel,
                       private ObjectChangeListener,
                       private juce::AsyncUpdater
{
public:
    static constexpr int columnWidth = 126;
    static constexpr int rowHeight = 26;
    static constexpr int numberColumn = 1;
    static constexpr int nameColumn = 2;
    static constexpr int firstExtraColumn = 3;

    /** The action buttons' numbers. */
    enum Action { actionEdit = 1, actionLibrary = 2, actionFavorites = 3, actionOk = 4, actionFiles = 5, actionAudition = 6 };

    struct Column
    {
        juce::String heading;
        int width;
    };

    /** What one page type shows and offers. */
    struct Description
    {
        juce::String title;                 // "PROGRAMS"
        juce::String singular, plural;      // "program", "programs"
        std::vector<Column> extraColumns;   // after number and name
        std::vector<std::pair<int, std::string>> categories; // the category filter's choices; none: no filter
        bool factoryAndUser = false;        // the bank filter names the ranges "Factory" and "User"
        bool hasEditor = false;             // offers "EDIT" (greyed until an editor is hooked in)
        int favoritesMode = -1;             // FavoriteCont mode; -1: no "FAVORITES"
        bool canAudition = false;           // offers "AUDITION" (greyed until `onAudition` is set)
        juce::String emptyText;             // shown while the bank holds nothing
    };

    /** favoritesFile: "Favorites.dat" as this instance shares it; nullptr when nothing may be written. */
    ObjectSelector (MidiCntrState& controller, ObjBankHolder& holder, Description description,
                    FavoritesFile* favoritesFile = nullptr);
    ~ObjectSelector() override;

    const Description& description() const noexcept { return desc; }
    int objectType() const noexcept { return holder.typeId(); }

    // ------------------------------------------------------ the main component
    /** Shows the page on this object: lit and scrolled to when listed; nothing is sent. */
    void openOn (int number);
    /** A live row changed elsewhere: the lit row follows when it is this page's row. */
    void liveRowChanged (int row, int value);
    /** The controller's channel changed elsewhere. */
    virtual void channelChanged() { showCurrent(); }
    /** Rebuilds the list from the bank now, keeping filters and search. */
    void rebuild();
    /** Lights the row of what plays now (or was chosen last) without sending anything. */
    void showCurrent();

    /** Told after "OK". */
    std::function<void()> onClose;
    /** Hooks for the program editor and the library manager: "EDIT" and "LIBRARY" stay greyed while they are empty. */
    std::function<void (int number)> onEdit, onLibrary;
    /** Told after every selection, with the number; the hook the editors use. */
    std::function<void (int number)> onChosen;
    /** "AUDITION": the hook the program selector plays the lit program from the library with. */
    std::function<void()> onAudition;
    /** Hooks an action in or out again after the page was built. */
    void updateActions();
    /** How the page reaches files: "FILES" and dropping files stay off without it. */
    void setFileAccess (SelectorFiles::Access access);
    /** A line of text across the top of the list; empty hides it. */
    void setBanner (const juce::String& text);
    juce::String bannerText() const { return banner.isVisible() ? banner.getText() : juce::String(); }

    // ------------------------------------------------------- the user's moves
    /** Selects an object the bank holds; false, and nothing happens, for any other number. */
    bool choose (int number);
    /** The number entry with Enter: selects the number when the bank holds it, else says why not. */
    bool enterNumber (const juce::String& typed);
    void setSearchText (const juce::String& text);
    /** -1 for all categories. */
    void setCategoryFilter (int category);
    void setRangeFilter (BankRange range);
    void showFavorites (bool shown);

    // ------------------------------------------------------------------- state
    const SelectorList& list() const noexcept { return entries; }
    /** The number of the lit row; 0 when none is lit. */
    int litNumber() const;
    /** The numbers of every selected row (Ctrl-click and Shift-click select several), rising. */
    std::vector<int> selectedNumbers() const;
    SelectorFiles& files() noexcept { return fileCommands; }
    juce::TableListBox& table() noexcept { return rows; }
    SelectorField& numberField() noexcept { return numberEntry; }
    SelectorField& searchField() noexcept { return searchEntry; }
    juce::ComboBox& categoryBox() noexcept { return categoryChoice; }
    juce::ComboBox& bankBox() noexcept { return bankChoice; }
    SkinButton& actionButton (Action a);
    juce::String statusText() const { return status.getText(); }
    juce::String emptyListText() const { return emptyNote.isVisible() ? emptyNote.getText() : juce::String(); }
    FavoriteCont* favoritesPanel() noexcept { return favorites.get(); }

    void gskButtonPressed (int number) override;
    bool isInterestedInFileDrag (const juce::StringArray& files) override;
    void filesDropped (const juce::StringArray& files, int x, int y) override;
    void paint (juce::Graphics& g) override;
    void resized() override;
    void visibilityChanged() override;

protected:
    MidiCntrState& controller() noexcept;
    /** The number that plays now, or the last one chosen; 0 for none. */
    virtual int currentNumber() const { return lastChosen; }
    /** What a selection does beyond lighting its row: the live rows it sets, with sending. */
    virtual void apply (int number) { juce::ignoreUnused (number); }
    /** True for the live rows whose change moves currentNumber(). */
    virtual bool followsRow (int row) const { juce::ignoreUnused (row); return false; }
    /** The objects of the bank, as this type lists them. */
    virtual std::vector<SelectorEntry> buildEntries() = 0;
    /** Puts a component (a channel chooser, a line of text) under the title. */
    void setHeader (juce::Component* header);
    /** Shows a message in the column, in the warning colour when it is a problem. */
    void showStatus (const juce::String& text, bool problem);

    MidiCntrState& controllerState;
    FavoritesFile* favoritesFile;
    ObjBankHolder& holder;

private:
    // TableListBoxModel
    int getNumRows() override { return entries.size(); }
    void paintRowBackground (juce::Graphics&, int row, int width, int height, bool selected) override;
    void paintCell (juce::Graphics&, int row, int column, int width, int height, bool selected) override;
    void selectedRowsChanged (int lastRowSelected) override;
    void returnKeyPressed (int lastRowSelected) override;

    void objectChanged (ObjectChangeNotifier& source, int changeCode) override;
    void handleAsyncUpdate() override;

    void light (int number, bool scroll);
    void bringIntoView (int row);
    void updateRows();
    void listChanged();
    void step (int delta);
    void searchReturn();
    void fillCategoryChoices();
    void showCount();
    void favoriteEvent (int code, int slot);
    void favoriteAssigned (int number);
    void recall (int kind, int number);

    Description desc;
    SelectorList entries;
    int lastChosen = 0;
    bool stale = true;
    bool lighting = false; // a row lit by the page itself, not chosen by the user

    juce::SharedResourcePointer<PanelLookAndFeel> look;
    juce::Label title, status, emptyNote, banner;
    juce::Component* header = nullptr;
    SelectorField numberEntry { "Number" }, searchEntry { "Search" };
    juce::ComboBox categoryChoice, bankChoice;
    SkinButton edit { "EDIT", actionEdit }, library { "LIBRARY", actionLibrary },
               favoritesButton { "FAVORITES", actionFavorites }, ok { "OK", actionOk },
               filesButton { "FILES", actionFiles }, auditionButton { "AUDITION", actionAudition };
    juce::TableListBox rows;
    std::unique_ptr<FavoriteCont> favorites;
    SelectorFiles fileCommands { *this, controllerState, holder };

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (ObjectSelector)
};

} // namespace zr9
