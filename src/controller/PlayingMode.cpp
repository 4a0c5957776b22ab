#include "PlayingMode.h"

#include "InputPause.h"
#include "LiveValues.h"

namespace zr9
{

namespace
{
    constexpr int programModePause = 2000;
    constexpr int multiModeFirstPause = 1000;
    constexpr int multiModePause = 2000;
} // namespace

bool switchPlayingMode (InputPause& pause, LiveValues& live, int mode)
{
    if (mode == 1)
    {
        pause.pause (programModePause);
    }
    else if (mode == 2)
    {
        pause.pause (multiModeFirstPause);
        pause.pause (multiModePause);
    }
    else
    {
        return false;
    }
    live.set (mode, LiveTable::rowPlayingMode, true);
    return true;
}

} // namespace zr9
