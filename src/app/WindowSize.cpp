#include "WindowSize.h"

#include "MainComp.h"

#include <algorithm>

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
    if (usable)
        return { w, h };
    // The default size too is held to the screen, down to the minimum: a large scale on a small screen
    // leaves fewer scaled units than 1024 x 768.
    if (screenArea.isEmpty())
        return { defaultWidth, defaultHeight };
    return { std::clamp (screenArea.getWidth(), MainComp::minimumWidth, defaultWidth),
             std::clamp (screenArea.getHeight(), MainComp::minimumHeight, defaultHeight) };
}

} // namespace zr9
