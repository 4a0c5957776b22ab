#pragma once

#include "library/FileMan.h"

#include <juce_gui_basics/juce_gui_basics.h>

namespace zr9
{

/**
    The program's file dialogs: the framework's file chooser, opened without
    blocking (a plug-in must not hold its host's message loop). The open
    dialog starts in the documents folder, the save dialog on the default
    name there, and asks before it overwrites a file. Message thread.
*/
class JuceFileMan final : public FileMan
{
public:
    explicit JuceFileMan (juce::File documentsFolder) : documents (std::move (documentsFolder)) {}

    void chooseFile (int kindId, const juce::String& defaultName, Answer answer) override;

private:
    juce::File documents;
    std::unique_ptr<juce::FileChooser> chooser; // alive while its dialog is open
};

} // namespace zr9
