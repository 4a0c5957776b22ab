#pragma once

namespace zr9
{

/** The MIDI channels the instrument's multi plays on, numbered 1 to 16 to people and 0 to 15 inside. */
constexpr int channelCount = 16;

} // namespace zr9
