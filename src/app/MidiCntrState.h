#pragma once

#include "EffectSelection.h"
#include "LiveTable.h"
#include "NotificationQueues.h"
#include "SettingsList.h"
#include "SetupPartInbox.h"
#include "StateCodes.h"

#include "library/LibraryFolder.h"
#include "midi/InstrumentMessages.h"
#include "midi/MIDI_OUT_Control.h"
#include "midi/MidiPorts.h"
#include "midi/PartData.h"
#include "midi/SysexAssembler.h"
#include "model/RK2Class.h"

#include <array>
#include <atomic>

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

/** The controller's flags. Each is one value written by one thread and read by others. */
struct ControllerFlags
{
    std::atomic<bool> connected { false };
    std::atomic<bool> scanMode { false };
    std::atomic<bool> unsupportedDevice { false };
    std::atomic<bool> fifoMode { false };
    std::atomic<bool> bulkTransfer { false };
    std::atomic<bool> transferPending { false };
    std::atomic<bool> keyboardOpen { false };
    std::atomic<bool> startedBefore { false };
    std::atomic<bool> settingsReset { false };
    /** The option switched on the MIDI setup panel and copied to the processor when audio starts or stops. */
    std::atomic<bool> deviceOption { false };
};

/**
    What the system knows of the instrument and of the MIDI traffic: the
    connection and its flags, the settings, the live parameter table, the
    per-channel programs, the held keys, the instrument model with all object
    banks, and the listeners to be told of changes.

    It is the callback of the opened MIDI input port. Notifications posted on
    any thread are queued and handed to the listeners on the message thread.
*/
class MidiCntrState : public juce::MidiInputCallback,
                      private juce::Timer,
                      public MIDI_OUTListener
{
public:
    static constexpr int channelCount = 16;
    static constexpr int keyCount = 128;
    static constexpr const char* settingsFileName = "halvipZR9.dat";

    /**
        Builds the controller: settings from the library folder, the live table,
        the library banks, and program 1 on every channel. With `persistent`
        false nothing is read from or written to the library folder.
    */
    MidiCntrState (MidiPortProvider& ports, LibraryFolder library, bool persistent = true);
    ~MidiCntrState() override;

    // ------------------------------------------------------------------ transport
    /** Creates the MIDI output control; the processor calls this right after construction. */
    void createOutputControl();
    MIDI_OUT_Control* outputControl() noexcept { return output.get(); }
    MidiPortProvider& ports() noexcept { return portProvider; }

    /** Closes the open input; for n >= 1 opens input n - 1 of the platform list. */
    void openInputPort (int n);
    void closeInputPort();
    bool isInputOpen() const noexcept { return inputOpen.load(); }
    int inputPortNumber() const noexcept { return inputPort.load(); }

    // --------------------------------------------------------------- notifications
    void postStateCode (std::uint32_t code);
    void postParameterChange (int row, int value);
    void addListener (stateListener* listener);
    void removeListener (stateListener* listener);
    /** Both queues, copied and emptied in one step (the delivery step of the main component). */
    NotificationQueues::Batch takeNotifications() { return queues.takeAll(); }

    // ------------------------------------------------------------------- live values
    LiveTable& liveTable() noexcept { return table; }
    const LiveTable& liveTableView() const noexcept { return table; }
    int getLiveValue (int row) const noexcept { return table.get (row); }
    /** The one path for changing a live value: stores it, sends it when asked, and posts the change. */
    void setLiveValue (int value, int row, bool send);
    /** Sets channel c's program and fills the channel's block of the live table from the program's bytes. */
    void setChannelProgram (int program, int channel);
    /** The channel's current program; 1 when it has none yet. */
    int currentProgram (int channel) const noexcept;
    /** Channel c's insert, aux 1 and aux 2 chains with their names from the FX chain bank. */
    ChannelEffects effectSelection (int channel) const;

    /**
        Sends one parameter change as a controller-address message (seven
        controllers in one buffer) on channel 1 to 16, and remembers the
        address and channel. The value is held to -8192 to 8191.
    */
    void sendControllerAddress (const messages::Address& address, int value, int midiChannel);
    struct SentAddress
    {
        messages::Address address {};
        int channel = 0; // 0 until an address was sent
    };
    SentAddress lastAddressSent() const;

    // ------------------------------------------------------------------ input pause
    /** Drops incoming MIDI for the given time; a new pause restarts the time. */
    void pauseInput (int milliseconds);
    bool isInputPaused() const noexcept { return inputPaused.load(); }

    // ------------------------------------------------------------------ connection
    /** Marks the instrument off line and asks every device on the output for its identity. */
    void sendIdentityRequest();
    juce::String connectionText() const;
    /** The port pair the scan is trying (or last found); written to settings 1 and 2 when the instrument answers during a scan. */
    void setScannedPorts (int inputNumber, int outputNumber) noexcept { scannedInput = inputNumber; scannedOutput = outputNumber; }
    int scannedInputPort() const noexcept { return scannedInput.load(); }
    int scannedOutputPort() const noexcept { return scannedOutput.load(); }
    void setConnectionText (const juce::String& text);

    // ------------------------------------------------------------------------ keys
    void clearKeys();
    bool isKeyDown (int key) const;
    void setKeyDown (int key, bool down);

    // ---------------------------------------------------------------------- settings
    juce::String getSetting (int index) const;
    int getSettingInt (int index) const;
    void setSetting (int index, const juce::String& text);
    int settingsCount() const;
    /** Mode 0 reads the settings file, mode 1 writes it. */
    void settings (int mode);
    /** Rewrites entries 10 to 18 when the start-up marker is missing; then reads the seven option words. */
    void applyStartupDefaults();
    int optionWord (int i) const noexcept { return i >= 0 && i < 7 ? options[(size_t) i] : 0; }
    /** The MIDI channel the player and the selectors use, 1 to 16. */
    int midiChannel() const noexcept { return channel.load(); }

    ControllerFlags flags;
    double sampleRate = 44100.0;

    RK2Class& model() noexcept { return rk2; }
    const LibraryFolder& library() const noexcept { return libraryFolder; }

    // ------------------------------------------------------- MIDI input callbacks
    /** Everything the input delivers, on the MIDI input thread: keys, controllers, programs, wheel, System Exclusive. */
    void handleIncomingMidiMessage (juce::MidiInput* source, const juce::MidiMessage& message) override;
    /** The input reports an unfinished System Exclusive message: what was collected goes to the router as it is. */
    void handlePartialSysexMessage (juce::MidiInput* source, const juce::uint8* bytes, int count, double time) override;

    /** Where protocol messages go while FIFO mode is on (the transfer panel); called on the input thread. */
    using TransferMailbox = std::function<void (const std::vector<std::uint8_t>& body)>;
    void setTransferMailbox (TransferMailbox mailbox);

    /** Puts setup parts received so far into the multi; message thread only (they arrive there by themselves). */
    void deliverSetupParts() { setupParts.deliverNow(); }

    /** Asks the instrument for global part 0 to 3. */
    void requestGlobalPart (int part);

private:
    void timerCallback() override;
    // Incoming dispatch, on the MIDI input thread.
    void handleKey (int channel, int key, int velocity, bool on);
    void handleController (int channel, int number, int value);
    void handleProgramChange (int channel, int program);
    void routeSysex (const std::vector<std::uint8_t>& message);
    void handleIdentityReply (const std::vector<std::uint8_t>& message);
    void receivePart (const sysex::PartData& part);
    void checkGlobalPart();
    void notifyListeners();
    void loadSettingsFile();
    void saveSettingsFile();
    void fillChannelBlock (int channel, int program, const Bytes& data);
    void sendLiveRow (int row, int value);
    /** Names the channel's three chains again, with `value` in place of the chain row `changedSlot` (-1 for none). */
    void rebuildEffectSelection (int channel, int changedSlot, int value);

    struct ChannelState
    {
        std::atomic<int> bankSelect { 0 };
        std::atomic<int> lastProgramChange { 0 };
        std::atomic<int> combinedProgram { 0 };
        std::array<std::atomic<int>, 4> spare {};
        std::atomic<int> currentProgram { -1 };
    };

    MidiPortProvider& portProvider;
    LibraryFolder libraryFolder;
    const bool persistent;

    std::unique_ptr<MIDI_OUT_Control> output;
    std::unique_ptr<MidiInputPort> input;
    std::atomic<bool> inputOpen { false };
    std::atomic<int> inputPort { 0 };
    std::atomic<int> scannedInput { 0 }, scannedOutput { 0 };
    std::atomic<bool> inputPaused { false };
    sysex::Assembler assembler { [this] (const std::vector<std::uint8_t>& m) { routeSysex (m); } };
    juce::CriticalSection mailboxLock;
    TransferMailbox transferMailbox;

    RK2Class rk2;
    SetupPartInbox setupParts { rk2.multi() };

    mutable juce::CriticalSection lock; // keys, host queue, connection text
    // Told newest first; the list's own lock keeps a listener from leaving while it is being told.
    juce::ListenerList<stateListener, juce::Array<stateListener*, juce::CriticalSection>> listeners;
    std::array<bool, keyCount> keys {};
    juce::MidiBuffer hostQueue;
    juce::String connection;

    mutable juce::CriticalSection settingsLock;
    std::vector<std::string> settingsEntries;
    std::atomic<int> channel { 1 };
    std::array<int, 7> options {};

    LiveTable table;
    EffectSelection effects;
    messages::Address lastAddress {}; // under the lock
    int lastAddressChannel = 0;
    std::array<ChannelState, channelCount> channels;
    NotificationQueues queues;

    JUCE_DECLARE_NON_COPYABLE (MidiCntrState)
};

} // namespace zr9
