#pragma once

#include "library/FileMan.h"

#include <juce_gui_basics/juce_gui_basics.h>

namespace zr9
{

/**
    The program's file dialogs: the framework's file chooser, opened without
    blocking (a plug-in must not hold its host's message loop). The open
    dialog starts in the documents folder, the save dialog on the default
    name there, and asks before it overwrites a file. The dialogs of object
    files start in the folder the last of them chose from, which the given
    memory keeps between runs. Message thread.
*/
class JuceFileMan final : public FileMan
{
public:
    /** Where the object files' dialogs last chose from (nothing known: an empty file), and how to remember it. */
    struct FolderMemory
    {
        std::function<juce::File()> recall;
        std::function<void (const juce::File&)> remember;
    };

    explicit JuceFileMan (juce::File documentsFolder, FolderMemory memory = {})
        : documents (std::move (documentsFolder)), folders (std::move (memory))
    {
    }

    void chooseFile (int kindId, const juce::String& defaultName, Answer answer) override;

private:
    juce::File startFolder (const Kind& kind) const;

    juce::File documents;
    FolderMemory folders;
    std::unique_ptr<juce::FileChooser> chooser; // alive while its dialog is open
};

} // namespace zr9
