#pragma once

#include "controller/MidiCntrState.h"
#include "model/ImportPlan.h"
#include "ui/PanelLookAndFeel.h"
#include "ui/SkinButton.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <functional>

namespace zr9
{

/**
    Shows what a file of objects would bring before anything changes: each
    object's number, name and (programs) category in the file, where it
    would go, and which library object it would replace. The user chooses
    where the objects go (their own numbers, or the first free numbers of
    the user range) and confirms with IMPORT, which names how many objects it
    replaces; CANCEL leaves the library as it was. Before storing, the plan
    is made again: when the library changed meanwhile, the panel shows the
    new plan and asks again instead of storing.

    Everything goes into the bank in one change (ObjBankHolder::storeRecords),
    and the bank's data file is written at once through `saveBank`.
    Message thread.
*/
class ImportPanel : public juce::Component,
                    private juce::TableListBoxModel
{
public:
    enum Column { columnNumber = 1, columnName, columnCategory, columnDestination, columnReplaces };

    ImportPanel (MidiCntrState& controller, FileContents contents, juce::String fileName, std::function<void (int typeId)> saveBank);
    ~ImportPanel() override;

    /** Told when the panel is done, with what the status should say (empty when cancelled). */
    std::function<void (const juce::String& status)> onFinished;

    void setDestination (ImportDestination choice);
    /** IMPORT: stores what the plan shows, unless the library changed since it was shown. Returns how many were stored. */
    int confirm();
    void cancel();

    const ImportPlan& plan() const noexcept { return current; }
    const FileContents& contents() const noexcept { return file; }
    juce::String summaryText() const { return summary.getText(); }
    juce::String problemText() const { return problems.getText(); }
    SkinButton& importButton() noexcept { return importIt; }
    SkinButton& cancelButton() noexcept { return cancelIt; }
    juce::ToggleButton& ownNumbersButton() noexcept { return ownChoice; }
    juce::ToggleButton& freeNumbersButton() noexcept { return freeChoice; }
    juce::TableListBox& table() noexcept { return rows; }
    /** The text of one cell, as it is drawn. */
    juce::String cellText (int row, int column) const;

    void paint (juce::Graphics& g) override;
    void resized() override;
    bool keyPressed (const juce::KeyPress& key) override;

private:
    int getNumRows() override { return (int) current.rows.size(); }
    void paintRowBackground (juce::Graphics&, int row, int width, int height, bool selected) override;
    void paintCell (juce::Graphics&, int row, int column, int width, int height, bool selected) override;

    ObjBankHolder* holder() const;
    void replan();
    void showPlan();

    MidiCntrState& controller;
    FileContents file;
    juce::String fileName;
    std::function<void (int)> saveBank;
    ImportPlan current;

    juce::SharedResourcePointer<PanelLookAndFeel> look;
    juce::Label title, problems, summary;
    juce::ToggleButton ownChoice { "Own numbers" }, freeChoice { "First free numbers from 1025" };
    juce::TableListBox rows;
    SkinButton importIt { "IMPORT", 1 }, cancelIt { "CANCEL", 2 };

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (ImportPanel)
};

} // namespace zr9
