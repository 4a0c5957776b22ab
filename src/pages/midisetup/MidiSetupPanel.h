#pragma once

#include "ui/GskLookAndFeel.h"
#include "ui/GskToggle.h"
#include "ui/SkinButton.h"

#include <juce_gui_basics/juce_gui_basics.h>

namespace zr9
{

/** Told of the MIDI setup panel's commands: a code and a value. */
class MIDI_SetupListener
{
public:
    virtual ~MIDI_SetupListener() = default;
    virtual void midiSetupCommand (int code, int value) = 0;
};

/**
    The MIDI setup panel: the chosen input and output port, each with a lamp
    that shows whether the port is open, the connection status, and the
    buttons that close the panel, start a transfer or open the MIDI monitor.
    Clicking a port box opens a menu of "NONE" and the device names; a menu
    entry's position is the port number. In a plug-in it also shows the
    switch that passes the host's MIDI on to the instrument. The panel only
    shows and reports; its owner opens ports and keeps the switch.
*/
class MIDI_Setup : public juce::Component
{
public:
    // Codes posted to the listeners.
    static constexpr int codePoll = 201;
    static constexpr int codeOk = 203;
    static constexpr int codeInputPicked = 300;
    static constexpr int codeInputPickedLower = 301;
    static constexpr int codeOutputPicked = 302;
    static constexpr int codeHostMidiPassed = 310; // value 1: pass the host's MIDI on, 0: keep it back
    static constexpr int codeReceive = 2012;
    static constexpr int codeTransmit = 2013;
    static constexpr int codeMonitor = 2014;
    // Codes the owner also takes from others: the option switch, a new port scan, a chosen option.
    static constexpr int codeOption = 206;
    static constexpr int codeRestartScan = 211;
    static constexpr int codeOptionChosen = 303;

    // Button ids.
    static constexpr int okId = 1111;
    static constexpr int otherButtonId = 999;

    /** The three click zones that open a port menu. */
    enum class Zone { none, input, inputLower, output };

    MIDI_Setup();
    ~MIDI_Setup() override;

    /** The device names; "NONE" is put in front of each list. */
    void setPortNames (const juce::StringArray& inputs, const juce::StringArray& outputs);
    const juce::StringArray& inputList() const noexcept { return inputNames; }
    const juce::StringArray& outputList() const noexcept { return outputNames; }

    /** Shows the chosen port (0 = "NONE") and whether it is open. */
    void showInput (int portNumber, bool open);
    void showOutput (int portNumber, bool open);
    int shownInput() const noexcept { return inputChoice; }
    int shownOutput() const noexcept { return outputChoice; }
    bool inputLamp() const noexcept { return inputOpen; }
    bool outputLamp() const noexcept { return outputOpen; }

    /** Refreshes the panel from settings 1, 2 and 3 and the controller's option flag. */
    void refresh (int inputPort, bool inputIsOpen, int outputPort, bool outputIsOpen, int thirdValue, bool option);
    int thirdValue() const noexcept { return third; }
    bool option() const noexcept { return optionFlag; }

    /** Shows the host MIDI switch (hidden until then: only a plug-in has a host) in the given position. */
    void showHostMidiSwitch (bool passed);
    bool isHostMidiSwitchShown() const noexcept { return hostMidi.isVisible(); }
    GskToggle& hostMidiSwitch() noexcept { return hostMidi; }

    void setStatusText (const juce::String& text);
    juce::String statusText() const { return status.getText(); }

    void addListener (MIDI_SetupListener* l);
    void removeListener (MIDI_SetupListener* l);

    /** Which menu a click at this point opens. */
    static Zone zoneAt (juce::Point<int> p) noexcept;

    /** The menu of a zone was closed with this id (0 = dismissed): posts the zone's code with id - 1. */
    void menuChosen (Zone zone, int menuId);

    SkinButton& okButton() noexcept { return ok; }
    SkinButton& pollButton() noexcept { return poll; }
    SkinButton& receiveButton() noexcept { return receive; }
    SkinButton& transmitButton() noexcept { return transmit; }
    SkinButton& monitorButton() noexcept { return monitor; }

    void paint (juce::Graphics& g) override;
    void mouseDown (const juce::MouseEvent& e) override;

private:
    void post (int code, int value);
    void paintPort (juce::Graphics& g, const juce::String& caption, int captionY, int boxY,
                    const juce::String& name, bool lamp);

    juce::Label status;
    SkinButton ok { "OK", okId };
    SkinButton poll { "POLL", otherButtonId };
    SkinButton receive { "RECEIVE DATA", otherButtonId };
    SkinButton transmit { "TRANSMIT DATA", otherButtonId };
    SkinButton monitor { "MIDI MONITOR", otherButtonId };
    juce::SharedResourcePointer<GskLookAndFeel> switchLook;
    GskToggle hostMidi { GskStyle::toggle, "PASS HOST MIDI TO THE INSTRUMENT" };

    juce::StringArray inputNames { "NONE" }, outputNames { "NONE" };
    int inputChoice = 0, outputChoice = 0, third = -1;
    bool inputOpen = false, outputOpen = false, optionFlag = false;

    juce::CriticalSection listenerLock;
    juce::Array<MIDI_SetupListener*> listeners;

    JUCE_DECLARE_WEAK_REFERENCEABLE (MIDI_Setup)
};

} // namespace zr9
