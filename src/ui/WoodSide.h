#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

namespace zr9
{

/** A wooden side cheek of the window, kind 0 on the left, kind 1 on the right. */
class WoodSide : public juce::Component
{
public:
    static constexpr int left = 0, right = 1;

    explicit WoodSide (int kind) : sideKind (kind) { setInterceptsMouseClicks (false, false); }
    int kind() const noexcept { return sideKind; }
    void paint (juce::Graphics& g) override;

private:
    int sideKind;
};

} // namespace zr9
