#pragma once

#include <juce_events/juce_events.h>

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
    which part. The object is updated first, then the code is queued; codes are
    delivered on the message thread one by one in their order, so two quick
    changes (for example two layers arriving back to back from the MIDI input
    thread) are never folded into one.
*/
class ObjectChangeNotifier : private juce::AsyncUpdater
{
public:
    ObjectChangeNotifier() = default;
    ~ObjectChangeNotifier() override { cancelPendingUpdate(); }

    void addChangeListener (ObjectChangeListener* listener) { listeners.add (listener); }
    void removeChangeListener (ObjectChangeListener* listener) { listeners.remove (listener); }

    /** The code of the last change broadcast. */
    int changeCode() const noexcept { return lastCode.load(); }

    /** Records the code and queues it for the listeners. Safe from any thread. */
    void broadcastChange (int code);

    /** Delivers queued codes now; for callers already on the message thread. */
    void deliverPendingChanges() { handleUpdateNowIfNeeded(); }

private:
    void handleAsyncUpdate() override;

    std::atomic<int> lastCode { -1 };
    juce::CriticalSection lock;
    std::vector<int> pending;
    juce::ListenerList<ObjectChangeListener, juce::Array<ObjectChangeListener*, juce::CriticalSection>> listeners;
};

} // namespace zr9
