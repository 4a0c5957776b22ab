#include "LiveRowBinding.h"

#include "controller/MidiCntrState.h"

#include <memory>

namespace zr9
{

GskBinding liveRowBinding (MidiCntrState& controller, int row)
{
    return liveRowBinding (controller, [row] { return row; });
}

GskBinding liveRowBinding (MidiCntrState& controller, std::function<int()> rowNow)
{
    // The row the open gesture belongs to; -1 while none is open.
    auto gestureRow = std::make_shared<int> (-1);
    GskBinding b;
    b.read = [&controller, rowNow] { return controller.getLiveValue (rowNow()); };
    b.write = [&controller, rowNow, gestureRow] (int value)
    {
        const int row = rowNow();
        if (*gestureRow >= 0 && *gestureRow != row)
        {
            controller.gestures().end (*gestureRow);
            controller.gestures().begin (row);
            *gestureRow = row;
        }
        controller.setLiveValue (value, row, true);
    };
    b.beginGesture = [&controller, rowNow, gestureRow]
    {
        *gestureRow = rowNow();
        controller.gestures().begin (*gestureRow);
    };
    b.endGesture = [&controller, gestureRow]
    {
        controller.gestures().end (*gestureRow);
        *gestureRow = -1;
    };
    b.clock = &controller.clock();
    return b;
}

} // namespace zr9
