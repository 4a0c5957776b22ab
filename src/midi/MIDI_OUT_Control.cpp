#include "MIDI_OUT_Control.h"

#include <algorithm>

namespace zr9
{

namespace
{
    // The buffers are laid out in milliseconds: position p leaves p ms after the start time.
    constexpr double bufferPositionsPerSecond = 1000.0;
    constexpr int highestChannel = 16;
} // namespace

MIDI_OUT_Control::MIDI_OUT_Control (MidiPortProvider& p) : ports (p) {}

MIDI_OUT_Control::~MIDI_OUT_Control() { close(); }

bool MIDI_OUT_Control::open (int portNumber)
{
    const juce::ScopedLock sl (sendLock);
    close();
    if (portNumber < 1)
        return false;
    device = ports.openOutput (portNumber - 1);
    if (device == nullptr)
        return false;
    device->setTap (monitorTap.load(), portNumber);
    device->startSendingThread();
    openPort = portNumber;
    opened = true;
    return true;
}

void MIDI_OUT_Control::close()
{
    const juce::ScopedLock sl (sendLock);
    if (device != nullptr)
    {
        device->stopSendingThread();
        device.reset();
    }
    opened = false;
    openPort = 0;
}

void MIDI_OUT_Control::sendSysEx (const void* data, size_t size)
{
    const juce::ScopedLock sl (sendLock);
    if (device == nullptr || data == nullptr || size == 0)
        return;

    const auto* bytes = static_cast<const juce::uint8*> (data);
    if (size <= (size_t) sysExPieceSize)
    {
        juce::MidiBuffer buffer;
        buffer.addEvent (juce::MidiMessage (bytes, (int) size, 0.0), 0);
        sendBuffer (buffer);
        return;
    }

    // A long message goes out at once, piece by piece: what was queued before
    // it leaves first, and nothing queued meanwhile can come in between.
    device->waitUntilQueueSent (queueWaitMs);
    device->stopSendingThread();
    for (size_t offset = 0; offset < size; offset += (size_t) sysExPieceSize)
    {
        const auto n = std::min ((size_t) sysExPieceSize, size - offset);
        device->sendNow (juce::MidiMessage (bytes + offset, (int) n, 0.0));
    }
    device->startSendingThread();
}

void MIDI_OUT_Control::sendBuffer (const juce::MidiBuffer& buffer)
{
    const juce::ScopedLock sl (sendLock);
    if (device != nullptr)
        device->sendBlock (buffer, juce::Time::getMillisecondCounter(), bufferPositionsPerSecond);
}

void MIDI_OUT_Control::sendController (int channel, int controller, int value)
{
    if (channel > highestChannel || channel < 0)
        return;
    juce::MidiBuffer buffer;
    buffer.addEvent (juce::MidiMessage ((int) (0xB0 | statusChannel (channel)), controller & 0x7F, value & 0x7F), 0);
    sendBuffer (buffer);
}

void MIDI_OUT_Control::sendPitchWheel (int channel, int value)
{
    if (channel > highestChannel || channel < 0)
        return;
    juce::MidiBuffer buffer;
    buffer.addEvent (juce::MidiMessage ((int) (0xE0 | statusChannel (channel)), value & 0x7F, (value >> 7) & 0x7F), 0);
    sendBuffer (buffer);
}

} // namespace zr9
