#pragma once

namespace juce { class Component; }

namespace zr9
{

/** The three commands with which the footer and the keyboard panel's handle pull the keyboard panel. */
namespace slide
{
    constexpr int grab = '|';    // 124
    constexpr int drag = '}';    // 125
    constexpr int release = '~'; // 126
} // namespace slide

class SlideListener
{
public:
    virtual ~SlideListener() = default;
    /** distance: how far the mouse has moved vertically since the grab (negative upwards). */
    virtual void slideCommand (juce::Component& source, int command, int distance) = 0;
};

} // namespace zr9
