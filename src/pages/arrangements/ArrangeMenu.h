#pragma once

#include "library/FileMan.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <functional>
#include <vector>

namespace zr9
{

class ArrangementHost;

/**
    The pop-up menu of the application bar's "ARRANGE" button: save the
    current arrangement to a ".zr9arr" file (item 11) and load one and send
    it to the instrument (item 21). Pages that arrive later (the update-host
    panel, the library manager) add their items with their own ids.

    What happened shows in the status line: a file that is not an arrangement
    is refused there, and so is a save that could not be written. Message
    thread.
*/
class ArrangeMenu
{
public:
    static constexpr int itemSaveCurrent = 11;
    static constexpr int itemLoad = 21;
    static constexpr const char* untitled = "Untitled";

    using ShowMessage = std::function<void (const juce::String&)>;

    ArrangeMenu (ArrangementHost& host, FileMan& files, ShowMessage showMessage);
    ~ArrangeMenu();

    /** Adds an item after the arrangement commands. */
    void addItem (int id, const juce::String& text, std::function<void()> action);

    /** The menu as it is shown: black, white text, highlighted items white on grey. */
    juce::PopupMenu menu();
    /** Opens the menu below the component; the chosen item is performed, nothing when none. */
    void show (juce::Component& target);
    bool isShowing() const noexcept { return showing; }

    void perform (int itemId);

private:
    struct Item
    {
        int id;
        juce::String text;
        std::function<void()> action;
    };

    void saveCurrent();
    void load();

    ArrangementHost& host;
    FileMan& files;
    ShowMessage showMessage;
    std::vector<Item> items;
    juce::LookAndFeel_V4 look;
    bool showing = false;
    std::shared_ptr<bool> alive = std::make_shared<bool> (true);
};

} // namespace zr9
