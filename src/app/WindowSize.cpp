#include "WindowSize.h"

#include "MainComp.h"

namespace zr9
{

namespace
{
    constexpr int defaultWidth = 1024, defaultHeight = 768;
} // namespace

juce::Point<int> openingWindowSize (const ControllerSettings& settings, juce::Rectangle<int> screenArea)
{
    const int w = settings.number (Setting::width), h = settings.number (Setting::height);
    const bool usable = w >= MainComp::minimumWidth && h >= MainComp::minimumHeight
                     && w <= screenArea.getWidth() && h <= screenArea.getHeight();
    return usable ? juce::Point<int> (w, h) : juce::Point<int> (defaultWidth, defaultHeight);
}

} // namespace zr9
