#pragma once

#include "StateCodes.h"

#include <juce_events/juce_events.h>

#include <atomic>
#include <cstdint>
#include <mutex>
#include <vector>

namespace zr9
{

/** The controller's listeners: told that notifications wait, then handed them on the message thread. */
class stateListener
{
public:
    virtual ~stateListener() = default;
    /** Called on the thread that posts; implementations only schedule their delivery. */
    virtual void changesWaiting() = 0;
    virtual void stateCode (std::uint32_t code) = 0;
    virtual void parameterChanged (int value, int row) = 0;
};

/**
    Told of every live change as it is posted, on the posting thread (the
    MIDI input thread, the message thread or a host's thread), and of the
    user's gestures on live rows (message thread): the processor, which tells
    the plug-in host. It must not block.
*/
class ParameterObserver
{
public:
    virtual ~ParameterObserver() = default;
    virtual void liveValueChanged (int row) = 0;
    /** The user begins (true) or ends (false) one move of a live row: the changes between belong together. */
    virtual void liveGestureChanged (int row, bool starting) = 0;
};

/**
    The controller's two notification queues (state codes and parameter
    changes) and the listeners told that something waits.

    Posting may happen on any thread (the MIDI input thread, the message
    thread); the listeners then empty both queues on the message thread in one
    step. Appending and taking exclude each other under the queues' lock; the
    listener list has its own lock, which a listener call never holds the
    queues' lock under.
*/
class Notifications
{
public:
    struct Batch
    {
        std::vector<std::uint32_t> stateCodes;
        std::vector<std::uint64_t> parameterChanges;
    };

    void postStateCode (std::uint32_t code);
    void postParameterChange (int row, int value);
    /** Tells the observer that a gesture on a row begins or ends; message thread. */
    void postGesture (int row, bool starting);

    /** Adds a listener (once); the most recently added is told first. */
    void addListener (stateListener* listener);
    void removeListener (stateListener* listener);

    /** One observer of live changes, or nullptr; set before changes flow and cleared before it goes. */
    void setParameterObserver (ParameterObserver* observer) noexcept { parameterObserver = observer; }

    /** Both queues, copied and emptied in one step. */
    Batch take();

private:
    void tellListeners();

    std::atomic<ParameterObserver*> parameterObserver { nullptr };
    std::mutex queueLock;
    Batch pending;
    juce::ListenerList<stateListener, juce::Array<stateListener*, juce::CriticalSection>> listeners;
};

} // namespace zr9
