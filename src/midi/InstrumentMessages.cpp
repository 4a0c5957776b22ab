#include "InstrumentMessages.h"

#include "model/MidiControllers.h"
#include "model/SysexFormat.h"

namespace zr9::messages
{

namespace
{
    juce::MemoryBlock block (const sysex::Message& m) { return { m.data(), m.size() }; }
} // namespace

juce::MemoryBlock identityRequest()
{
    return block (sysex::identityRequest());
}

juce::MemoryBlock channelProgram (int deviceId, int channel, int program)
{
    return block (sysex::channelProgram (deviceId, channel, program));
}

juce::MemoryBlock valueMessage (int deviceId, int value)
{
    return block (sysex::valueMessage (deviceId, value));
}

juce::MemoryBlock channelSelect (int deviceId, int channel)
{
    return block (sysex::channelSelect (deviceId, channel));
}

juce::MidiBuffer controllerAddress (const Address& address, int value, int channel)
{
    const int shifted = value + midicc::addressValueOffset;
    juce::MidiBuffer buffer;
    for (size_t i = 0; i < address.size(); ++i)
        buffer.addEvent (juce::MidiMessage::controllerEvent (channel, midicc::firstAddress + (int) i, address[i] & 0x7F), 0);
    buffer.addEvent (juce::MidiMessage::controllerEvent (channel, midicc::valueHigh, (shifted / 128) & 0x7F), 0);
    buffer.addEvent (juce::MidiMessage::controllerEvent (channel, midicc::valueLow, (shifted % 128) & 0x7F), 0);
    return buffer;
}

} // namespace zr9::messages
