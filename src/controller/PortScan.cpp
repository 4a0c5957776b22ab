#include "PortScan.h"

#include "ControllerSettings.h"
#include "MidiConnection.h"

namespace zr9
{

PortScan::PortScan (MidiConnection& c, ControllerSettings& s, Clock& clock)
    : connection (c), settings (s), timer (clock.makeTimer ([this] { step(); }))
{
}

PortScan::~PortScan()
{
    timer->stop();
    connection.setScanMode (false);
}

void PortScan::start()
{
    timer->stop();
    inputs = connection.inputNames().size();
    outputs = connection.outputNames().size();
    inputAt = 0;
    outputAt = 0;

    connection.setScannedPorts (settings.number (Setting::inputPort), settings.number (Setting::outputPort));
    // The scan mode goes up only once the pair it asks is set: a reply to an
    // earlier request must not remember a pair nobody is trying.
    connection.setScanMode (true);
    connection.sendIdentityRequest();
    timer->start (tickMs);
    setState (State::running);
}

void PortScan::stop()
{
    timer->stop();
    connection.setScanMode (false);
    setState (State::idle);
}

PortScan::State PortScan::step()
{
    if (current != State::running)
        return current;

    if (connection.isConnected())
    {
        timer->stop();
        connection.setScanMode (false);
        setState (State::connected);
    }
    else if (inputAt < inputs)
    {
        // A tick that runs out of outputs only moves on to the next input,
        // so each input costs one tick more than it has outputs.
        if (outputAt < outputs)
            tryPair (inputAt, outputAt++);
        else
        {
            outputAt = 0;
            ++inputAt;
        }
        listeners.call ([] (Listener& l) { l.scanChanged(); });
    }
    else
    {
        timer->stop();
        setState (State::notFound);
    }
    return current;
}

void PortScan::tryPair (int input, int output)
{
    connection.setScannedPorts (input + 1, output + 1);
    if (input < inputs)
        connection.openInputPort (input + 1);
    if (output < outputs)
        connection.openOutputPort (output + 1);
    connection.sendIdentityRequest();
}

void PortScan::setState (State s)
{
    current = s;
    listeners.call ([] (Listener& l) { l.scanChanged(); });
}

} // namespace zr9
