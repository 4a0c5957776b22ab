#pragma once

#include "ui/KeyPlayClass.h"
#include "LibClass.h"

#include "library/FileMan.h"
#include "ui/LibBut.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <memory>

namespace zr9
{

class ArrangementHost;
class MidiCntrState;

/**
    The library manager: a title strip to move it by, the buttons "LIBRARY"
    and "DONE", a computer-keyboard player strip, and the library page.

    "DONE" broadcasts a change with the code 1113 (read with lastCode());
    the owner then removes the manager, and the page, going with it, writes
    the library back. A press in the title strip drags whatever holds the
    manager: its own window, or the manager itself inside the window it was
    put in, always keeping the title strip within reach.

    It is wider than the library page's 500 pixels so that the preview fits
    between the list and the buttons. Message thread.
*/
class Lib_Manager_Comp : public juce::Component,
                         public LibButListener,
                         public juce::ChangeBroadcaster
{
public:
    static constexpr int idDone = 1201;
    static constexpr int idLibrary = 1217;
    static constexpr int codeDone = 1113;

    static constexpr int managerWidth = 780;
    static constexpr int managerHeight = 620;
    static constexpr int titleHeight = 20;
    static constexpr float titlePoints = 15.0f;
    static constexpr const char* titlePrefix = "ZR9 CHANNELS ARRANGEMENTS: ";
    static constexpr const char* libraryPageName = "LIBRARY";

    /** `shared`: the library folder's lock and notices for the working library, when the instance has them. */
    Lib_Manager_Comp (MidiCntrState& controller, ArrangementHost& host, std::shared_ptr<FileMan> files, juce::File workingFile,
                      SharedFileAccess shared = {});
    ~Lib_Manager_Comp() override;

    /** The library page, once "LIBRARY" made it. */
    LibClass* page() noexcept { return libraryPage.get(); }
    const juce::String& pageName() const noexcept { return name; }
    juce::String title() const { return titlePrefix + name; }
    /** The code of the last broadcast: 1113 after "DONE", 0 before. */
    int lastCode() const noexcept { return code; }

    KeyPlayClass& keyStrip() noexcept { return keys; }
    LibBut& doneButton() noexcept { return done; }
    LibBut& libraryButton() noexcept { return libraryBut; }

    void libButtonClicked (int id) override;

    void paint (juce::Graphics& g) override;
    void resized() override;
    void mouseMove (const juce::MouseEvent& e) override;
    void mouseDown (const juce::MouseEvent& e) override;
    void mouseDrag (const juce::MouseEvent& e) override;
    void mouseUp (const juce::MouseEvent& e) override;

    static bool isInTitleStrip (int y) noexcept { return y >= 0 && y < titleHeight; }

private:
    void openLibraryPage();
    /** What a drag of the title strip moves: the manager's own window, or the manager. */
    juce::Component* dragTarget();

    MidiCntrState& controller;
    ArrangementHost& host;
    juce::File workingFile;
    SharedFileAccess sharedAccess;
    std::shared_ptr<FileMan> files;
    LibBut done { "DONE", idDone, this };
    LibBut libraryBut { "LIBRARY", idLibrary, this };
    KeyPlayClass keys;
    std::unique_ptr<LibClass> libraryPage;
    juce::String name;
    int code = 0;

    juce::ComponentDragger dragger;
    juce::ComponentBoundsConstrainer keepTitleInReach;
    bool draggingTitle = false;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (Lib_Manager_Comp)
};

/**
    The library manager's window of its own, used by the stand-alone
    program: no title bar (the manager draws its own strip and moves the
    window by it), no buttons, a black background. It owns the manager and
    deletes it when it goes. The opener puts it on the desktop.
*/
class Lib_Manager_Win : public juce::DocumentWindow
{
public:
    explicit Lib_Manager_Win (std::unique_ptr<Lib_Manager_Comp> manager);
    ~Lib_Manager_Win() override;

    Lib_Manager_Comp& manager() noexcept { return *content; }

    void closeButtonPressed() override;

private:
    Lib_Manager_Comp* content;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (Lib_Manager_Win)
};

} // namespace zr9
