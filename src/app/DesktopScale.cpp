#include "DesktopScale.h"

#include <algorithm>
#include <cstdlib>
#include <dlfcn.h>

namespace zr9::desktopscale
{

namespace
{
    /** A positive number and nothing else (blanks around it aside); 0 otherwise. */
    double positiveNumber (const juce::String& text)
    {
        const auto t = text.trim();
        if (t.isEmpty() || ! t.containsOnly ("0123456789."))
            return 0.0;
        const double v = t.getDoubleValue();
        return v > 0.0 ? v : 0.0;
    }

    juce::String environment (const char* name)
    {
        const char* value = std::getenv (name);
        return value != nullptr ? juce::String (value) : juce::String();
    }
} // namespace

double xftDpi (const juce::String& resources)
{
    // One resource per line, "name:" then blanks then the value; the last one set wins, as in the X server.
    double dpi = 0.0;
    for (const auto& line : juce::StringArray::fromLines (resources))
    {
        const auto trimmed = line.trimStart();
        if (! trimmed.startsWith ("Xft.dpi") || ! trimmed.substring (7).trimStart().startsWithChar (':'))
            continue;
        if (const double v = positiveNumber (trimmed.fromFirstOccurrenceOf (":", false, false)); v > 0.0)
            dpi = v;
    }
    return dpi;
}

double fromSources (const juce::String& xResources, const juce::String& gdkScale, const juce::String& qtScaleFactor)
{
    double scale = 0.0;
    if (const double dpi = xftDpi (xResources); dpi > 0.0)
        scale = dpi / baseDpi;
    scale = std::max ({ scale, positiveNumber (gdkScale), positiveNumber (qtScaleFactor) });
    return scale > 0.0 ? std::clamp (scale, smallest, largest) : 1.0;
}

juce::String readXResources()
{
    // The X library is opened by hand, as the framework does, so nothing here links it; without it,
    // or without a display, there is simply nothing to read.
    using OpenDisplay = void* (*) (const char*);
    using ResourceString = char* (*) (void*);
    using CloseDisplay = int (*) (void*);

    void* library = dlopen ("libX11.so.6", RTLD_LAZY | RTLD_LOCAL);
    if (library == nullptr)
        return {};
    juce::String text;
    auto open = reinterpret_cast<OpenDisplay> (dlsym (library, "XOpenDisplay"));
    auto resources = reinterpret_cast<ResourceString> (dlsym (library, "XResourceManagerString"));
    auto close = reinterpret_cast<CloseDisplay> (dlsym (library, "XCloseDisplay"));
    if (open != nullptr && resources != nullptr && close != nullptr)
    {
        if (void* display = open (nullptr))
        {
            if (const char* s = resources (display))
                text = juce::String (s);
            close (display);
        }
    }
    dlclose (library);
    return text;
}

double current()
{
    return fromSources (readXResources(), environment ("GDK_SCALE"), environment ("QT_SCALE_FACTOR"));
}

} // namespace zr9::desktopscale
