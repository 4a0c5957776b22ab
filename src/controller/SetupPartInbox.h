#pragma once

#include "model/PartData.h"
#include "model/ObjMultiClass.h"

#include <juce_events/juce_events.h>

namespace zr9
{

/**
    Setup parts that arrive on the MIDI input thread wait here and are put
    into the multi on the message thread, where the pages read it: the multi
    keeps no lock of its own.
*/
class SetupPartInbox : private juce::AsyncUpdater
{
public:
    explicit SetupPartInbox (ObjMultiClass& target) : multi (target) {}
    ~SetupPartInbox() override { cancelPendingUpdate(); }

    /** Any thread. */
    void post (sysex::PartData part);

    /** Puts waiting parts into the multi now; message thread only. */
    void deliverNow() { handleUpdateNowIfNeeded(); }

private:
    void handleAsyncUpdate() override;
    void apply (const sysex::PartData& part);

    ObjMultiClass& multi;
    juce::CriticalSection lock;
    std::vector<sysex::PartData> waiting;
};

} // namespace zr9
