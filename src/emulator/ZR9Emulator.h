#pragma once

#include "ReplyLine.h"
#include "VirtualInstrument.h"

#include "midi/MidiPorts.h"

namespace zr9::emulator
{

/**
    The virtual ZR9: the instrument and the line its replies travel on.
    Everything the editor sends reaches `instrument()`; its replies reach the
    input callback from the reply line's own thread.
*/
class ZR9Emulator
{
public:
    explicit ZR9Emulator (std::shared_ptr<Clock> clock = Clock::system())
        : replies (std::move (clock)), zr9 ([this] (const sysex::Message& reply) { replies.post (reply); })
    {
    }

    VirtualInstrument& instrument() noexcept { return zr9; }
    ReplyLine& line() noexcept { return replies; }

    /** Sees every message the instrument receives, on the sending thread, before the instrument does. */
    using Monitor = std::function<void (const std::uint8_t* bytes, std::size_t size)>;
    void setMonitor (Monitor m) { monitor = std::move (m); }

    /** One message as it leaves the editor's output. */
    void receive (const std::uint8_t* bytes, std::size_t size)
    {
        if (monitor != nullptr)
            monitor (bytes, size);
        zr9.receive (bytes, size);
    }

private:
    Monitor monitor; // set before the emulator's ports are opened
    ReplyLine replies; // built first, so the instrument can answer from its first message
    VirtualInstrument zr9;
};

/**
    A port provider with the emulator appended: the wrapped provider's ports
    keep their numbers and one more input and one more output named
    "ZR9 Emulator" follow them.
*/
class EmulatorPortProvider final : public MidiPortProvider
{
public:
    static constexpr const char* portName = "ZR9 Emulator";

    explicit EmulatorPortProvider (std::shared_ptr<MidiPortProvider> platform,
                                   std::shared_ptr<ZR9Emulator> emulator = std::make_shared<ZR9Emulator>());

    juce::StringArray inputNames() override;
    juce::StringArray outputNames() override;
    std::unique_ptr<MidiInputPort> openInput (int index, juce::MidiInputCallback& callback) override;
    std::unique_ptr<MidiOutputPort> openOutput (int index) override;

    ZR9Emulator& emulator() noexcept { return *zr9; }

private:
    std::shared_ptr<MidiPortProvider> platform;
    std::shared_ptr<ZR9Emulator> zr9;
};

} // namespace zr9::emulator
