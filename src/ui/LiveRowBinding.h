#pragma once

#include "GskBinding.h"

namespace zr9
{

class MidiCntrState;

/**
    Binds a value control to a live row: it reads the row's current value,
    and a value the user chooses goes through the controller's set-live-value
    path with sending, so the instrument and the host hear of it.
*/
GskBinding liveRowBinding (MidiCntrState& controller, int row);

} // namespace zr9
