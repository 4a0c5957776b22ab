#pragma once

#include "EditSession.h"
#include "EditorSection.h"

#include "controller/MidiCntrState.h"
#include "ui/SkinButton.h"

#include <functional>
#include <memory>
#include <vector>

namespace zr9
{

/**
    What the program and the setup editor have in common: the header (title,
    name, "EDITED", the status line), the tabs of the object's pages, the
    row UNDO, REDO, RELOAD, WRITE and CLOSE, and the flow of asking the
    instrument for its edit buffer: the request waits while the input is
    paused (the instrument changes its playing mode), then goes out, and
    when no full answer came within answerTimeoutMs the editor says so and
    shows what it has. The editor of one object type plugs its pages in and
    tells what to ask and what an answer or a time-out means.
    Message thread.
*/
class EditorShell : public juce::Component,
                    private InputPause::Listener
{
public:
    /** How long the editor waits for the instrument's answer before it shows what it has. */
    static constexpr int answerTimeoutMs = 2000;
    /** The write dialog's modes: store-with-name, and the write sequence that carries edits. */
    static constexpr int writeModeStore = 20;
    static constexpr int writeModeSequence = 21;

    /** The shell keeps the session; `nameTitle` names the name box for assistive tools. */
    EditorShell (MidiCntrState& controller, std::unique_ptr<EditSession> session, const juce::String& nameTitle, int titleWidth);
    ~EditorShell() override;

    /** Asks for the object again (or takes the library's off line), dropping any edits. */
    virtual void reload() = 0;
    /** The object was written under `number`: what the instrument holds now is what the editor shows. */
    void written (int number, const juce::String& name);

    bool isWaitingForInstrument() const noexcept { return waiting; }
    bool isEdited() { return session->isEdited(); }
    /** The write dialog's mode for what WRITE should do now. */
    virtual int writeMode() { return writeModeStore; }

    /** Reads everything shown from the edited object again. */
    void refreshAll();

    juce::String statusText() const { return status.getText(); }
    /** The name: a click opens its text box, which takes only what the instrument keeps. */
    juce::Label& nameField() noexcept { return nameBox; }
    SkinButton& undoButton() noexcept { return undoButtonPart; }
    SkinButton& redoButton() noexcept { return redoButtonPart; }
    SkinButton& writeButton() noexcept { return writeButtonPart; }

    /** WRITE was pressed: the owner opens the write dialog with this mode. */
    std::function<void (int mode)> onWrite;
    /** CLOSE was pressed. */
    std::function<void()> onClose;

    void resized() override;
    void paint (juce::Graphics& g) override;
    bool keyPressed (const juce::KeyPress& key) override;

protected:
    /** Adds a page with its tab; `refresh` reads the page again from the object. */
    void addPage (const juce::String& tabName, juce::Component& page, std::function<void()> refresh);
    void showPageAt (int index);
    int shownPageIndex() const noexcept { return shown; }

    // ------------------------------------------- asking the instrument
    /** Starts waiting for the instrument: the request goes out once the input listens. */
    void askInstrument();
    /** The answer is complete: waiting ends. */
    void answerComplete();
    /** More was asked for: the time for an answer starts again. */
    void answerTimeRestarts();
    /** Waiting ends without a request (off line). */
    void stopWaiting();
    void setStatus (const juce::String& text);

    /** Sends the request; false when it could not be sent (the editor then gives up at once). */
    virtual bool sendRequest() = 0;
    /** The status while the request is out. */
    virtual juce::String requestText() = 0;
    /** No full answer came in time (or the request could not go out): show what there is. */
    virtual void answerTimedOut() = 0;

    // ---------------------------------------------------- the header
    virtual juce::String titleText() = 0;
    /** Places the object's own header controls in the first header row, after the name. */
    virtual void layoutHeaderExtras (juce::Rectangle<int>& row) { juce::ignoreUnused (row); }
    /** Fills the object's own header controls; `editable` is false while the editor waits. */
    virtual void refreshHeaderExtras (bool editable) { juce::ignoreUnused (editable); }
    void refreshHeader();

    EditSession& editedSession() noexcept { return *session; }

    MidiCntrState& controller;

private:
    struct Page
    {
        juce::Component* component;
        std::function<void()> refresh;
        std::unique_ptr<SkinButton> tab;
    };

    void inputListensAgain() override;
    void sendWhenListening();
    void timeIsUp();
    void refreshShownPage();

    std::unique_ptr<EditSession> session;
    const int titleColumnWidth;
    std::vector<Page> pages;
    int shown = 0;
    bool waiting = false;
    std::unique_ptr<ClockTimer> answerTimer;

    juce::Label title, status, edited, nameBox;
    SkinButton undoButtonPart { "UNDO", 0 }, redoButtonPart { "REDO", 0 }, reloadButton { "RELOAD", 0 },
               writeButtonPart { "WRITE", 0 }, closeButton { "CLOSE", 0 };

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (EditorShell)
};

} // namespace zr9
