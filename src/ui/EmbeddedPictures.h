#pragma once

#include <juce_graphics/juce_graphics.h>

/*
    Pictures the build draws and embeds into the program. The assembler file
    that embeds them defines zr9_picture_<name>_begin and _end for each one.
    ZR9_EMBEDDED_PICTURE (name) declares a picture's bytes at file scope;
    ZR9_PICTURE_IMAGE (name) decodes it, once, and then serves it from the
    framework's image cache.
*/
#define ZR9_EMBEDDED_PICTURE(name) \
    extern "C" const char zr9_picture_##name##_begin[]; \
    extern "C" const char zr9_picture_##name##_end[];

#define ZR9_PICTURE_IMAGE(name) ::zr9::skin::embeddedImage (zr9_picture_##name##_begin, zr9_picture_##name##_end)

namespace zr9::skin
{

inline juce::Image embeddedImage (const char* begin, const char* end)
{
    return juce::ImageCache::getFromMemory (begin, (int) (end - begin));
}

} // namespace zr9::skin
