#pragma once

#include "midi/Clock.h"
#include "model/MidiCable.h"

#include <juce_audio_devices/juce_audio_devices.h>

#include <deque>
#include <vector>

namespace zr9::emulator
{

/** Faults the reply line injects, for tests and for trying the editor's error paths. */
struct Faults
{
    int dropNext = 0;          // the next N replies are lost
    int delayMs = 0;           // extra time before each reply
    bool duplicate = false;    // each reply arrives twice
    int corruptByte = -1;      // this byte of each reply is flipped (XOR 0x7F), when it lies inside it
    int corruptNext = 0;       // with corruptByte: only the next N replies are corrupted (0: every reply)
    int splitInto = 1;         // each System Exclusive reply arrives in this many pieces
};

/**
    The emulator's side of a MIDI input: replies queue here and a thread of
    its own hands them to the input callback after the set latency, as a real
    input port's thread would, with the faults applied. Latency runs on the
    given clock, so a test that steps its clock sees delayed replies without
    waiting for them.
*/
class ReplyLine : private juce::Thread
{
public:
    /** A MIDI cable carries 31,250 bits a second, ten bits a byte: 320 us a byte. */
    static constexpr int midiCableUsPerByte = midiCableMicrosecondsPerByte;

    explicit ReplyLine (std::shared_ptr<Clock> clock = Clock::system());
    ~ReplyLine() override;

    /** Where replies go; nullptr while the input is closed or stopped (replies are then lost). */
    void setCallback (juce::MidiInputCallback* callback);

    void setLatencyMs (int ms);

    /**
        Paces the line like a MIDI cable on which each byte takes this long, in
        both directions (320 us on a 31,250-baud cable; 0 for no pacing): a
        reply leaves only once the request that asked for it has crossed the
        cable, and arrives once its own bytes have crossed it after the replies
        before it.
    */
    void setCablePacingUs (int microsecondsPerByte);

    /** A message of `bytes` bytes left the editor for the instrument now. */
    void carried (std::size_t bytes);
    void setFaults (const Faults& f);
    Faults faults() const;

    void post (const std::vector<std::uint8_t>& reply);

    /** Bytes that reached the instrument, and bytes of the replies it sent (duplicates counted, dropped ones not). */
    std::uint64_t bytesToInstrument() const noexcept { return bytesIn.load(); }
    std::uint64_t bytesFromInstrument() const noexcept { return bytesOut.load(); }

    /** Replies delivered so far (pieces count once per reply). */
    int delivered() const noexcept { return deliveredCount.load(); }
    /** True when no reply waits. */
    bool isIdle() const;

private:
    struct Pending
    {
        std::uint64_t dueMs;
        std::vector<std::uint8_t> bytes;
    };

    void run() override;
    void deliver (const std::vector<std::uint8_t>& bytes);

    std::shared_ptr<Clock> clock;
    juce::CriticalSection lock;          // the queue and the settings
    juce::CriticalSection callbackLock;  // the callback, held while delivering; never taken inside `lock`
    juce::WaitableEvent wake;
    std::deque<Pending> queue;
    juce::MidiInputCallback* callback = nullptr;
    int latencyMs = 0;
    int pacingUs = 0;
    std::uint64_t requestArrivesUs = 0;  // when the last request has crossed the cable to the instrument
    std::uint64_t lineFreeUs = 0;        // when the last reply has crossed the cable back
    Faults active;
    std::atomic<int> deliveredCount { 0 };
    std::atomic<std::uint64_t> bytesIn { 0 }, bytesOut { 0 };
    std::atomic<bool> busy { false };
};

} // namespace zr9::emulator
