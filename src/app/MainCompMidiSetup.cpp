// The main component's side of the MIDI port choice: the setup panel's
// commands, the port-scan panel, and the setup panel's status line.

#include "MainComp.h"

#include "library/RevuDIAudioProcessor.h"

namespace zr9
{

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
    setupPanel->setStatusText (controller.connection().isConnected() ? onLineText() : juce::String ("OFF-LINE"));
    setupPanel->setBounds (0, barHeight, getWidth(), getHeight() - barHeight - footerStripFromBottom);
    setupPanel->setVisible (true);
    setupPanel->toFront (false);
    if (scanner != nullptr)
        scanner->toFront (false);
}

void MainComp::refreshMidiSetup()
{
    if (setupPanel == nullptr)
        return;
    auto& connection = controller.connection();
    auto& settings = controller.settings();
    setupPanel->setPortNames (connection.inputNames(), connection.outputNames());
    setupPanel->refresh (settings.number (Setting::inputPort), connection.isInputOpen(),
                         settings.number (Setting::outputPort), connection.isOutputOpen(),
                         settings.number (Setting::setupValue), settings.deviceOption());
    if (processor.isPlugIn())
        setupPanel->showHostMidiSwitch (settings.passesHostMidi());
}

void MainComp::checkIdentityAndSave()
{
    controller.connection().sendIdentityRequest();
    controller.settings().save();
}

void MainComp::midiSetupCommand (int code, int value)
{
    auto& connection = controller.connection();
    switch (code)
    {
        case MIDI_Setup::codePoll:
            connection.sendIdentityRequest();
            break;

        case MIDI_Setup::codeOk:
            pageCommand (pagecommand::midiSetup, 0);
            connection.sendIdentityRequest();
            break;

        case MIDI_Setup::codeOption:
            controller.settings().setDeviceOption (value == 1);
            checkIdentityAndSave();
            break;

        case MIDI_Setup::codeHostMidiPassed:
            controller.settings().setPassesHostMidi (value == 1);
            controller.settings().save();
            break;

        case MIDI_Setup::codeRestartScan:
            setScanMode (false);
            setScanMode (true);
            break;

        case MIDI_Setup::codeInputPicked:
            connection.openInputPort (value);
            controller.settings().set (Setting::inputPort, value);
            if (setupPanel != nullptr)
                setupPanel->showInput (value, connection.isInputOpen());
            checkIdentityAndSave();
            break;

        case MIDI_Setup::codeOutputPicked:
            controller.settings().set (Setting::outputPort, value);
            connection.openOutputPort (value); // 0 closes the port
            if (setupPanel != nullptr)
                setupPanel->showOutput (value, connection.isOutputOpen());
            checkIdentityAndSave();
            break;

        case MIDI_Setup::codeInputPickedLower:
        case MIDI_Setup::codeOptionChosen:
            checkIdentityAndSave();
            break;

        case MIDI_Setup::codeMonitor:
            pageCommand (pagecommand::midiSetup, 0);
            openMidiMonitor();
            break;

        case MIDI_Setup::codeReceive:
        case MIDI_Setup::codeTransmit:
            pageCommand (pagecommand::midiSetup, 0);
            controller.settings().save();
            setTransferPanelShown (code);
            break;

        default:
            break;
    }
}

void MainComp::setScanMode (bool on)
{
    if (on)
    {
        controller.scan().start();
        showScanPanel();
    }
    else
    {
        controller.scan().stop();
        closeScanPanel();
    }
}

void MainComp::showScanPanel()
{
    if (scanner == nullptr)
    {
        scanner = std::make_unique<MIDI_scan> (controller.scan());
        scanner->onClicked = [this] { setScanMode (false); };
        addAndMakeVisible (*scanner);
    }
    scanner->toFront (false);
    if (isVersionPanelShown())
        version->toFront (false); // the greeting stays on top for its moment
}

void MainComp::closeScanPanel()
{
    scanner.reset();
}

void MainComp::scanChanged()
{
    // Found, or ended: the panel has nothing more to show.
    if (! controller.scan().isActive())
        closeScanPanel();
}

} // namespace zr9
