#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include <memory>
#include <vector>

namespace zr9
{

/**
    The write dialog's on-screen key pad for a name: a text box and keys for
    the characters a name may hold (printable ASCII, upper or lower case with
    "Shift"), "Space", "Back" (removes the last character), "Cancel" (puts
    the old text back and closes) and "Enter" (closes and takes the text).
    Typing, from the keys or the computer keyboard, is refused once the text
    has 16 characters. Message thread.
*/
class NameKeyPad : public juce::Component
{
public:
    static constexpr int padWidth = 520, padHeight = 250;

    explicit NameKeyPad (const juce::String& startText);

    /** Presses the key with this label, as a click on it does. */
    void press (const juce::String& key);

    juce::String text() const { return box.getText(); }
    juce::TextEditor& textBox() noexcept { return box; }
    bool isShifted() const noexcept { return shifted; }
    /** The key with this label, or nullptr. */
    juce::TextButton* key (const juce::String& label);

    std::function<void (const juce::String&)> onEnter;
    std::function<void()> onCancel;

    void resized() override;
    void paint (juce::Graphics& g) override;

private:
    void type (const juce::String& character);
    void showCase();

    juce::String original;
    juce::TextEditor box;
    std::vector<std::unique_ptr<juce::TextButton>> keys;
    bool shifted = true;
};

} // namespace zr9
