#pragma once

namespace zr9
{

class InputPause;
class LiveValues;

/**
    Switches the instrument's playing mode, 1 (program) or 2 (multi): the
    input is paused while the instrument changes over (2000 ms; for the multi
    1000 ms and at once 2000 ms again), then live row 2305 is set with
    sending. Returns false, and does nothing, for any other mode.
*/
bool switchPlayingMode (InputPause& pause, LiveValues& live, int mode);

} // namespace zr9
