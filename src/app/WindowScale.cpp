#include "WindowScale.h"
#include "AppSettings.h"

#include <algorithm>
#include <cmath>

namespace zr9::windowscale
{

namespace
{
    constexpr double smallestFit = 0.5;
} // namespace

int storedChoice (const ControllerSettings& settings)
{
    const int v = settings.number (appsetting::windowScale);
    return std::find (percentChoices.begin(), percentChoices.end(), v) != percentChoices.end() ? v : followDesktop;
}

void storeChoice (ControllerSettings& settings, int choice)
{
    const bool known = std::find (percentChoices.begin(), percentChoices.end(), choice) != percentChoices.end();
    settings.set (appsetting::windowScale, known ? choice : followDesktop);
}

double wanted (int choice, double desktopScale) noexcept
{
    return choice == followDesktop ? desktopScale : choice / 100.0;
}

double fitted (double wantedScale, juce::Rectangle<int> screenPixels, juce::Point<int> minimumSize) noexcept
{
    if (screenPixels.isEmpty() || minimumSize.x <= 0 || minimumSize.y <= 0)
        return wantedScale;
    const double fits = std::min ((double) screenPixels.getWidth() / minimumSize.x, (double) screenPixels.getHeight() / minimumSize.y);
    return std::max (smallestFit, std::min (wantedScale, fits));
}

juce::Rectangle<int> inScaledUnits (juce::Rectangle<int> pixels, double scale) noexcept
{
    if (scale <= 0.0)
        return pixels;
    // Rounded inwards, so what fits in the scaled units always fits on the screen.
    return { (int) std::ceil (pixels.getX() / scale), (int) std::ceil (pixels.getY() / scale),
             (int) std::floor (pixels.getWidth() / scale), (int) std::floor (pixels.getHeight() / scale) };
}

} // namespace zr9::windowscale
