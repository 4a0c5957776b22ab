#include "JuceFileMan.h"

namespace zr9
{

void JuceFileMan::chooseFile (int kindId, const juce::String& defaultName, Answer answer)
{
    const auto* k = kind (kindId);
    if (k == nullptr || answer == nullptr)
        return;

    const bool saving = k->mode == modeSave;
    const auto start = saving ? documents.getChildFile (defaultName + k->extension) : documents;
    chooser = std::make_unique<juce::FileChooser> (k->title, start, juce::String ("*") + k->extension);

    const int flags = saving ? juce::FileBrowserComponent::saveMode | juce::FileBrowserComponent::canSelectFiles
                                   | juce::FileBrowserComponent::warnAboutOverwriting
                             : juce::FileBrowserComponent::openMode | juce::FileBrowserComponent::canSelectFiles;
    chooser->launchAsync (flags, [kindId, saving, answer] (const juce::FileChooser& fc)
    {
        const auto chosen = fc.getResult();
        if (chosen == juce::File())
            answer (std::nullopt);
        else
            answer (saving ? withExtension (chosen, kindId) : chosen);
    });
}

} // namespace zr9
