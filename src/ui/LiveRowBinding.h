#pragma once

#include "GskBinding.h"

namespace zr9
{

class MidiCntrState;

/**
    Binds a value control to a live row: it reads the row's current value,
    a value the user chooses goes through the controller's set-live-value
    path with sending, so the instrument and the host hear of it, and each
    move of the user's is the row's gesture for the host. Wheel runs are
    timed on the controller's clock.
*/
GskBinding liveRowBinding (MidiCntrState& controller, int row);

/**
    The same for a control whose row follows a choice of the page (the
    controls page's channel): `rowNow` is asked at each use. A gesture stays
    with the row it began on; a value for another row ends it there and
    begins one on the new row.
*/
GskBinding liveRowBinding (MidiCntrState& controller, std::function<int()> rowNow);

} // namespace zr9
