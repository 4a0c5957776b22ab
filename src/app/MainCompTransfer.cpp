// The main component's side of the transfers: the receive/transmit panel
// that "RECEIVE DATA" and "TRANSMIT DATA" of the MIDI setup panel open.

#include "MainComp.h"

namespace zr9
{

void MainComp::setTransferPanelShown (int direction)
{
    transferSelection.reset();
    if (direction == 0)
        return;

    transferSelection = std::make_unique<RecTrn> (controller, direction);
    // "CLOSE" is the last thing its button does, so the panel may go at once.
    transferSelection->onClose = [this] { setTransferPanelShown (0); };
    transferSelection->setBounds (0, barHeight, getWidth(), getHeight() - barHeight - footerStripFromBottom);
    addAndMakeVisible (*transferSelection);
    transferSelection->toFront (false);
}

} // namespace zr9
