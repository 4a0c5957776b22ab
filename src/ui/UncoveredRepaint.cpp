// This file alone sees the framework's X interface, so the X library's macros stay out of the rest.
// It is compiled without the shared precompiled header, which was made without that interface.
#define JUCE_GUI_BASICS_INCLUDE_XHEADERS 1
#include "UncoveredRepaint.h"

namespace zr9
{

UncoveredRepaint::UncoveredRepaint()
{
    juce::Desktop::getInstance().addFocusChangeListener (this);
}

UncoveredRepaint::~UncoveredRepaint()
{
    juce::Desktop::getInstance().removeFocusChangeListener (this);
}

int UncoveredRepaint::repaintWaitingAreas()
{
    auto* windowSystem = juce::XWindowSystem::getInstanceWithoutCreating();
    auto* display = windowSystem != nullptr ? windowSystem->getDisplay() : nullptr;
    if (display == nullptr)
        return 0;

    auto* x = juce::X11Symbols::getInstance();
    int count = 0;
    for (int i = 0; i < juce::ComponentPeer::getNumPeers() && count < mostAtOnce; ++i)
    {
        auto* peer = juce::ComponentPeer::getPeer (i);
        if (peer == nullptr || peer->getNativeHandle() == nullptr)
            continue;
        const auto window = (::Window) peer->getNativeHandle();
        XEvent event;
        while (count < mostAtOnce)
        {
            {
                juce::XWindowSystemUtilities::ScopedXLock lock;
                if (! x->xCheckTypedWindowEvent (display, window, Expose, &event))
                    break;
            }
            // The notice is in the window's real pixels; the peer repaints in its own units.
            const auto& area = event.xexpose;
            peer->repaint (juce::Rectangle<int> (area.x, area.y, area.width, area.height)
                           / peer->getPlatformScaleFactor());
            ++count;
        }
    }
    handled += count;
    return count;
}

} // namespace zr9
