#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

namespace zr9
{

/** The look the editor pages share. */
namespace editorlook
{
    constexpr int headingHeight = 20;
    constexpr int gap = 8;
    // A knob with its caption, and a chooser, as the pages place them.
    constexpr int knobHeight = 76, chooserHeight = 30;
    // An editor's header: two rows of controls above its pages.
    constexpr int headerRow1 = 6, headerRow2 = 42, rowHeight = 28, pagesTop = 78;

    /** A label in the pages' style. */
    void style (juce::Label& label, float height = 12.0f, bool bold = false,
                juce::Justification justification = juce::Justification::centredLeft);
    /** The header's name: a label that draws the whole name, and a click opens the framework's
        text box over it, which takes only the characters the instrument keeps. */
    void styleNameBox (juce::Label& nameBox, const juce::String& title);
    /** An editor's background: the page colour with the header's band over it. */
    void paintEditorBackground (juce::Graphics& g, int width);

    /** What a key does to an editor's history: Ctrl+Z undoes, Ctrl+Shift+Z and Ctrl+Y redo. */
    enum class HistoryKey { none, undo, redo };
    HistoryKey historyKey (const juce::KeyPress& key);

    /** Applies an undo or redo key to an editor's history (anything with undo() and redo());
        says whether the key was one of them. */
    template <typename History>
    bool applyHistoryKey (const juce::KeyPress& key, History& history)
    {
        const auto step = historyKey (key);
        if (step == HistoryKey::none)
            return false;
        step == HistoryKey::redo ? history.redo() : history.undo();
        return true;
    }
} // namespace editorlook

/**
    A titled panel that groups the controls of one part of a page; it draws
    its frame and heading, its owner places the controls over it.
*/
class EditorSection : public juce::Component
{
public:
    explicit EditorSection (const juce::String& heading);
    /** Where controls go: inside the frame, under the heading. */
    juce::Rectangle<int> content() const;
    const juce::String& heading() const noexcept { return title; }
    void paint (juce::Graphics& g) override;

private:
    juce::String title;
};

} // namespace zr9
