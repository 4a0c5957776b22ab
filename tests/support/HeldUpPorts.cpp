#include "HeldUpPorts.h"

namespace zr9::test
{

namespace
{
    constexpr int longestHoldMs = 10000; // a test that forgets to let go still ends
} // namespace

class HeldUpOutput final : public MidiOutputPort
{
public:
    explicit HeldUpOutput (HeldUpPorts& p) : ports (p) {}
    void sendNow (const juce::MidiMessage& m) override
    {
        ports.write (m);
        written (m);
    }

private:
    HeldUpPorts& ports;
};

std::unique_ptr<MidiOutputPort> HeldUpPorts::openOutput (int index)
{
    return index == 0 ? std::make_unique<HeldUpOutput> (*this) : nullptr;
}

void HeldUpPorts::write (const juce::MidiMessage& m)
{
    {
        const std::lock_guard<std::mutex> sl (lock);
        ++begun;
    }
    changed.notify_all();
    gate.wait (longestHoldMs);
    {
        const std::lock_guard<std::mutex> sl (lock);
        log.emplace_back (m.getRawData(), m.getRawData() + m.getRawDataSize());
    }
    changed.notify_all();
}

bool HeldUpPorts::waitForWritesBegun (size_t count, int timeoutMs)
{
    std::unique_lock<std::mutex> sl (lock);
    return changed.wait_for (sl, std::chrono::milliseconds (timeoutMs), [&] { return begun >= count; });
}

bool HeldUpPorts::waitForWritten (size_t count, int timeoutMs)
{
    std::unique_lock<std::mutex> sl (lock);
    return changed.wait_for (sl, std::chrono::milliseconds (timeoutMs), [&] { return log.size() >= count; });
}

std::vector<HeldUpPorts::Bytes> HeldUpPorts::written() const
{
    const std::lock_guard<std::mutex> sl (lock);
    return log;
}

} // namespace zr9::test
