#pragma once

#include <atomic>
#include <functional>
#include <mutex>
#include <vector>

namespace zr9
{

class ObjectChangeNotifier;

class ObjectChangeListener
{
public:
    virtual ~ObjectChangeListener() = default;
    /** Called on the message thread, once per change, in the order the changes happened. */
    virtual void objectChanged (ObjectChangeNotifier& source, int changeCode) = 0;
};

/**
    Tells listeners that an object changed, with the change code that says
    which part. The object is updated first, then the code is queued; queued
    codes are delivered one by one in their order, so two quick changes (for
    example two layers arriving back to back from the MIDI input thread) are
    never folded into one.

    Codes may be queued on any thread. They reach the listeners when
    deliverPendingChanges() runs, which the owner of the model arranges on the
    message thread: it installs a delivery request that schedules that call.
    Listeners are added, removed and told on the message thread only.
*/
class ObjectChangeNotifier
{
public:
    using DeliveryRequest = std::function<void()>;

    ObjectChangeNotifier() = default;
    virtual ~ObjectChangeNotifier() = default;
    ObjectChangeNotifier (const ObjectChangeNotifier&) = delete;
    ObjectChangeNotifier& operator= (const ObjectChangeNotifier&) = delete;

    void addChangeListener (ObjectChangeListener* listener);
    void removeChangeListener (ObjectChangeListener* listener);

    /** The code of the last change broadcast. */
    int changeCode() const noexcept { return lastCode.load(); }

    /** Records the code, queues it for the listeners and asks for a delivery. Safe from any thread. */
    void broadcastChange (int code);

    /** Hands the queued codes to the listeners now; message thread only. */
    void deliverPendingChanges();

    /** What asks for a delivery after a code was queued; none by default (codes then wait for an explicit delivery). */
    void setDeliveryRequest (DeliveryRequest request);

private:
    std::atomic<int> lastCode { -1 };
    std::mutex lock; // the queue and the delivery request
    std::vector<int> pending;
    DeliveryRequest requestDelivery;
    std::vector<ObjectChangeListener*> listeners;
};

} // namespace zr9
