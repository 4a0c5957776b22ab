#include "InstrumentMessages.h"

namespace zr9::messages
{

namespace
{
    constexpr juce::uint8 sysExStart = 0xF0;
    constexpr juce::uint8 sysExEnd = 0xF7;
    constexpr juce::uint8 manufacturerId = 0x07;
    constexpr juce::uint8 familyCode = 0x44;
    constexpr juce::uint8 memberCode = 0x03;
    constexpr juce::uint8 commandValue = 0x11;
    constexpr juce::uint8 commandChannelProgram = 0x20;
    constexpr int addressValueOffset = 8192;

    juce::MemoryBlock instrumentMessage (int deviceId, std::initializer_list<int> body)
    {
        juce::MemoryBlock m;
        const juce::uint8 head[] = { sysExStart, manufacturerId, familyCode, memberCode, (juce::uint8) (deviceId & 0x7F) };
        m.append (head, sizeof (head));
        for (const int b : body)
        {
            const auto byte = (juce::uint8) (b & 0x7F);
            m.append (&byte, 1);
        }
        m.append (&sysExEnd, 1);
        return m;
    }
} // namespace

juce::MemoryBlock identityRequest()
{
    const juce::uint8 bytes[] = { 0xF0, 0x7E, 0x7F, 0x06, 0x01, 0xF7 };
    return { bytes, sizeof (bytes) };
}

juce::MemoryBlock channelProgram (int deviceId, int channel, int program)
{
    return instrumentMessage (deviceId, { commandChannelProgram, channel, program / 128, program % 128 });
}

juce::MemoryBlock valueMessage (int deviceId, int value)
{
    return instrumentMessage (deviceId, { commandValue, value / 128, value % 128 });
}

juce::MidiBuffer controllerAddress (const Address& address, int value, int channel)
{
    const int numbers[] = { 110, 111, 112, 113, 114 };
    const int shifted = value + addressValueOffset;
    juce::MidiBuffer buffer;
    for (size_t i = 0; i < address.size(); ++i)
        buffer.addEvent (juce::MidiMessage::controllerEvent (channel, numbers[i], address[i] & 0x7F), 0);
    buffer.addEvent (juce::MidiMessage::controllerEvent (channel, 118, (shifted / 128) & 0x7F), 0);
    buffer.addEvent (juce::MidiMessage::controllerEvent (channel, 119, (shifted % 128) & 0x7F), 0);
    return buffer;
}

} // namespace zr9::messages
