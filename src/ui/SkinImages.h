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

/** Colours shared by the shell and the pages. */
namespace colours
{
    const juce::Colour window { 0xff191919 };
    const juce::Colour band { 0xff000000 };
    const juce::Colour text { 0xffcccccc };
    const juce::Colour accent { 0xffe0462e };
    const juce::Colour buttonFace { 0xff2c2c2c };
    const juce::Colour buttonSelected { 0xff6a2a20 };
} // namespace colours

} // namespace zr9::skin
