#include "FakeMidiPorts.h"

namespace zr9::test
{

namespace
{
    std::vector<juce::uint8> bytesOf (const juce::MidiMessage& m)
    {
        const auto* d = m.getRawData();
        return { d, d + m.getRawDataSize() };
    }

    class FakeInput final : public MidiInputPort
    {
    public:
        explicit FakeInput (std::shared_ptr<FakeMidiLog> l) : log (std::move (l)) {}
        ~FakeInput() override { log->inputCallback = nullptr; log->inputStarted = false; }
        void start() override { log->inputStarted = true; }
        void stop() override { log->inputStarted = false; }

    private:
        std::shared_ptr<FakeMidiLog> log;
    };

    class FakeOutput final : public MidiOutputPort
    {
    public:
        explicit FakeOutput (std::shared_ptr<FakeMidiLog> l) : log (std::move (l)) {}

        void sendNow (const juce::MidiMessage& m) override
        {
            log->sent.push_back ({ bytesOf (m) });
            written (m);
        }
        bool isInProcess() const noexcept override { return true; }

    private:
        std::shared_ptr<FakeMidiLog> log;
    };
} // namespace

std::vector<std::array<int, 3>> FakeMidiLog::controllers() const
{
    std::vector<std::array<int, 3>> out;
    for (const auto& s : sent)
        if (s.bytes.size() == 3 && (s.bytes[0] & 0xF0) == 0xB0)
            out.push_back ({ (s.bytes[0] & 0x0F) + 1, s.bytes[1], s.bytes[2] });
    return out;
}

std::vector<std::vector<juce::uint8>> FakeMidiLog::sysEx() const
{
    std::vector<std::vector<juce::uint8>> out;
    for (const auto& s : sent)
        if (! s.bytes.empty() && s.bytes[0] == 0xF0)
            out.push_back (s.bytes);
    return out;
}

std::vector<std::vector<juce::uint8>> FakeMidiLog::wholeSysEx() const
{
    std::vector<std::vector<juce::uint8>> out;
    bool open = false;
    // A continuing piece holds data bytes, and the last may end with 0xF7 or be that byte alone
    // (a message one byte longer than a whole number of pieces).
    for (const auto& s : sent)
    {
        if (s.bytes.empty())
            continue;
        if (s.bytes[0] == 0xF0)
        {
            out.push_back (s.bytes);
            open = true;
        }
        else if (open && (s.bytes[0] < 0x80 || (s.bytes.size() == 1 && s.bytes[0] == 0xF7)))
        {
            out.back().insert (out.back().end(), s.bytes.begin(), s.bytes.end());
        }
        else
        {
            continue;
        }
        open = out.back().back() != 0xF7;
    }
    return out;
}

FakeMidiPorts::FakeMidiPorts (int inputs, int outputs)
{
    for (int i = 0; i < inputs; ++i)
        ins.add ("Fake In " + juce::String (i + 1));
    for (int i = 0; i < outputs; ++i)
        outs.add ("Fake Out " + juce::String (i + 1));
}

std::unique_ptr<MidiInputPort> FakeMidiPorts::openInput (int index, juce::MidiInputCallback& callback)
{
    if (! juce::isPositiveAndBelow (index, ins.size()))
        return nullptr;
    log->openedInputs.push_back (index);
    log->inputCallback = &callback;
    return std::make_unique<FakeInput> (log);
}

std::unique_ptr<MidiOutputPort> FakeMidiPorts::openOutput (int index)
{
    if (! juce::isPositiveAndBelow (index, outs.size()))
        return nullptr;
    log->openedOutputs.push_back (index);
    return std::make_unique<FakeOutput> (log);
}

void FakeMidiPorts::feed (const juce::MidiMessage& message)
{
    if (log->inputCallback != nullptr && log->inputStarted)
        log->inputCallback->handleIncomingMidiMessage (nullptr, message);
}

} // namespace zr9::test
