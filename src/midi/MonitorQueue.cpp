#include "MonitorQueue.h"

namespace zr9
{

namespace
{
    std::size_t powerOfTwoAtLeast (std::size_t n) noexcept
    {
        std::size_t p = 1;
        while (p < n)
            p <<= 1;
        return p;
    }
} // namespace

MonitorQueue::MonitorQueue (Clock& c, std::size_t slotCount) : clock (c), mask (powerOfTwoAtLeast (std::max<std::size_t> (2, slotCount)) - 1) {}

void MonitorQueue::setRecording (bool on)
{
    if (on && slots == nullptr)
    {
        // Made before recording is switched on, which publishes them to the writers.
        slots.reset (new Slot[mask + 1]);
        for (std::size_t i = 0; i <= mask; ++i)
            slots[i].sequence.store (i, std::memory_order_relaxed);
        assembly.reset (new std::uint8_t[monitor::longestKept]);
        head.store (0, std::memory_order_relaxed);
        tail = 0;
    }
    recording.store (on, std::memory_order_release);
}

void MonitorQueue::tap (monitor::Direction direction, int port, const std::uint8_t* bytes, std::size_t size) noexcept
{
    if (! recording.load (std::memory_order_acquire) || bytes == nullptr || size == 0)
        return;

    const double now = clock.preciseMs();
    const std::size_t kept = std::min (size, monitor::longestKept);
    const std::size_t pieces = piecesFor (kept);
    if (pieces > mask + 1)
    {
        missed.fetch_add (1, std::memory_order_relaxed); // could never fit
        return;
    }

    // Claims `pieces` positions at once. The reader frees slots in order, so
    // when the last of them is free for this round, so are the ones before it.
    std::uint64_t position = head.load (std::memory_order_relaxed);
    for (;;)
    {
        const auto lastPosition = position + pieces - 1;
        const auto sequence = slots[lastPosition & mask].sequence.load (std::memory_order_acquire);
        const auto ahead = (std::int64_t) (sequence - lastPosition);
        if (ahead == 0)
        {
            if (head.compare_exchange_weak (position, position + pieces, std::memory_order_relaxed))
                break;
        }
        else if (ahead < 0)
        {
            missed.fetch_add (1, std::memory_order_relaxed); // full: the reader has not freed this slot yet
            return;
        }
        else
        {
            position = head.load (std::memory_order_relaxed); // another writer took it first
        }
    }

    for (std::size_t i = 0; i < pieces; ++i)
    {
        auto& slot = slots[(position + i) & mask];
        slot.timeMs = now;
        slot.size = (std::uint32_t) std::min<std::size_t> (size, std::numeric_limits<std::uint32_t>::max());
        slot.port = (std::int16_t) std::clamp (port, 0, (int) std::numeric_limits<std::int16_t>::max());
        slot.direction = (std::uint8_t) direction;
        slot.pieces = (std::uint8_t) pieces;
        std::memcpy (slot.bytes, bytes + i * slotPayload, std::min (slotPayload, kept - i * slotPayload));
        slot.sequence.store (position + i + 1, std::memory_order_release);
    }
}

void MonitorQueue::discard()
{
    drain ([] (const Record&) {});
    missed.store (0, std::memory_order_relaxed);
}

} // namespace zr9
