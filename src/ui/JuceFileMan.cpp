#include "JuceFileMan.h"

namespace zr9
{

juce::File JuceFileMan::startFolder (const Kind& k) const
{
    if (k.remembersFolder && folders.recall != nullptr)
        if (const auto last = folders.recall(); last.isDirectory())
            return last;
    return documents;
}

void JuceFileMan::chooseFile (int kindId, const juce::String& defaultName, Answer answer)
{
    const auto* k = kind (kindId);
    if (k == nullptr || answer == nullptr)
        return;

    const bool saving = k->mode == modeSave;
    const auto folder = startFolder (*k);
    const auto start = saving ? folder.getChildFile (juce::File::createLegalFileName (defaultName) + k->extension) : folder;
    chooser = std::make_unique<juce::FileChooser> (k->title, start, k->filePatterns());
    decltype (folders.remember) remember;
    if (k->remembersFolder)
        remember = folders.remember;

    const int flags = saving ? juce::FileBrowserComponent::saveMode | juce::FileBrowserComponent::canSelectFiles
                                   | juce::FileBrowserComponent::warnAboutOverwriting
                             : juce::FileBrowserComponent::openMode | juce::FileBrowserComponent::canSelectFiles;
    chooser->launchAsync (flags, [kindId, saving, answer, remember] (const juce::FileChooser& fc)
    {
        const auto chosen = fc.getResult();
        if (chosen == juce::File())
        {
            answer (std::nullopt);
            return;
        }
        if (remember != nullptr)
            remember (chosen.getParentDirectory());
        answer (saving ? withExtension (chosen, kindId) : chosen);
    });
}

} // namespace zr9
