#pragma once

#include <functional>

namespace zr9
{

class Clock;

/**
    Where a value control reads its value and where it hands the values the
    user chooses: a live row, a field of an object being edited, anything a
    page binds it to. Either side may be empty: a control without `read` only
    shows what it is told, one without `write` keeps the user's choice to
    itself.

    `beginGesture` and `endGesture`, where given, hear when one move of the
    user's begins and ends (see GskCont), before the control's own hooks; a
    live row hands them to the plug-in host. A run of wheel notches ends
    after a quiet time measured on `clock` (the system's clock when null).
*/
struct GskBinding
{
    std::function<int()> read;
    std::function<void (int)> write;
    // Initialised here, so a binding written as { read, write } still names every member.
    std::function<void()> beginGesture = {};
    std::function<void()> endGesture = {};
    Clock* clock = nullptr;
};

} // namespace zr9
