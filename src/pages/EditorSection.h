#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

namespace zr9
{

/** The look the editor pages share. */
namespace editorlook
{
    const juce::Colour page { 0xff191919 };
    const juce::Colour section { 0xff232323 };
    const juce::Colour sectionFrame { 0xff3a3a3a };
    const juce::Colour heading { 0xffe0462e };
    const juce::Colour label { 0xffcccccc };
    const juce::Colour dim { 0xff8c8c8c };
    constexpr int headingHeight = 20;
    constexpr int gap = 8;

    juce::Font font (float height, bool bold = false);
    /** A label in the pages' style. */
    void style (juce::Label& label, float height = 12.0f, bool bold = false,
                juce::Justification justification = juce::Justification::centredLeft);
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
