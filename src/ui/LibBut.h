#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

namespace zr9
{

/** Told which library button was clicked, by the id it carries. */
class LibButListener
{
public:
    virtual ~LibButListener() = default;
    virtual void libButtonClicked (int id) = 0;
};

/**
    A button of the library manager and its question panel: a 100 × 34 text
    button with 12-point text that carries a command id. Whether it applies
    is shown by hiding it, not by greying it out.
*/
class LibBut : public juce::Button
{
public:
    static constexpr int width = 100;
    static constexpr int height = 34;

    LibBut (const juce::String& label, int id, LibButListener* listener = nullptr);

    int id() const noexcept { return commandId; }
    void setListener (LibButListener* l) noexcept { listener = l; }

    void paintButton (juce::Graphics& g, bool highlighted, bool down) override;
    using juce::Button::clicked;
    void clicked() override;

private:
    int commandId;
    LibButListener* listener;
};

} // namespace zr9
