#pragma once

#include "ControllerSettings.h"
#include "Notifications.h"

#include "midi/MIDI_OUT_Control.h"
#include "midi/MidiPorts.h"

#include <atomic>
#include <mutex>
#include <utility>

namespace zr9
{

/**
    The connection to the instrument: the opened input and output port, and
    whether the instrument answered the last identity request.

    The identity request (any thread) and the identity reply (MIDI input
    thread) each change the connection and post their state code under one
    lock, so the last state code the pages see always matches the connected
    flag, whatever the order the two threads run in. The scanned port pair
    is kept under the same lock, so a reply never remembers half of one pair
    and half of another.

    Ports are opened and closed on the message thread.
*/
class MidiConnection
{
public:
    /** What an identity reply told. */
    struct Identity
    {
        bool namesDevice = false;   // the reply carried a name for the status line
        juce::String text;          // that name
        bool unsupported = false;   // another instrument, or another member of the family
    };

    /** `clock` times what the output sends (see MIDI_OUT_Control). */
    MidiConnection (MidiPortProvider& ports, Notifications& notifications, ControllerSettings& settings, Clock& clock);
    ~MidiConnection();

    // ------------------------------------------------------------------ ports
    juce::StringArray inputNames() const { return ports.inputNames(); }
    juce::StringArray outputNames() const { return ports.outputNames(); }

    /** Where incoming messages go once an input is open; set once, before any port opens. */
    void setInputCallback (juce::MidiInputCallback& callback) noexcept { inputCallback = &callback; }

    /** Closes the open input; for n >= 1 opens input n - 1 of the platform list. */
    void openInputPort (int n);
    void closeInputPort();
    bool isInputOpen() const noexcept { return inputOpen.load(); }
    int inputPortNumber() const noexcept { return inputPort.load(); }

    /** Closes the open output; for n >= 1 opens output n - 1. Returns whether it is open. */
    bool openOutputPort (int n) { return out.open (n); }
    bool isOutputOpen() const noexcept { return out.isOpen(); }
    int outputPortNumber() const noexcept { return out.portNumber(); }

    /** Everything sent to the instrument leaves through here. */
    MIDI_OUT_Control& output() noexcept { return out; }

    // --------------------------------------------------------------- identity
    /** Marks the instrument off line and asks every device on the output for its identity. Any thread. */
    void sendIdentityRequest();

    /**
        The instrument answered (MIDI input thread): takes its name and
        whether it is supported, marks it on line and, while the port scan
        runs, remembers the scanned pair in settings 1 and 2 and has them saved.
    */
    void identityReplied (const Identity& identity);

    bool isConnected() const noexcept { return connected.load(); }
    bool isUnsupportedDevice() const noexcept { return unsupported.load(); }
    juce::String connectionText() const;

    // ------------------------------------------------------------------ scan
    /** The pair the port scan is trying (or last found), 1-based. */
    void setScannedPorts (int inputNumber, int outputNumber);
    std::pair<int, int> scannedPorts() const;
    /** While on, an identity reply remembers the scanned pair. */
    void setScanMode (bool on) noexcept { scanMode = on; }
    bool isScanMode() const noexcept { return scanMode.load(); }

private:
    MidiPortProvider& ports;
    Notifications& notifications;
    ControllerSettings& settings;
    juce::MidiInputCallback* inputCallback = nullptr;

    MIDI_OUT_Control out;
    std::unique_ptr<MidiInputPort> input;
    std::atomic<bool> inputOpen { false };
    std::atomic<int> inputPort { 0 };

    mutable std::mutex stateLock; // the fields below change together with the state code they post
    std::atomic<bool> connected { false };
    std::atomic<bool> unsupported { false };
    std::atomic<bool> scanMode { false };
    juce::String text;
    std::pair<int, int> scanned { 0, 0 };
};

} // namespace zr9
