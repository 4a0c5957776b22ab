#pragma once

#include <juce_graphics/juce_graphics.h>

namespace zr9::skin
{

/** The pictures compiled into the program, decoded once and cached. */
juce::Image logo();
juce::Image footerStrip();
juce::Image pageBackdrop();
juce::Image nameSlot();
juce::Image nameSlotCompact();

} // namespace zr9::skin
