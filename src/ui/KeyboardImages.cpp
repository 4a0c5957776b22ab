#include "KeyboardImages.h"

// Defined by the assembler file that embeds the generated pictures.
#define ZR9_PICTURE(name) \
    extern "C" const char zr9_picture_##name##_begin[]; \
    extern "C" const char zr9_picture_##name##_end[];

ZR9_PICTURE (key_white_up)
ZR9_PICTURE (key_white_down)
ZR9_PICTURE (key_black_up)
ZR9_PICTURE (key_black_down)
ZR9_PICTURE (pad_up)
ZR9_PICTURE (pad_down)
ZR9_PICTURE (wheel_pitch)
ZR9_PICTURE (wheel_modulation)
ZR9_PICTURE (octave_strip)

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

#define ZR9_DECODE(name) decode (zr9_picture_##name##_begin, zr9_picture_##name##_end)

juce::Image whiteKey (bool down) { return down ? ZR9_DECODE (key_white_down) : ZR9_DECODE (key_white_up); }
juce::Image blackKey (bool down) { return down ? ZR9_DECODE (key_black_down) : ZR9_DECODE (key_black_up); }
juce::Image pad (bool down) { return down ? ZR9_DECODE (pad_down) : ZR9_DECODE (pad_up); }
juce::Image pitchWheelStrip() { return ZR9_DECODE (wheel_pitch); }
juce::Image modulationWheelStrip() { return ZR9_DECODE (wheel_modulation); }
juce::Image octaveStrip() { return ZR9_DECODE (octave_strip); }

#undef ZR9_DECODE

} // namespace zr9::skin
