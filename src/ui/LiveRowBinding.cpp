#include "LiveRowBinding.h"

#include "controller/MidiCntrState.h"

namespace zr9
{

GskBinding liveRowBinding (MidiCntrState& controller, int row)
{
    return { [&controller, row] { return controller.getLiveValue (row); },
             [&controller, row] (int value) { controller.setLiveValue (value, row, true); } };
}

} // namespace zr9
