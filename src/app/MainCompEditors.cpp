// The main component's part for the program and setup editors and the write
// dialog: it makes each editor once, in its page slot, shows it in place of
// the open selector or editor, opens the write dialog over the window for
// the shown editor's object and removes it again. Message thread.

#include "MainComp.h"

#include "library/RevuDIAudioProcessor.h"
#include "model/SysexFormat.h"

namespace zr9
{

namespace
{
    /**
        Opens the editors without the selectors: a double-click on a channel's
        program in the mixer's header opens that channel's program editor, one
        on "PROGRAM" the program editor of the keyboard's channel, one on
        "MULTI" the setup editor. One on "MIDI" opens the MIDI monitor.
    */
    class EditorShortcuts final : public juce::MouseListener
    {
    public:
        explicit EditorShortcuts (MainComp& m) : main (m) {}

        void watch (juce::Component& c, std::function<void()> open) { targets.push_back ({ &c, std::move (open) }); c.addMouseListener (this, false); }

        void mouseDoubleClick (const juce::MouseEvent& e) override
        {
            for (const auto& t : targets)
                if (e.eventComponent == t.component)
                {
                    // After the clicks' own work (a playing mode, a selector) is done.
                    juce::MessageManager::callAsync ([safe = juce::Component::SafePointer<juce::Component> (&main), open = t.open] {
                        if (safe != nullptr)
                            open();
                    });
                    return;
                }
        }

    private:
        struct Target
        {
            juce::Component* component;
            std::function<void()> open;
        };

        MainComp& main;
        std::vector<Target> targets;
    };
} // namespace

void MainComp::installEditorShortcuts()
{
    auto shortcuts = std::make_unique<EditorShortcuts> (*this);
    if (auto* mixer = mixerPage())
        for (int c = 0; c < channelCount; ++c)
            shortcuts->watch (mixer->header().nameSlot (c), [this, c] { openProgramEditor (c); });
    if (auto* b = bar->button (AppBar::buttonProgram))
        shortcuts->watch (*b, [this] { openProgramEditor (controller.midiChannel() - 1); });
    if (auto* b = bar->button (AppBar::buttonMulti))
        shortcuts->watch (*b, [this] { openSetupEditor(); });
    if (auto* b = bar->button (AppBar::buttonMidi))
        shortcuts->watch (*b, [this] { openMidiMonitor(); });
    editorShortcuts = std::move (shortcuts);
}

void MainComp::openProgramEditor (int channel)
{
    if (programEditor() == nullptr)
    {
        auto editor = std::make_unique<ProgramEditor> (controller);
        editor->onWrite = [this] (int mode) { openWriteDialog (ObjectEditing::programKind, mode); };
        editor->onClose = [this] { closeWriteDialog(); showMixer(); };
        setPage (slotProgramEditor, std::move (editor), PageLayout::full);
        page (slotProgramEditor)->toBehind (keyboard.get()); // the keyboard panel is pulled up over the pages
    }
    showOnlyPage (slotProgramEditor);
    programEditor()->open (std::clamp (channel, 0, channelCount - 1));
}

void MainComp::openSetupEditor()
{
    if (setupEditor() == nullptr)
    {
        auto editor = std::make_unique<SetupEditor> (controller);
        editor->onWrite = [this] (int mode) { openWriteDialog (ObjectEditing::setupKind, mode); };
        editor->onClose = [this] { closeWriteDialog(); showMixer(); };
        setPage (slotSetupEditor, std::move (editor), PageLayout::full);
        page (slotSetupEditor)->toBehind (keyboard.get());
    }
    showOnlyPage (slotSetupEditor);
    setupEditor()->open();
}

void MainComp::openWriteDialog (int kind, int mode)
{
    WriteTarget target;
    target.kind = kind;
    if (kind == ObjectEditing::programKind)
    {
        auto* editor = programEditor();
        if (editor == nullptr)
            return;
        auto& session = editor->editSession();
        target.slot = session.slot();
        target.name = session.name();
        target.category = [&session] { return session.category(); };
        target.subType = [&session] { return session.subType(); };
        target.chooseCategory = [editor, &session] (int v) { session.setCategory (v); editor->refreshAll(); };
        target.chooseSubType = [editor, &session] (int v) { session.setSubType (v); editor->refreshAll(); };
        target.recordFor = [&session] (const std::string& name) { return sysex::withStoredName (session.object().record(), name); };
        target.written = [editor] (int number, const juce::String& name) { editor->written (number, name); };
    }
    else if (kind == ObjectEditing::setupKind)
    {
        auto* editor = setupEditor();
        if (editor == nullptr)
            return;
        auto& session = editor->editSession();
        target.name = session.name();
        target.recordFor = [&session] (const std::string& name) { return sysex::withStoredName (session.multi().record.bytes(), name); };
        // What was edited on the computer reaches the instrument's edit buffer before it is stored.
        target.sendEdits = [this, editor] {
            if (editor->isEdited())
                controller.objectEditing().sendSetup();
        };
        target.written = [editor] (int number, const juce::String& name) { editor->written (number, name); };
    }
    else
    {
        return;
    }

    writer = std::make_unique<WriteSnd> (controller, std::move (target), [this] (int type) { processor.saveLibraryBank (type); });
    writer->onFinished = [this] (int code) { writeDialogFinished (code); };
    addAndMakeVisible (*writer);
    writer->show (0, getWidth(), mode);
    writer->toFront (true);
}

void MainComp::writeDialogFinished (int code)
{
    if (code == WriteSnd::writtenCode && writer != nullptr)
        showStatusMessage (writer->statusText());
    // The dialog may be telling this from inside one of its own callbacks: it goes once that has returned.
    juce::MessageManager::callAsync ([safe = juce::Component::SafePointer<MainComp> (this)] {
        if (safe != nullptr)
            safe->closeWriteDialog();
    });
}

void MainComp::closeWriteDialog()
{
    writer.reset();
}

} // namespace zr9
