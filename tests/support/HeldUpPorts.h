#pragma once

#include "midi/MidiPorts.h"

#include <condition_variable>
#include <mutex>
#include <vector>

namespace zr9::test
{

/**
    One output of a device that the test can hold up, as a slow cable or a
    busy driver does: while held, a write waits (at most 10 s) before it is
    recorded. The output is not in-process, so the output control writes to
    it from its sending thread. No inputs.
*/
class HeldUpPorts final : public MidiPortProvider
{
public:
    using Bytes = std::vector<juce::uint8>;

    /** Writes go straight through until the test holds them up. */
    HeldUpPorts() { gate.signal(); }

    juce::StringArray inputNames() override { return {}; }
    juce::StringArray outputNames() override { return { "Held-up Out" }; }
    std::unique_ptr<MidiInputPort> openInput (int, juce::MidiInputCallback&) override { return nullptr; }
    std::unique_ptr<MidiOutputPort> openOutput (int index) override;

    void hold() { gate.reset(); }
    void letGo() { gate.signal(); }

    /** Waits until `count` writes have begun (and may be held); false after timeoutMs. */
    bool waitForWritesBegun (size_t count, int timeoutMs = 5000);
    /** Waits until `count` writes are recorded; false after timeoutMs. */
    bool waitForWritten (size_t count, int timeoutMs = 5000);
    /** What was written, in order: messages and pieces of long ones. */
    std::vector<Bytes> written() const;

private:
    friend class HeldUpOutput;
    void write (const juce::MidiMessage& m);

    juce::WaitableEvent gate { true }; // a manual-reset event starts unsignalled: the constructor opens it
    mutable std::mutex lock;
    std::condition_variable changed;
    size_t begun = 0;
    std::vector<Bytes> log;

    JUCE_DECLARE_NON_COPYABLE (HeldUpPorts)
};

} // namespace zr9::test
