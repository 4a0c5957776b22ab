#include "NameInputFilter.h"

#include "model/SysexFormat.h"

namespace zr9::namefield
{

juce::String allowedCharacters()
{
    juce::String all;
    for (int c = 0; c < 128; ++c)
        if (sysex::isNameCharacter (c))
            all << juce::String::charToString ((juce::juce_wchar) c);
    return all;
}

void restrict (juce::TextEditor& editor)
{
    editor.setInputRestrictions (maxLength, allowedCharacters());
}

juce::String filtered (const juce::String& text)
{
    return text.retainCharacters (allowedCharacters()).substring (0, maxLength);
}

} // namespace zr9::namefield
