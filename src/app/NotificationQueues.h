#pragma once

#include <juce_core/juce_core.h>

#include <cstdint>
#include <vector>

namespace zr9
{

/**
    The controller's two notification queues: state codes and parameter changes.
    Filled on the MIDI input thread (and the message thread), emptied on the
    message thread; appending and taking exclude each other.
*/
class NotificationQueues
{
public:
    struct Batch
    {
        std::vector<std::uint32_t> stateCodes;
        std::vector<std::uint64_t> parameterChanges;
    };

    void postStateCode (std::uint32_t code);
    void postParameterChange (std::uint64_t entry);

    /** Copies both queues and empties them, in one step. */
    Batch takeAll();

private:
    juce::CriticalSection lock;
    Batch pending;
};

} // namespace zr9
