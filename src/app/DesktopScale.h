#pragma once

#include <juce_core/juce_core.h>

namespace zr9::desktopscale
{

/** The resolution the desktop's fonts are set for at a scale of 1 (100 %). */
constexpr double baseDpi = 96.0;
/** Scales outside this span are taken as mistakes and held to its ends. */
constexpr double smallest = 0.5, largest = 4.0;

/** The "Xft.dpi" entry of an X resource string ("Xft.dpi:\t192\n..."); 0 when it has none or none that is usable. */
double xftDpi (const juce::String& resources);

/**
    The scale the desktop asks for: the largest of what the X resource
    "Xft.dpi" (divided by 96), GDK_SCALE and QT_SCALE_FACTOR say, each taken
    only when it is a usable number; 1 when none says anything. A desktop set
    to 200 % usually says it in more than one of them, and all say the same.
*/
double fromSources (const juce::String& xResources, const juce::String& gdkScale, const juce::String& qtScaleFactor);

/** The X server's resource string (what xrdb set), read from the display the program uses; empty without one. */
juce::String readXResources();

/** The desktop's scale now, from the X server and the environment. */
double current();

} // namespace zr9::desktopscale
