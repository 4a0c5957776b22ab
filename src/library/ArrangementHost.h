#pragma once

#include <juce_core/juce_core.h>

namespace zr9
{

/**
    What the arrangement pages (the arrangement menu, the library manager and
    the update-host panel) need of the processor that hosts them: the current
    arrangement as a state blob and back, and the host's 64 program slots.
    The processor implements it, so those pages never see the processor.
    Message thread.
*/
class ArrangementHost
{
public:
    virtual ~ArrangementHost() = default;

    /** The current arrangement from the live state, under the current slot's name, as an ArrangementState. */
    virtual juce::MemoryBlock currentArrangementState() = 0;
    /** Applies an ArrangementState: false, and nothing changes, when the bytes are not one. */
    virtual bool loadArrangementState (const void* data, int size) = 0;

    /** The host's program slots, counted and named as the host sees them. */
    virtual int hostSlotCount() = 0;
    virtual juce::String hostSlotName (int slot) = 0;
    /** Chooses a slot as the host would. */
    virtual void chooseHostSlot (int slot) = 0;
    /** Stores the current arrangement into a slot under a name ("Untitled" when empty); the host is told. */
    virtual void storeCurrentArrangement (int slot, const juce::String& name) = 0;
    /** While on, the host's slot choices only pick the slot to store into. */
    virtual void setUpdateHostMode (bool on) = 0;
};

} // namespace zr9
