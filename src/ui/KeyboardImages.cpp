#include "KeyboardImages.h"
#include "EmbeddedPictures.h"

ZR9_EMBEDDED_PICTURE (key_white_up)
ZR9_EMBEDDED_PICTURE (key_white_down)
ZR9_EMBEDDED_PICTURE (key_black_up)
ZR9_EMBEDDED_PICTURE (key_black_down)
ZR9_EMBEDDED_PICTURE (pad_up)
ZR9_EMBEDDED_PICTURE (pad_down)
ZR9_EMBEDDED_PICTURE (wheel_pitch)
ZR9_EMBEDDED_PICTURE (wheel_modulation)
ZR9_EMBEDDED_PICTURE (octave_strip)

namespace zr9::skin
{

juce::Image whiteKey (bool down) { return down ? ZR9_PICTURE_IMAGE (key_white_down) : ZR9_PICTURE_IMAGE (key_white_up); }
juce::Image blackKey (bool down) { return down ? ZR9_PICTURE_IMAGE (key_black_down) : ZR9_PICTURE_IMAGE (key_black_up); }
juce::Image pad (bool down) { return down ? ZR9_PICTURE_IMAGE (pad_down) : ZR9_PICTURE_IMAGE (pad_up); }
juce::Image pitchWheelStrip() { return ZR9_PICTURE_IMAGE (wheel_pitch); }
juce::Image modulationWheelStrip() { return ZR9_PICTURE_IMAGE (wheel_modulation); }
juce::Image octaveStrip() { return ZR9_PICTURE_IMAGE (octave_strip); }

} // namespace zr9::skin
