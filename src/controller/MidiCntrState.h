#pragma once

// The controller state and its threads: README.md, section "Threads", says
// which thread runs each part and what crosses between them. It is the one
// statement of that contract; keep it there, and keep this file's parts to it.

#include "BulkReceive.h"
#include "BulkTransmit.h"
#include "ChannelPrograms.h"
#include "ControllerSettings.h"
#include "EditorMemory.h"
#include "FavoritesBlock.h"
#include "HeldKeys.h"
#include "HostMidi.h"
#include "IncomingDispatch.h"
#include "InputPause.h"
#include "LiveGestures.h"
#include "LiveRecall.h"
#include "LiveTable.h"
#include "LiveValues.h"
#include "MidiConnection.h"
#include "ModelChangePump.h"
#include "NotePlayer.h"
#include "Notifications.h"
#include "ObjectEditing.h"
#include "PlayingMode.h"
#include "PlugBank.h"
#include "PortScan.h"
#include "ProgramAudition.h"
#include "StateCodes.h"
#include "TransferMailbox.h"

#include "midi/Clock.h"
#include "midi/MidiPorts.h"
#include "midi/MonitorQueue.h"
#include "model/RK2Class.h"

#include <memory>

namespace zr9
{

/**
    What the system knows of the instrument and of the MIDI traffic, and the
    one object the processor and the pages talk to. It is made of parts with
    one job each:

    - settings(): the settings list and its storage;
    - connection() and scan(): the ports, the identity check, the port scan;
    - live(): the live values and how each is sent;
    - gestures(): the user's moves of live rows, told to a plug-in host;
    - programs(): which program each channel plays;
    - keys(): the held keys;
    - notes(): playing notes and wheels from the computer, and the channel they use;
    - notifications(): the state codes and parameter changes for the pages;
    - transfers(): the mailbox of the object transfers;
    - bulkReceive(): the fetch of objects from the instrument into the banks;
    - bulkTransmit(): sending objects of the library to the instrument;
    - audition(): a library program played on a channel without storing it;
    - objectEditing(): the requests and writes of the program and setup editors;
    - model(): the instrument model with every bank;
    - editorMemory(): what the editor keeps while it comes and goes;
    - plugBank(): the 64 arrangements a plug-in host sees as its programs;
    - recall(): what a plug-in's project keeps of the instrument, and its return;
    - hostMidi(): the MIDI a plug-in host sends and receives.
    - favorites(): the 32 favourites and the favourites grid's offset.
    - monitor(): what the MIDI monitor records of every message that leaves
      through the output and arrives on the input, while it records.
*/
class MidiCntrState
{
public:
    /** Builds the controller with its settings read from `storage` (nothing is kept without one). */
    MidiCntrState (MidiPortProvider& ports, std::unique_ptr<SettingsStorage> storage,
                   std::shared_ptr<Clock> clock = Clock::system());
    ~MidiCntrState();

    /**
        Starts the controller once the banks are in: program 1 on every
        channel, the ports of settings 1 and 2 opened (unless `useDevices` is
        false), the start-up defaults, and the search for the instrument.
    */
    void start (bool useDevices = true);

    // ----------------------------------------------------------------- parts
    ControllerSettings& settings() noexcept { return settingsPart; }
    const ControllerSettings& settings() const noexcept { return settingsPart; }
    Notifications& notifications() noexcept { return notificationsPart; }
    MidiConnection& connection() noexcept { return connectionPart; }
    const MidiConnection& connection() const noexcept { return connectionPart; }
    PortScan& scan() noexcept { return scanPart; }
    LiveValues& live() noexcept { return liveValues; }
    const LiveValues& live() const noexcept { return liveValues; }
    LiveGestures& gestures() noexcept { return gesturesPart; }
    ChannelPrograms& programs() noexcept { return channelPrograms; }
    HeldKeys& keys() noexcept { return heldKeys; }
    NotePlayer& notes() noexcept { return notePlayer; }
    TransferMailbox& transfers() noexcept { return mailbox; }
    BulkReceive& bulkReceive() noexcept { return bulk; }
    BulkTransmit& bulkTransmit() noexcept { return transmit; }
    ProgramAudition& audition() noexcept { return auditionPart; }
    ObjectEditing& objectEditing() noexcept { return editing; }
    RK2Class& model() noexcept { return rk2; }
    const RK2Class& model() const noexcept { return rk2; }
    EditorMemory& editorMemory() noexcept { return memory; }
    PlugBank& plugBank() noexcept { return arrangements; }
    const PlugBank& plugBank() const noexcept { return arrangements; }
    LiveRecall& recall() noexcept { return recallPart; }
    HostMidi& hostMidi() noexcept { return hostMidiPart; }
    FavoritesBlock& favorites() noexcept { return favoritesPart; }
    Clock& clock() noexcept { return *clockSource; }
    MonitorQueue& monitor() noexcept { return monitorQueue; }
    /** The MIDI input callback the opened input port delivers to. */
    IncomingDispatch& input() noexcept { return dispatch; }

    // ---------------------------------------------------- common operations
    int getLiveValue (int row) const noexcept { return liveValues.get (row); }
    /** The one path for changing a live value: stores it, sends it when asked, and posts the change. */
    void setLiveValue (int value, int row, bool send) { liveValues.set (value, row, send); }
    /**
        A value the user chose in one step (from a list, a menu or a button):
        set with sending inside a gesture of its own, so a host in touch
        automation records it.
    */
    void chooseLiveValue (int value, int row)
    {
        const ScopedLiveGesture gesture (gesturesPart, row);
        liveValues.set (value, row, true);
    }
    /** The channel's current program; 1 when it has none yet. */
    int currentProgram (int channel) const noexcept { return channelPrograms.current (channel); }
    /** The MIDI channel the player and the selectors use, 1 to 16. */
    int midiChannel() const noexcept { return settingsPart.midiChannel(); }

    /** Drops incoming MIDI for the given time; a new pause restarts the time. */
    void pauseInput (int milliseconds) noexcept { inputPause.pause (milliseconds); }
    bool isInputPaused() const noexcept { return inputPause.isPaused(); }
    /** Listeners hear when a pause ends and the input listens again; message thread. */
    InputPause& inputPauses() noexcept { return inputPause; }
    /** Playing mode 1 or 2 with its input pause, sent as live row 2305; false for any other mode. */
    bool switchPlayingMode (int mode) { return zr9::switchPlayingMode (inputPause, liveValues, mode); }
    /**
        The instrument's playing mode, 2 multi or 1 program, as live row 2305
        holds it: the one record of it, whoever set it (a page, an arrangement,
        the host's automation). 1 before anything set it.
    */
    int playingMode() const noexcept { return getLiveValue (LiveTable::rowPlayingMode) == 2 ? 2 : 1; }

    /** Asks the instrument for global part 0 to 3. */
    void requestGlobalPart (int part) { dispatch.requestGlobalPart (part); }
    /** Puts setup parts received so far into the multi, and delivers waiting model changes; message thread. */
    void deliverModelChanges();

private:
    std::shared_ptr<Clock> clockSource;
    MonitorQueue monitorQueue { *clockSource }; // outlives the ports, whose threads tap it
    ControllerSettings settingsPart;
    Notifications notificationsPart;
    RK2Class rk2;
    ModelChangePump modelChanges { rk2 };
    LiveTable liveTable;
    ChannelPrograms channelPrograms { rk2, liveTable };
    HeldKeys heldKeys;
    TransferMailbox mailbox;
    InputPause inputPause { *clockSource };
    MidiConnection connectionPart;
    PortScan scanPart;
    NotePlayer notePlayer { connectionPart, settingsPart };
    LiveValues liveValues { liveTable, channelPrograms, connectionPart, notificationsPart };
    HostMidi hostMidiPart { { *clockSource, heldKeys, liveValues, channelPrograms, notificationsPart, connectionPart, settingsPart } };
    IncomingDispatch dispatch;
    EditorMemory memory;
    PlugBank arrangements { liveValues, inputPause, notificationsPart };
    LiveRecall recallPart { arrangements, liveValues, inputPause, *clockSource };
    LiveGestures gesturesPart { notificationsPart };
    BulkReceive bulk { mailbox, connectionPart, rk2, *clockSource };
    FavoritesBlock favoritesPart;
    ObjectEditing editing { connectionPart, liveValues, rk2 };
    ProgramAudition auditionPart { connectionPart, rk2, liveValues, channelPrograms };
    BulkTransmit transmit { connectionPart, rk2, bulk, liveValues, channelPrograms, auditionPart, *clockSource };

    JUCE_DECLARE_NON_COPYABLE (MidiCntrState)
};

} // namespace zr9
