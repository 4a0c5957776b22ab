#pragma once

#include "GskFile.h"
#include "LibPreview.h"

#include "library/ArrangementListFiles.h"
#include "library/FileMan.h"
#include "model/ArrangementLibrary.h"
#include "ui/LibBut.h"
#include "ui/TextInputCont.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <memory>
#include <vector>

namespace zr9
{

class ArrangementHost;
class MidiCntrState;

/**
    The arrangement library page: the list of named arrangements, the
    preview of the selected one, and the commands LOAD, SAVE, CLEAR ALL,
    APPLY, RENAME, DELETE and ADD CURRENT. A button that does not apply to
    the list as it stands is hidden. Questions come up in a TextInputCont
    over the page; the button's id is the question's request id.

    The working library "Lib.zr9arrlib" is read when the page is made and
    written back when it goes, when the list changed (WorkingLibraryFile
    keeps a file it could not read whole from being replaced by less, and
    another instance's version beside this one's when both changed it).
    While the list is as it was read, a version another instance wrote is
    read in within a second (looked at on the controller's clock), unless a
    question is open. Other files are chosen through
    FileMan (kinds 9 and 109). What a command did, or why it could not, shows
    for a while in the notice line under the list.

    Message thread: the page, its dialogs' answers, its files.
*/
class LibClass : public juce::Component,
                 public LibButListener,
                 public textmsgListener,
                 public juce::ChangeListener
{
public:
    static constexpr int idLoad = 1211;
    static constexpr int idSave = 1209;
    static constexpr int idClearAll = 1205;
    static constexpr int idApply = 1206;
    static constexpr int idRename = 1203;
    static constexpr int idDelete = 1204;
    static constexpr int idAddCurrent = 1207;

    static constexpr int pageWidth = 500;
    static constexpr int pageHeight = 600;
    static constexpr int listX = 20;
    static constexpr int listY = 10;
    static constexpr int previewGap = 10;
    static constexpr int buttonsFromRight = 120;
    static constexpr int noticeMs = 5000;
    static constexpr int followMs = 1000;
    /** Names are typed as printable ASCII, at most as long as an entry's name field. */
    static constexpr int longestName = libentry::nameSize;
    static constexpr const char* untitled = "Untitled";
    static constexpr const char* defaultFileName = "Untitled";

    /** `shared`: the library folder's lock and notices for the working file, when the instance has them. */
    LibClass (MidiCntrState& controller, ArrangementHost& host, std::shared_ptr<FileMan> files, juce::File workingFile,
              SharedFileAccess shared = {});
    /** Writes the list back to the working file. */
    ~LibClass() override;

    ArrangementLibrary& library() noexcept { return entries; }
    GskFile& list() noexcept { return fileList; }
    LibPreview& preview() noexcept { return previewPanel; }
    /** The page's button with this id; nullptr for an id it has not. */
    LibBut* button (int id) noexcept;
    /** The question panel, once a question was asked. */
    TextInputCont* question() noexcept { return questionPanel.get(); }
    bool isAsking() const noexcept { return questionPanel != nullptr && questionPanel->isVisible(); }
    const juce::String& notice() const noexcept { return noticeText; }
    const WorkingLibraryFile& workingFile() const noexcept { return working; }

    /** Shows and hides the buttons by the state of the list; after every command and selection change. */
    void updateButtons();

    // LibButListener: the page's buttons
    void libButtonClicked (int id) override;
    // textmsgListener: the answers to its questions
    void textAnswer (int requestId, int buttonId) override;
    // ChangeListener: the list's selection
    void changeListenerCallback (juce::ChangeBroadcaster* source) override;

    void paint (juce::Graphics& g) override;
    void resized() override;

private:
    void ask (int requestId, const juce::String& message, std::optional<juce::String> text,
              const juce::String& first, const juce::String& second, const juce::String& third);
    void showSelected();
    void afterListChanged (bool clearSelection);

    void chooseAndLoad();
    void load (const juce::File& file);
    /** Asks for a file and writes the list to it; then runs `then` when it was written, or also when cancelled if `evenIfCancelled`. */
    void chooseAndSave (std::function<void()> then, bool evenIfCancelled);
    void clearAll();
    void applySelected();
    void addCurrent (const juce::String& name);
    void renameSelected (const juce::String& name);
    void deleteSelected();
    void showNotice (const juce::String& text);
    void followWorkingFile();

    MidiCntrState& controller;
    ArrangementHost& host;
    std::shared_ptr<FileMan> files;
    WorkingLibraryFile working;
    ArrangementLibrary entries;
    GskFile fileList;
    LibPreview previewPanel;
    std::vector<std::unique_ptr<LibBut>> buttons;
    std::unique_ptr<TextInputCont> questionPanel;
    std::unique_ptr<ClockTimer> noticeTimer;
    std::unique_ptr<ClockTimer> followTimer;
    juce::String noticeText;
    int askedAbout = -1; // the entry a rename or delete question is about
    std::shared_ptr<bool> alive = std::make_shared<bool> (true);

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (LibClass)
};

} // namespace zr9
