#pragma once

#include "ui/GskStyle.h"

#include "controller/LiveTable.h"

#include <array>

namespace zr9::mixer
{

// The page: the header above 16 strips side by side.
constexpr int pageWidth = 944;
constexpr int pageHeight = 678;
/** The width the strips are centred in: a wider page moves them right by half the difference. */
constexpr int centringWidth = 974;
constexpr int stripCount = channelCount;
constexpr int stripPitch = 61;
constexpr int stripWidth = 58;
constexpr int stripHeight = 564;
constexpr int headerHeight = 62;
/** The header spans the strips: 944 pixels would cut the last channel's label and slot in half. */
constexpr int headerWidth = stripPitch * (stripCount - 1) + stripWidth; // 973

/** Where strip i stands on a page with the given horizontal offset. */
constexpr int stripX (int i, int offset) noexcept { return stripPitch * i + offset; }
/** (page width - 974) / 2, or 0 when that is negative. */
constexpr int horizontalOffset (int width) noexcept { return width > centringWidth ? (width - centringWidth) / 2 : 0; }

// Inside a strip.
constexpr int meterX = 8, meterY = 392, meterWidth = 5, meterHeight = 109;
constexpr int nameSlotY = 547, nameSlotHeight = 16;
/** Controls the page keeps up to date without showing them stand here, outside the strip. */
constexpr int offStripX = -100;

/** One of a strip's value controls: its style, range, place in the strip and caption; its text follows its row's display code. */
struct ControlPlace
{
    GskStyle style;
    int minimum, maximum;
    bool onStrip;
    int x, y, width, height;
    const char* caption;
};

/**
    Control j of strip i is bound to live row 16 i + j. Slot 14 (the program
    bank) and slot 15 (the program number in its bank) have no control.
*/
constexpr int controlCount = 14;

inline constexpr std::array<ControlPlace, controlCount> controls { {
    { GskStyle::chainChooser, 1, 2048, true, 2, 6, 54, 26, "Insert" },
    { GskStyle::toggle, 0, 1, false, offStripX, 0, 54, 16, "Insert Out" },
    { GskStyle::smallSwitch, 0, 1, false, offStripX, 16, 54, 16, "FX Alloc" },
    { GskStyle::chainChooser, 1, 2048, true, 2, 48, 54, 26, "Aux 1" },
    { GskStyle::knob, 0, 120, true, 2, 84, 54, 60, "" },
    { GskStyle::toggle, 0, 1, false, offStripX, 32, 54, 16, "AUX 1 Out" },
    { GskStyle::chainChooser, 1, 2048, true, 2, 156, 54, 26, "Aux 2" },
    { GskStyle::knob, 0, 120, true, 2, 192, 54, 60, "" },
    { GskStyle::toggle, 0, 1, false, offStripX, 48, 54, 16, "AUX 2 Out" },
    { GskStyle::centreKnob, -64, 64, true, 2, 264, 54, 76, "Pan" },
    { GskStyle::fader, -96, 24, true, 12, 370, 40, 180, "" },
    { GskStyle::hiddenNumber, 0, 2560, false, offStripX, 64, 54, 16, "" },
    { GskStyle::button, 0, 1, false, offStripX, 80, 54, 16, "Solo" },
    { GskStyle::button, 0, 1, false, offStripX, 96, 54, 16, "Mute" },
} };

constexpr bool isChainSlot (int slot) noexcept
{
    return slot == LiveTable::slotInsertChain || slot == LiveTable::slotAux1Chain || slot == LiveTable::slotAux2Chain;
}

} // namespace zr9::mixer
