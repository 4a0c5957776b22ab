#include "SkinImages.h"

// Defined by the assembler file that embeds the generated pictures.
#define ZR9_PICTURE(name) \
    extern "C" const char zr9_picture_##name##_begin[]; \
    extern "C" const char zr9_picture_##name##_end[];

ZR9_PICTURE (logo)
ZR9_PICTURE (footer_strip)
ZR9_PICTURE (page_backdrop)
ZR9_PICTURE (name_slot)
ZR9_PICTURE (name_slot_compact)

#undef ZR9_PICTURE

namespace zr9::skin
{

namespace
{
    juce::Image decode (const char* begin, const char* end)
    {
        return juce::ImageCache::getFromMemory (begin, (int) (end - begin));
    }
} // namespace

juce::Image logo() { return decode (zr9_picture_logo_begin, zr9_picture_logo_end); }
juce::Image footerStrip() { return decode (zr9_picture_footer_strip_begin, zr9_picture_footer_strip_end); }
juce::Image pageBackdrop() { return decode (zr9_picture_page_backdrop_begin, zr9_picture_page_backdrop_end); }
juce::Image nameSlot() { return decode (zr9_picture_name_slot_begin, zr9_picture_name_slot_end); }
juce::Image nameSlotCompact() { return decode (zr9_picture_name_slot_compact_begin, zr9_picture_name_slot_compact_end); }

} // namespace zr9::skin
