// The main component's side of the MIDI port choice: the setup panel's
// commands, the port-scan panel, and the setup panel's status line.

#include "MainComp.h"

#include "library/RevuDIAudioProcessor.h"

namespace zr9
{

namespace
{
    constexpr int commandOption = 206;
    constexpr int commandRestartScan = 211;
    constexpr int commandOptionChosen = 303;
    constexpr int footerStripHeight = 25;
} // namespace

void MainComp::setMidiSetupShown (bool shown)
{
    if (! shown)
    {
        if (setupPanel != nullptr)
        {
            setupPanel->removeListener (this);
            setupPanel.reset();
        }
        return;
    }

    if (setupPanel == nullptr)
    {
        setupPanel = std::make_unique<MIDI_Setup>();
        setupPanel->addListener (this);
        addChildComponent (*setupPanel);
    }
    refreshMidiSetup();
    setupPanel->setStatusText (controller.flags.connected ? onLineText() : juce::String ("OFF-LINE"));
    setupPanel->setBounds (0, barHeight, getWidth(), getHeight() - barHeight - footerStripHeight);
    setupPanel->setVisible (true);
    setupPanel->toFront (false);
    if (scanner != nullptr)
        scanner->toFront (false);
}

void MainComp::refreshMidiSetup()
{
    if (setupPanel == nullptr)
        return;
    auto& ports = controller.ports();
    setupPanel->setPortNames (ports.inputNames(), ports.outputNames());
    auto* out = controller.outputControl();
    setupPanel->refresh (controller.getSettingInt (setting::inputPort), controller.isInputOpen(),
                         controller.getSettingInt (setting::outputPort), out != nullptr && out->isOpen(),
                         controller.getSettingInt (3), controller.flags.deviceOption);
}

void MainComp::checkIdentityAndSave()
{
    controller.sendIdentityRequest();
    controller.settings (1);
}

void MainComp::midiSetupCommand (int code, int value)
{
    switch (code)
    {
        case MIDI_Setup::codePoll:
            controller.sendIdentityRequest();
            break;

        case MIDI_Setup::codeOk:
            pageCommand (commandMidiSetup, 0);
            controller.sendIdentityRequest();
            break;

        case commandOption:
            controller.flags.deviceOption = value == 1;
            controller.setSetting (43, value == 1 ? "1" : "0");
            checkIdentityAndSave();
            break;

        case commandRestartScan:
            if (scanner != nullptr)
                setScanMode (false);
            setScanMode (true);
            break;

        case MIDI_Setup::codeInputPicked:
            controller.openInputPort (value);
            controller.setSetting (setting::inputPort, juce::String (value));
            if (setupPanel != nullptr)
                setupPanel->showInput (value, controller.isInputOpen());
            checkIdentityAndSave();
            break;

        case MIDI_Setup::codeOutputPicked:
        {
            controller.setSetting (setting::outputPort, juce::String (value));
            auto* out = controller.outputControl();
            if (out != nullptr)
                out->open (value); // 0 closes the port
            if (setupPanel != nullptr)
                setupPanel->showOutput (value, out != nullptr && out->isOpen());
            checkIdentityAndSave();
            break;
        }

        case MIDI_Setup::codeInputPickedLower:
        case commandOptionChosen:
            checkIdentityAndSave();
            break;

        case MIDI_Setup::codeReceive:
        case MIDI_Setup::codeTransmit:
            // The receive/transmit panel is not part of this window yet; the
            // panel still closes and the port choice is kept.
            pageCommand (commandMidiSetup, 0);
            controller.settings (1);
            break;

        default:
            break;
    }
}

void MainComp::setScanMode (bool on)
{
    if (! on)
    {
        controller.flags.scanMode = false;
        if (scanner != nullptr)
        {
            scanner->removeChangeListener (this);
            scanner.reset();
        }
        return;
    }

    scanner = std::make_unique<MIDI_scan> (controller);
    scanner->addChangeListener (this);
    addAndMakeVisible (*scanner);
    scanner->toFront (false);
    if (isVersionPanelShown())
        version->toFront (false); // the greeting stays on top for its moment
    // The flag goes up only once the scan has set the pair it asks: a reply to
    // an earlier request must not remember a pair nobody is trying.
    scanner->startScan();
    controller.flags.scanMode = true;
}

} // namespace zr9
