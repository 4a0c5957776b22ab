#pragma once

namespace zr9
{

/** The MIDI channels the instrument's multi plays on, numbered 1 to 16 to people and 0 to 15 inside. */
constexpr int channelCount = 16;

/** The programs one bank select chooses among: a channel plays program bank × 128 + number. */
constexpr int programsPerBank = 128;

} // namespace zr9
