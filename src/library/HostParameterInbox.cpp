#include "HostParameterInbox.h"

namespace zr9
{

void HostParameterInbox::post (int row, int value)
{
    if (! LiveTable::isRow (row))
        return;
    values[(size_t) row].store (value, std::memory_order_relaxed);
    flags[(size_t) row].store (true, std::memory_order_release);
    anyWaiting.store (true, std::memory_order_release);
    // Only the audio thread and other threads of the host must wait for the delivery timer.
    if (messageThreadDelivery != nullptr && juce::MessageManager::existsAndIsCurrentThread())
        messageThreadDelivery();
}

bool HostParameterInbox::waiting (int row, int& value) const noexcept
{
    if (! LiveTable::isRow (row) || ! flags[(size_t) row].load (std::memory_order_acquire))
        return false;
    value = values[(size_t) row].load (std::memory_order_relaxed);
    return true;
}

void HostParameterInbox::deliver (const std::function<void (int, int)>& apply)
{
    if (! anyWaiting.exchange (false, std::memory_order_acq_rel))
        return;
    for (int row = 0; row < LiveTable::rowCount; ++row)
        if (flags[(size_t) row].exchange (false, std::memory_order_acq_rel))
            apply (row, values[(size_t) row].load (std::memory_order_relaxed));
}

} // namespace zr9
