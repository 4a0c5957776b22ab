#include "ControlPictures.h"
#include "EmbeddedPictures.h"

ZR9_EMBEDDED_PICTURE (knob_face)
ZR9_EMBEDDED_PICTURE (fader_cap)
ZR9_EMBEDDED_PICTURE (strip_panel)
ZR9_EMBEDDED_PICTURE (meter_lit)
ZR9_EMBEDDED_PICTURE (meter_unlit)

namespace zr9::skin
{

juce::Image knobFace() { return ZR9_PICTURE_IMAGE (knob_face); }
juce::Image faderCap() { return ZR9_PICTURE_IMAGE (fader_cap); }
juce::Image stripPanel() { return ZR9_PICTURE_IMAGE (strip_panel); }
juce::Image meterLit() { return ZR9_PICTURE_IMAGE (meter_lit); }
juce::Image meterUnlit() { return ZR9_PICTURE_IMAGE (meter_unlit); }

} // namespace zr9::skin
