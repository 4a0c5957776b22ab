#include "ThreadedOutputs.h"

namespace zr9::test
{

namespace
{
    class ThreadedOutput final : public MidiOutputPort
    {
    public:
        explicit ThreadedOutput (std::unique_ptr<MidiOutputPort> d) : device (std::move (d)) {}
        void sendNow (const juce::MidiMessage& m) override { device->sendNow (m); }
        // The wrapped output writes to the device, from the output control's sending thread.
        void setTap (MidiTap* t, int portNumber) noexcept override { device->setTap (t, portNumber); }

    private:
        std::unique_ptr<MidiOutputPort> device;
    };
} // namespace

std::unique_ptr<MidiOutputPort> ThreadedOutputs::openOutput (int index)
{
    auto device = inner->openOutput (index);
    return device != nullptr ? std::make_unique<ThreadedOutput> (std::move (device)) : nullptr;
}

} // namespace zr9::test
