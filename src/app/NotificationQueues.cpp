#include "NotificationQueues.h"

namespace zr9
{

void NotificationQueues::postStateCode (std::uint32_t code)
{
    const juce::ScopedLock sl (lock);
    pending.stateCodes.push_back (code);
}

void NotificationQueues::postParameterChange (std::uint64_t entry)
{
    const juce::ScopedLock sl (lock);
    pending.parameterChanges.push_back (entry);
}

NotificationQueues::Batch NotificationQueues::takeAll()
{
    Batch taken;
    const juce::ScopedLock sl (lock);
    std::swap (taken, pending);
    return taken;
}

} // namespace zr9
