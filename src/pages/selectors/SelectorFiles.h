#pragma once

#include "ImportPanel.h"

#include "library/FileMan.h"
#include "library/ObjectFiles.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <functional>
#include <memory>
#include <vector>

namespace zr9
{

/**
    A selector's files: export of the selected objects or of the whole bank
    to a bank file or (programs) a System Exclusive file, and import from
    either, chosen with the file dialogs or dropped onto the selector. An
    import goes through the import panel, which shows what the file holds
    and asks before anything is replaced; it goes into the bank of the
    file's type, whichever selector it was dropped on.

    Message thread.
*/
class SelectorFiles
{
public:
    /** What the selector is given by its owner to reach files; the commands stay greyed without `files`. */
    struct Access
    {
        FileMan* files = nullptr;
        /** Writes the library's data file of a type now. */
        std::function<void (int typeId)> saveBank;
        /** Shows a message in the window's status line. */
        std::function<void (const juce::String&)> tell;
    };

    /** The commands of the "FILES" menu. */
    enum Command { importCommand = 1, exportSelectedBank, exportSelectedSysex, exportAllBank, exportAllSysex };

    SelectorFiles (juce::Component& owner, MidiCntrState& controller, ObjBankHolder& holder);
    ~SelectorFiles();

    void setAccess (Access access) { reach = std::move (access); }
    bool isAvailable() const noexcept { return reach.files != nullptr; }

    /** Shows the "FILES" menu under `button`; `selected` are the numbers selected in the list. */
    void showMenu (juce::Component& button, std::vector<int> selected);
    /** Runs a command of the menu: asks for a file, then exports or imports. */
    void run (Command command, std::vector<int> selected);
    /** Why a command cannot run now; empty when it can. */
    juce::String refusal (Command command, const std::vector<int>& selected) const;

    /** Writes the objects of `numbers` to `file` and says what happened. */
    void exportTo (const std::vector<int>& numbers, objectfiles::Format format, const juce::File& file);
    /** Reads `file` and, when it holds objects, shows the import panel over the owner. */
    void importFrom (const juce::File& file);

    ImportPanel* importPanel() noexcept { return panel.get(); }
    /** Lays the import panel over the owner. */
    void layOut();

    /** Told what a command did: the text, and whether it is a problem. */
    std::function<void (const juce::String& text, bool problem)> onStatus;

private:
    void report (const juce::String& text, bool problem);
    void closePanel();
    juce::String defaultName (const std::vector<int>& numbers) const;
    std::vector<int> everyNumber() const;

    juce::Component& owner;
    MidiCntrState& controller;
    ObjBankHolder& holder;
    Access reach;
    std::unique_ptr<ImportPanel> panel;
    std::shared_ptr<bool> alive = std::make_shared<bool> (true); // a dialog's answer may come after this has gone
};

} // namespace zr9
