#include "NameKeyPad.h"

#include "EditorSection.h"
#include "NameInputFilter.h"

#include "ui/SkinFonts.h"
#include "ui/SkinPalette.h"

namespace zr9
{

namespace
{
    // The character rows; "Shift" changes the letters between upper and lower case.
    const char* const rows[] { "1234567890-+", "QWERTYUIOP()", "ASDFGHJKL:'&", "ZXCVBNM,./!?" };
    constexpr int rowCount = 4, keysPerRow = 12;
    const char* const commands[] { "Shift", "Space", "Back", "Cancel", "Enter" };
    constexpr int keySize = 36, keyWidth = 37, keyGap = 4, boxHeight = 30;

    bool isCommand (const juce::String& label)
    {
        for (const auto* c : commands)
            if (label == c)
                return true;
        return false;
    }
} // namespace

NameKeyPad::NameKeyPad (const juce::String& startText) : original (namefield::filtered (startText))
{
    namefield::restrict (box);
    box.setText (original, juce::dontSendNotification);
    box.setFont (skin::font (18.0f));
    box.setIndents (8, 0);
    box.setJustification (juce::Justification::centredLeft);
    box.setColour (juce::TextEditor::backgroundColourId, skin::colours::black);
    box.setColour (juce::TextEditor::textColourId, skin::colours::text);
    box.setTitle ("Name");
    box.onReturnKey = [this] { press ("Enter"); };
    box.onEscapeKey = [this] { press ("Cancel"); };
    addAndMakeVisible (box);

    const auto addKey = [this] (const juce::String& label) {
        auto b = std::make_unique<juce::TextButton> (label);
        b->setColour (juce::TextButton::buttonColourId, skin::colours::buttonFace);
        b->setWantsKeyboardFocus (false);
        b->onClick = [this, raw = b.get()] { press (raw->getButtonText()); };
        addAndMakeVisible (*b);
        keys.push_back (std::move (b));
    };
    for (const auto* row : rows)
        for (const char* c = row; *c != 0; ++c)
            addKey (juce::String::charToString ((juce::juce_wchar) *c));
    for (const auto* c : commands)
        addKey (c);
    setSize (padWidth, padHeight);
}

juce::TextButton* NameKeyPad::key (const juce::String& label)
{
    for (auto& k : keys)
        if (k->getButtonText() == label)
            return k.get();
    return nullptr;
}

void NameKeyPad::type (const juce::String& character)
{
    const auto now = box.getText();
    if (now.length() >= namefield::maxLength)
        return; // a name holds 16 characters
    box.setText (namefield::filtered (now + character), juce::dontSendNotification);
    box.moveCaretToEnd();
}

void NameKeyPad::showCase()
{
    for (auto& k : keys)
    {
        const auto label = k->getButtonText();
        if (! isCommand (label) && label.length() == 1 && juce::CharacterFunctions::isLetter (label[0]))
            k->setButtonText (shifted ? label.toUpperCase() : label.toLowerCase());
    }
    if (auto* s = key ("Shift"))
        s->setToggleState (shifted, juce::dontSendNotification);
}

void NameKeyPad::press (const juce::String& label)
{
    if (label == "Shift")
    {
        shifted = ! shifted;
        showCase();
    }
    else if (label == "Space")
        type (" ");
    else if (label == "Back")
        box.setText (box.getText().dropLastCharacters (1), juce::dontSendNotification);
    else if (label == "Cancel")
    {
        box.setText (original, juce::dontSendNotification);
        if (onCancel != nullptr)
            onCancel();
    }
    else if (label == "Enter")
    {
        if (onEnter != nullptr)
            onEnter (box.getText());
    }
    else if (label.length() == 1)
        type (label);
}

void NameKeyPad::paint (juce::Graphics& g)
{
    g.setColour (skin::colours::raisedFace);
    g.fillRoundedRectangle (getLocalBounds().toFloat(), 6.0f);
    g.setColour (skin::colours::accent);
    g.drawRoundedRectangle (getLocalBounds().toFloat().reduced (0.5f), 6.0f, 1.0f);
}

void NameKeyPad::resized()
{
    auto area = getLocalBounds().reduced (10);
    box.setBounds (area.removeFromTop (boxHeight));
    area.removeFromTop (keyGap * 2);
    std::size_t i = 0;
    for (int r = 0; r < rowCount; ++r)
    {
        auto row = area.removeFromTop (keySize - 4);
        area.removeFromTop (keyGap);
        for (int k = 0; k < keysPerRow; ++k)
        {
            keys[i++]->setBounds (row.removeFromLeft (keyWidth));
            row.removeFromLeft (keyGap);
        }
    }
    auto last = area.removeFromTop (keySize - 4);
    const int widths[] { 70, 150, 70, 80, 80 };
    for (int w : widths)
    {
        keys[i++]->setBounds (last.removeFromLeft (w));
        last.removeFromLeft (keyGap);
    }
}

} // namespace zr9
