// The main component's side of the keyboard panel and the computer-keyboard
// player: where they lie as the window changes size, the panel's slide, the
// wheels' changes sent on the player's channel, and the wheels following
// what the instrument reports on that channel.

#include "MainComp.h"

#include "model/MidiControllers.h"

namespace zr9
{

namespace
{
    constexpr int grabOffset = 20; // the footer's grab starts the drag this far above the footer
} // namespace

void MainComp::layoutKeyboardAndPlayer()
{
    // The panel keeps its size, centred and anchored to the bottom, whatever the window's size.
    const int x = (getWidth() - KeyboardPanel::panelWidth) / 2;
    keyboard->setTopLeftPosition (x, keyboardOpenTop());

    // The player sits at the right end of the foot; the status line stays left of it.
    player->setBounds (getWidth() - sideWidth - keyPlayerWidth, foot->getY(), keyPlayerWidth, foot->getHeight());
    foot->setReservedRight (foot->getRight() - player->getX());
}

void MainComp::setKeyboardOpen (bool open)
{
    controller.editorMemory().setKeyboardOpen (open);
    if (auto* keys = bar->button (AppBar::buttonKeys))
        keys->setSelected (open);
    layoutKeyboardAndPlayer();
    keyboard->setVisible (open);
    if (open)
        keyboard->toFront (false);
    layoutPages();
    repaint();
}

void MainComp::slideCommand (juce::Component& source, int command, int distance)
{
    const bool fromFooter = &source == foot.get();
    const bool fromHandle = &source == keyboard.get();
    if (! fromFooter && ! fromHandle)
        return;
    if (fromFooter && controller.editorMemory().isKeyboardOpen())
        return;

    switch (command)
    {
        case slide::grab:
            slideStartY = fromFooter ? foot->getY() - grabOffset : keyboard->getY();
            if (fromFooter)
            {
                keyboard->setTopLeftPosition (keyboard->getX(), foot->getY());
                keyboard->setVisible (true);
                keyboard->toFront (false);
                layoutPages();
            }
            break;

        case slide::drag:
            keyboard->setTopLeftPosition (keyboard->getX(), slideStartY + distance);
            break;

        case slide::release:
            if (fromFooter)
                setKeyboardOpen (-distance >= footerOpenThreshold);
            else
                setKeyboardOpen (keyboard->getY() <= keyboardOpenTop() + handleCloseDistance);
            break;

        default:
            break;
    }
}

bool MainComp::wheelMoved (juce::ChangeBroadcaster* source)
{
    auto& keys = keyboard->keyboard();
    auto& notes = controller.notes();
    if (source == &keys.pitchWheel())
        notes.pitchWheel (notes.channel(), NotePlayer::pitchWheelForPosition (keys.pitchWheel().position()));
    else if (source == &keys.modulationWheel())
        notes.modulation (notes.channel(), keys.modulationWheel().position());
    else
        return false;
    return true;
}

void MainComp::showIncomingWheel (std::uint32_t code)
{
    // Only what arrives on the player's own channel moves the wheels, and nothing is sent back.
    if (statecode::channel (code) + 1 != controller.notes().channel())
        return;
    auto& keys = keyboard->keyboard();
    if (statecode::kind (code) == statecode::pitchWheel)
        keys.pitchWheel().showPosition (NotePlayer::positionForPitchWheel (statecode::wheelValue (code)));
    else if (statecode::kind (code) == statecode::controller && statecode::data1 (code) == midicc::modulationWheel)
        keys.modulationWheel().showPosition (statecode::data2 (code));
}

} // namespace zr9
