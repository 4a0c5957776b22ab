#include "ThreadedOutputs.h"

#include "midi/OutputQueue.h"

namespace zr9::test
{

namespace
{
    class ThreadedOutput final : public MidiOutputPort
    {
    public:
        explicit ThreadedOutput (std::unique_ptr<MidiOutputPort> d) : device (std::move (d)) {}
        ~ThreadedOutput() override { queue.stop(); }

        void sendNow (const juce::MidiMessage& m) override { device->sendNow (m); }
        void sendBlock (const juce::MidiBuffer& b, double startMs, double rate) override { queue.push (b, startMs, rate); }
        bool waitUntilQueueSent (int timeoutMs) override { return queue.waitUntilSent (timeoutMs); }
        void startSendingThread() override { queue.start(); }
        void stopSendingThread() override { queue.stop(); }
        // The wrapped output writes to the device, from this output's sending thread.
        void setTap (MidiTap* t, int portNumber) noexcept override { device->setTap (t, portNumber); }

    private:
        std::unique_ptr<MidiOutputPort> device;
        OutputQueue queue { [this] (const juce::MidiMessage& m) { device->sendNow (m); } };
    };
} // namespace

std::unique_ptr<MidiOutputPort> ThreadedOutputs::openOutput (int index)
{
    auto device = inner->openOutput (index);
    return device != nullptr ? std::make_unique<ThreadedOutput> (std::move (device)) : nullptr;
}

} // namespace zr9::test
