#pragma once

#include "controller/LiveTable.h"

#include <juce_events/juce_events.h>

#include <array>
#include <atomic>
#include <functional>

namespace zr9
{

/**
    Values a plug-in host set, waiting for the message thread. A host sets
    parameters from its audio thread or any other: `post` only stores the
    value and raises the row's flag (no lock, no allocation), and the last
    value a row was set to wins. `deliver`, on the message thread, hands each
    waiting row over once.
*/
class HostParameterInbox
{
public:
    void post (int row, int value);
    /** The value waiting for a row, or nothing. */
    bool waiting (int row, int& value) const noexcept;
    /** Calls `apply (row, value)` for every waiting row, in row order. */
    void deliver (const std::function<void (int row, int value)>& apply);

    /**
        What applies waiting values at once when a value is posted on the
        message thread (a host's own window), so nothing needs to poll for it
        while the host runs no audio.
    */
    void setMessageThreadDelivery (std::function<void()> deliverNow) { messageThreadDelivery = std::move (deliverNow); }

private:
    std::array<std::atomic<int>, LiveTable::rowCount> values {};
    std::array<std::atomic<bool>, LiveTable::rowCount> flags {};
    std::atomic<bool> anyWaiting { false };
    std::function<void()> messageThreadDelivery;
};

} // namespace zr9
