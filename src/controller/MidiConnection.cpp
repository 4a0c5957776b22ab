#include "MidiConnection.h"

#include "midi/InstrumentMessages.h"

namespace zr9
{

MidiConnection::MidiConnection (MidiPortProvider& p, Notifications& n, ControllerSettings& s, Clock& clock)
    : ports (p), notifications (n), settings (s), out (p, clock)
{
}

MidiConnection::~MidiConnection()
{
    closeInputPort();
    out.close();
}

void MidiConnection::openInputPort (int n)
{
    closeInputPort();
    if (n < 1 || inputCallback == nullptr)
        return;
    input = ports.openInput (n - 1, *inputCallback);
    if (input == nullptr)
        return;
    input->start();
    inputOpen = true;
    inputPort = n;
}

void MidiConnection::closeInputPort()
{
    if (input != nullptr)
    {
        input->stop();
        input.reset();
    }
    inputOpen = false;
    inputPort = 0;
}

void MidiConnection::sendIdentityRequest()
{
    {
        const std::lock_guard<std::mutex> sl (stateLock);
        connected = false;
        notifications.postStateCode (statecode::offLine);
    }
    out.sendSysEx (messages::identityRequest());
}

void MidiConnection::identityReplied (const Identity& identity)
{
    const std::lock_guard<std::mutex> sl (stateLock);
    if (identity.namesDevice)
        text = identity.text;
    unsupported = identity.unsupported;
    connected = true;
    if (scanMode)
    {
        // The file is written on the message thread; the entries are set now, with the reply.
        settings.set (Setting::inputPort, scanned.first);
        settings.set (Setting::outputPort, scanned.second);
        settings.saveSoon();
    }
    notifications.postStateCode (statecode::onLine);
}

juce::String MidiConnection::connectionText() const
{
    const std::lock_guard<std::mutex> sl (stateLock);
    return text;
}

void MidiConnection::setScannedPorts (int inputNumber, int outputNumber)
{
    const std::lock_guard<std::mutex> sl (stateLock);
    scanned = { inputNumber, outputNumber };
}

std::pair<int, int> MidiConnection::scannedPorts() const
{
    const std::lock_guard<std::mutex> sl (stateLock);
    return scanned;
}

} // namespace zr9
