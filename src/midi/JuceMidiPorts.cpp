#include "JuceMidiPorts.h"

namespace zr9
{

namespace
{
    juce::StringArray namesOf (const juce::Array<juce::MidiDeviceInfo>& devices)
    {
        juce::StringArray names;
        for (const auto& d : devices)
            names.add (d.name);
        return names;
    }

    class JuceInput final : public MidiInputPort
    {
    public:
        explicit JuceInput (std::unique_ptr<juce::MidiInput> d) : device (std::move (d)) {}
        void start() override { device->start(); }
        void stop() override { device->stop(); }

    private:
        std::unique_ptr<juce::MidiInput> device;
    };

    /** A device output; the output control's sending thread writes to it. */
    class JuceOutput final : public MidiOutputPort
    {
    public:
        explicit JuceOutput (std::unique_ptr<juce::MidiOutput> d) : device (std::move (d)) {}
        void sendNow (const juce::MidiMessage& m) override
        {
            device->sendMessageNow (m);
            written (m);
        }

    private:
        std::unique_ptr<juce::MidiOutput> device;
    };
} // namespace

juce::StringArray JuceMidiPorts::inputNames() { return namesOf (juce::MidiInput::getAvailableDevices()); }

juce::StringArray JuceMidiPorts::outputNames() { return namesOf (juce::MidiOutput::getAvailableDevices()); }

std::unique_ptr<MidiInputPort> JuceMidiPorts::openInput (int index, juce::MidiInputCallback& callback)
{
    const auto devices = juce::MidiInput::getAvailableDevices();
    if (! juce::isPositiveAndBelow (index, devices.size()))
        return nullptr;
    auto device = juce::MidiInput::openDevice (devices[index].identifier, &callback);
    return device != nullptr ? std::make_unique<JuceInput> (std::move (device)) : nullptr;
}

std::unique_ptr<MidiOutputPort> JuceMidiPorts::openOutput (int index)
{
    const auto devices = juce::MidiOutput::getAvailableDevices();
    if (! juce::isPositiveAndBelow (index, devices.size()))
        return nullptr;
    auto device = juce::MidiOutput::openDevice (devices[index].identifier);
    return device != nullptr ? std::make_unique<JuceOutput> (std::move (device)) : nullptr;
}

} // namespace zr9
