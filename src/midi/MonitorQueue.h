#pragma once

#include "Clock.h"
#include "MidiTap.h"

#include <algorithm>
#include <atomic>
#include <cstring>
#include <limits>
#include <memory>

namespace zr9
{

/**
    Hands every message the taps see to the MIDI monitor without slowing the
    threads that see them: a bounded queue of preallocated slots, filled by
    any number of threads without a lock and without allocating, emptied by
    one reading thread (the monitor's timer on the message thread).

    A message takes as many slots of 40 bytes as it needs, claimed all at
    once, so its pieces never mix with another's. A message longer than
    monitor::longestKept keeps its start and its whole length. When the queue
    has no room the message is counted as missed instead of waited for.

    While recording is off, a tap costs one atomic read. The slots are made
    when recording first starts and are kept until the queue goes, so a
    thread still inside a tap never sees them go away.
*/
class MonitorQueue final : public MidiTap
{
public:
    static constexpr std::size_t slotPayload = 40;
    static constexpr std::size_t defaultSlotCount = 8192; // 512 KB of slots

    /** One recorded message as drain() hands it on; `bytes` lasts only during that call. */
    struct Record
    {
        double timeMs;
        monitor::Direction direction;
        int port;
        const std::uint8_t* bytes;
        std::size_t kept;   // bytes at `bytes`
        std::size_t size;   // the message's whole length
    };

    /** `slotCount` is rounded up to a power of two. */
    explicit MonitorQueue (Clock& clock, std::size_t slotCount = defaultSlotCount);

    /** Starts or stops recording; one thread (the monitor's). */
    void setRecording (bool on);
    bool isRecording() const noexcept { return recording.load (std::memory_order_acquire); }

    /** Any thread: records one message, or counts it as missed when there is no room. Never blocks or allocates. */
    void tap (monitor::Direction direction, int port, const std::uint8_t* bytes, std::size_t size) noexcept override;

    /**
        The reading thread: hands each recorded message to `take`, oldest
        first, at most `limit` of them, and returns how many it handed on.
        A message whose slots are still being written waits for the next call.
    */
    template <typename Take>
    std::size_t drain (Take&& take, std::size_t limit = std::numeric_limits<std::size_t>::max());

    /** The messages that found no room since the last call; reading thread. */
    std::uint64_t takeMissed() noexcept { return missed.exchange (0, std::memory_order_relaxed); }

    /** Drops whatever waits, and the count of missed messages; reading thread. */
    void discard();

    std::size_t slotCount() const noexcept { return mask + 1; }

private:
    struct alignas (64) Slot
    {
        std::atomic<std::uint64_t> sequence { 0 };
        double timeMs = 0.0;
        std::uint32_t size = 0;       // the message's whole length (first slot)
        std::int16_t port = 0;
        std::uint8_t direction = 0;
        std::uint8_t pieces = 0;      // slots the message takes (first slot)
        std::uint8_t bytes[slotPayload] {};
    };
    static_assert (sizeof (Slot) == 64);
    static_assert (monitor::longestKept / slotPayload + 1 <= std::numeric_limits<std::uint8_t>::max());

    static std::size_t piecesFor (std::size_t kept) noexcept { return (kept + slotPayload - 1) / slotPayload; }

    Clock& clock;
    const std::size_t mask;
    std::unique_ptr<Slot[]> slots;                  // made by the first setRecording (true)
    std::unique_ptr<std::uint8_t[]> assembly;       // the reading thread's copy of one message
    std::atomic<bool> recording { false };
    alignas (64) std::atomic<std::uint64_t> head { 0 };  // the next position a writer claims
    alignas (64) std::atomic<std::uint64_t> missed { 0 };
    std::uint64_t tail = 0;                         // the next position the reader takes; reading thread only

    JUCE_DECLARE_NON_COPYABLE (MonitorQueue)
};

template <typename Take>
std::size_t MonitorQueue::drain (Take&& take, std::size_t limit)
{
    if (slots == nullptr)
        return 0;
    std::size_t handed = 0;
    while (handed < limit)
    {
        const auto& first = slots[tail & mask];
        if (first.sequence.load (std::memory_order_acquire) != tail + 1)
            break;
        const std::size_t pieces = first.pieces;
        for (std::size_t i = 1; i < pieces; ++i)
            if (slots[(tail + i) & mask].sequence.load (std::memory_order_acquire) != tail + i + 1)
                return handed; // its writer is still at it

        const std::size_t kept = std::min<std::size_t> (first.size, monitor::longestKept);
        // Read before the first slot is freed: a writer may take it at once.
        const Record record { first.timeMs, (monitor::Direction) first.direction, first.port, assembly.get(), kept, first.size };
        for (std::size_t i = 0; i < pieces; ++i)
        {
            auto& slot = slots[(tail + i) & mask];
            std::memcpy (assembly.get() + i * slotPayload, slot.bytes, std::min (slotPayload, kept - i * slotPayload));
            // Free for the writer that claims this position one round later.
            slot.sequence.store (tail + i + mask + 1, std::memory_order_release);
        }
        tail += pieces;
        ++handed;
        take (record);
    }
    return handed;
}

} // namespace zr9
