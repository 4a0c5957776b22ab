#pragma once

#include <juce_events/juce_events.h>

namespace zr9
{

class RK2Class;

/**
    Carries the model's change codes to their listeners on the message
    thread: a change queued on any thread (a part arriving on the MIDI input
    thread) asks for one delivery, which tells every object's listeners in
    order.
*/
class ModelChangePump : private juce::AsyncUpdater
{
public:
    explicit ModelChangePump (RK2Class& model);
    ~ModelChangePump() override;

    /** Delivers what waits now; for callers already on the message thread. */
    void deliverNow() { handleUpdateNowIfNeeded(); }

private:
    void handleAsyncUpdate() override;

    RK2Class& model;
};

} // namespace zr9
