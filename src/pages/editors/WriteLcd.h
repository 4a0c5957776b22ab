#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

namespace zr9
{

/**
    The write dialog's LCD (212 x 103): where the object goes (its
    destination number), the name it is written under and, for a program,
    its category and sub-type; drawn as the instrument's display.
*/
class WriteLcd : public juce::Component
{
public:
    static constexpr int lcdWidth = 212, lcdHeight = 103;

    WriteLcd();

    void show (const juce::String& heading, int destination, const juce::String& name, const juce::String& category);

    int destination() const noexcept { return number; }
    const juce::String& nameText() const noexcept { return name; }
    const juce::String& categoryText() const noexcept { return category; }

    void paint (juce::Graphics& g) override;

private:
    juce::String heading, name, category;
    int number = 0;
};

} // namespace zr9
