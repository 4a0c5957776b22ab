#pragma once

#include "SetupPartInbox.h"

#include "model/PartData.h"
#include "model/SysexAssembler.h"

#include <juce_audio_devices/juce_audio_devices.h>

namespace zr9
{

class ChannelPrograms;
class HeldKeys;
class HostMidi;
class InputPause;
class LiveValues;
class MidiConnection;
class MidiTap;
class Notifications;
class ProgramAudition;
class RK2Class;
class TransferMailbox;

/**
    Everything the opened MIDI input delivers, on the MIDI input thread.
    Channel messages become held keys, live values and state codes; System
    Exclusive pieces are assembled and each complete message goes to the
    identity handler, the part receiver or, in FIFO mode and for transfer
    replies, the transfer mailbox. The pages hear of it only through the
    notification queues.

    It touches no file and no widget: setup parts go to the message thread
    through their inbox, and a found port pair is saved there too.
*/
class IncomingDispatch : public juce::MidiInputCallback
{
public:
    struct Parts
    {
        InputPause& pause;
        HeldKeys& keys;
        LiveValues& live;
        ChannelPrograms& programs;
        Notifications& notifications;
        MidiConnection& connection;
        TransferMailbox& transfers;
        RK2Class& model;
        HostMidi& host;
        MidiTap& monitor;
        ProgramAudition& audition;
    };

    explicit IncomingDispatch (Parts parts);

    void handleIncomingMidiMessage (juce::MidiInput* source, const juce::MidiMessage& message) override;
    /** The input reports an unfinished System Exclusive message: what was collected goes to the router as it is. */
    void handlePartialSysexMessage (juce::MidiInput* source, const juce::uint8* bytes, int count, double time) override;

    /** Asks the instrument for global part 0 to 3. */
    void requestGlobalPart (int part);

    /** Puts setup parts received so far into the multi; message thread only. */
    void deliverSetupParts() { setupParts.deliverNow(); }

private:
    void handleKey (int channel, int key, int velocity, bool on);
    void handleController (int channel, int number, int value);
    void handleProgramChange (int channel, int program);
    void routeSysex (const std::vector<std::uint8_t>& message);
    void handleIdentityReply (const std::vector<std::uint8_t>& message);
    void receivePart (const sysex::PartData& part);
    void checkGlobalPart();

    Parts p;
    sysex::Assembler assembler { [this] (const std::vector<std::uint8_t>& m) { routeSysex (m); } };
    SetupPartInbox setupParts;
};

} // namespace zr9
