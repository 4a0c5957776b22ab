#include "ZR9Emulator.h"

namespace zr9::emulator
{

namespace
{
    class EmulatorInput final : public MidiInputPort
    {
    public:
        EmulatorInput (std::shared_ptr<ZR9Emulator> e, juce::MidiInputCallback& c) : zr9 (std::move (e)), callback (c) {}
        ~EmulatorInput() override { stop(); }
        void start() override { zr9->line().setCallback (&callback); }
        void stop() override { zr9->line().setCallback (nullptr); }

    private:
        std::shared_ptr<ZR9Emulator> zr9;
        juce::MidiInputCallback& callback;
    };

    /** Hands every message straight to the instrument, in order; timing is the reply line's. */
    class EmulatorOutput final : public MidiOutputPort
    {
    public:
        explicit EmulatorOutput (std::shared_ptr<ZR9Emulator> e) : zr9 (std::move (e)) {}

        void sendNow (const juce::MidiMessage& m) override
        {
            // Shown as it goes on the line, before the instrument takes it: its reply
            // comes from the reply line's thread and must not be shown before it.
            zr9->line().carried ((size_t) m.getRawDataSize());
            written (m);
            zr9->receive (m.getRawData(), (size_t) m.getRawDataSize());
        }
        bool isInProcess() const noexcept override { return true; }

    private:
        std::shared_ptr<ZR9Emulator> zr9;
    };
} // namespace

EmulatorPortProvider::EmulatorPortProvider (std::shared_ptr<MidiPortProvider> p, std::shared_ptr<ZR9Emulator> e)
    : platform (std::move (p)), zr9 (std::move (e))
{
}

juce::StringArray EmulatorPortProvider::inputNames()
{
    auto names = platform != nullptr ? platform->inputNames() : juce::StringArray();
    names.add (portName);
    return names;
}

juce::StringArray EmulatorPortProvider::outputNames()
{
    auto names = platform != nullptr ? platform->outputNames() : juce::StringArray();
    names.add (portName);
    return names;
}

std::unique_ptr<MidiInputPort> EmulatorPortProvider::openInput (int index, juce::MidiInputCallback& callback)
{
    const int own = platform != nullptr ? platform->inputNames().size() : 0;
    if (index == own)
        return std::make_unique<EmulatorInput> (zr9, callback);
    return platform != nullptr && index >= 0 && index < own ? platform->openInput (index, callback) : nullptr;
}

std::unique_ptr<MidiOutputPort> EmulatorPortProvider::openOutput (int index)
{
    const int own = platform != nullptr ? platform->outputNames().size() : 0;
    if (index == own)
        return std::make_unique<EmulatorOutput> (zr9);
    return platform != nullptr && index >= 0 && index < own ? platform->openOutput (index) : nullptr;
}

} // namespace zr9::emulator
