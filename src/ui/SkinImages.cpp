#include "SkinImages.h"
#include "EmbeddedPictures.h"

ZR9_EMBEDDED_PICTURE (logo)
ZR9_EMBEDDED_PICTURE (footer_strip)
ZR9_EMBEDDED_PICTURE (page_backdrop)
ZR9_EMBEDDED_PICTURE (name_slot)
ZR9_EMBEDDED_PICTURE (name_slot_compact)

namespace zr9::skin
{

juce::Image logo() { return ZR9_PICTURE_IMAGE (logo); }
juce::Image footerStrip() { return ZR9_PICTURE_IMAGE (footer_strip); }
juce::Image pageBackdrop() { return ZR9_PICTURE_IMAGE (page_backdrop); }
juce::Image nameSlot() { return ZR9_PICTURE_IMAGE (name_slot); }
juce::Image nameSlotCompact() { return ZR9_PICTURE_IMAGE (name_slot_compact); }

} // namespace zr9::skin
