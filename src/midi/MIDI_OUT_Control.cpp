#include "MIDI_OUT_Control.h"

#include <algorithm>

namespace zr9
{

namespace
{
    constexpr int highestChannel = 16;
} // namespace

MIDI_OUT_Control::MIDI_OUT_Control (MidiPortProvider& p, Clock& c) : ports (p), timeSource (c) {}

MIDI_OUT_Control::~MIDI_OUT_Control() { close(); }

bool MIDI_OUT_Control::open (int portNumber)
{
    const std::lock_guard<std::mutex> sl (portLock);
    closeLocked();
    if (portNumber < 1)
        return false;
    auto port = ports.openOutput (portNumber - 1);
    if (port == nullptr)
        return false;
    // The port shows each message where it writes it to its device, on the thread that writes it.
    port->setTap (monitorTap.load(), portNumber);
    writesAtOnce = port->isInProcess();
    {
        const std::lock_guard<std::mutex> dl (deviceLock);
        device = std::move (port);
    }
    sending.start();
    openPort = portNumber;
    opened = true;
    return true;
}

void MIDI_OUT_Control::close()
{
    const std::lock_guard<std::mutex> sl (portLock);
    closeLocked();
}

void MIDI_OUT_Control::closeLocked()
{
    opened = false;
    openPort = 0;
    // The thread ends after the message it is writing; what still waits was meant for this port.
    sending.stop();
    sending.discardWaiting();
    const std::lock_guard<std::mutex> dl (deviceLock);
    device.reset();
}

void MIDI_OUT_Control::send (const juce::MidiMessage& message)
{
    if (! opened.load())
        return;
    if (writesAtOnce.load())
        writeToDevice (message);
    else
        sending.push (message);
}

void MIDI_OUT_Control::sendSysEx (const void* data, size_t size)
{
    if (data == nullptr || size == 0)
        return;
    send (juce::MidiMessage (data, (int) size, 0.0));
}

void MIDI_OUT_Control::sendBuffer (const juce::MidiBuffer& buffer)
{
    if (! opened.load())
        return;
    if (! writesAtOnce.load())
    {
        sending.push (buffer);
        return;
    }
    // The run goes in one piece, so nothing sent from another thread comes between its messages.
    const std::lock_guard<std::mutex> dl (deviceLock);
    for (const auto meta : buffer)
        write (meta.getMessage());
}

void MIDI_OUT_Control::sendController (int channel, int controller, int value)
{
    if (channel > highestChannel || channel < 0)
        return;
    send (juce::MidiMessage ((int) (0xB0 | statusChannel (channel)), controller & 0x7F, value & 0x7F));
}

void MIDI_OUT_Control::sendPitchWheel (int channel, int value)
{
    if (channel > highestChannel || channel < 0)
        return;
    send (juce::MidiMessage ((int) (0xE0 | statusChannel (channel)), value & 0x7F, (value >> 7) & 0x7F));
}

void MIDI_OUT_Control::writeToDevice (const juce::MidiMessage& message)
{
    const std::lock_guard<std::mutex> dl (deviceLock);
    write (message);
}

void MIDI_OUT_Control::write (const juce::MidiMessage& message)
{
    if (device == nullptr)
        return;
    const auto* bytes = message.getRawData();
    const auto size = (size_t) message.getRawDataSize();
    if (size <= (size_t) sysExPieceSize)
    {
        device->sendNow (message);
        return;
    }
    // A long message goes in pieces of 256 bytes, one straight after the other:
    // only the first begins with 0xF0 and only the last ends with 0xF7.
    for (size_t offset = 0; offset < size; offset += (size_t) sysExPieceSize)
    {
        const auto n = std::min ((size_t) sysExPieceSize, size - offset);
        device->sendNow (juce::MidiMessage (bytes + offset, (int) n, 0.0));
    }
}

} // namespace zr9
