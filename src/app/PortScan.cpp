#include "PortScan.h"

#include "MidiCntrState.h"

namespace zr9
{

void PortScan::start()
{
    inputs = controller.ports().inputNames().size();
    outputs = controller.ports().outputNames().size();
    inputAt = 0;
    outputAt = 0;
    controller.flags.connected = false;

    controller.setScannedPorts (controller.getSettingInt (setting::inputPort),
                                controller.getSettingInt (setting::outputPort));
    controller.sendIdentityRequest();
    current = State::running;
}

PortScan::State PortScan::step()
{
    if (current != State::running)
        return current;

    if (controller.flags.connected)
    {
        current = State::connected;
    }
    else if (inputAt < inputs)
    {
        // A step that runs out of outputs only moves on to the next input,
        // so each input costs one step more than it has outputs.
        if (outputAt < outputs)
            tryPair (inputAt, outputAt++);
        else
        {
            outputAt = 0;
            ++inputAt;
        }
    }
    else
    {
        current = State::notFound;
    }
    return current;
}

void PortScan::tryPair (int input, int output)
{
    controller.setScannedPorts (input + 1, output + 1);
    if (input < inputs)
        controller.openInputPort (input + 1);
    if (output < outputs)
        if (auto* out = controller.outputControl())
            out->open (output + 1);
    controller.sendIdentityRequest();
}

} // namespace zr9
