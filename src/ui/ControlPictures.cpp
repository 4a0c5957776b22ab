#include "ControlPictures.h"

// Defined by the assembler file that embeds the generated pictures.
#define ZR9_PICTURE(name) \
    extern "C" const char zr9_picture_##name##_begin[]; \
    extern "C" const char zr9_picture_##name##_end[];

ZR9_PICTURE (knob_face)
ZR9_PICTURE (fader_cap)
ZR9_PICTURE (strip_panel)
ZR9_PICTURE (meter_lit)
ZR9_PICTURE (meter_unlit)

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

juce::Image knobFace() { return decode (zr9_picture_knob_face_begin, zr9_picture_knob_face_end); }
juce::Image faderCap() { return decode (zr9_picture_fader_cap_begin, zr9_picture_fader_cap_end); }
juce::Image stripPanel() { return decode (zr9_picture_strip_panel_begin, zr9_picture_strip_panel_end); }
juce::Image meterLit() { return decode (zr9_picture_meter_lit_begin, zr9_picture_meter_lit_end); }
juce::Image meterUnlit() { return decode (zr9_picture_meter_unlit_begin, zr9_picture_meter_unlit_end); }

} // namespace zr9::skin
