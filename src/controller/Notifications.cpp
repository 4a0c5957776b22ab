#include "Notifications.h"

namespace zr9
{

void Notifications::postStateCode (std::uint32_t code)
{
    {
        const std::lock_guard<std::mutex> sl (queueLock);
        pending.stateCodes.push_back (code);
    }
    tellListeners();
}

void Notifications::postParameterChange (int row, int value)
{
    {
        const std::lock_guard<std::mutex> sl (queueLock);
        pending.parameterChanges.push_back (paramchange::encode (row, value));
    }
    if (auto* observer = parameterObserver.load())
        observer->liveValueChanged (row);
    tellListeners();
}

void Notifications::postGesture (int row, bool starting)
{
    if (auto* observer = parameterObserver.load())
        observer->liveGestureChanged (row, starting);
}

void Notifications::addListener (stateListener* listener)
{
    if (listener != nullptr)
        listeners.add (listener);
}

void Notifications::removeListener (stateListener* listener)
{
    listeners.remove (listener);
}

Notifications::Batch Notifications::take()
{
    Batch taken;
    const std::lock_guard<std::mutex> sl (queueLock);
    std::swap (taken, pending);
    return taken;
}

void Notifications::tellListeners()
{
    listeners.call ([] (stateListener& l) { l.changesWaiting(); });
}

} // namespace zr9
