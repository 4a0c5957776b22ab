#include "MidiCntrState.h"

namespace zr9
{

MidiCntrState::MidiCntrState (MidiPortProvider& ports, std::unique_ptr<SettingsStorage> storage, std::shared_ptr<Clock> clock)
    : clockSource (std::move (clock)),
      settingsPart (std::move (storage)),
      connectionPart (ports, notificationsPart, settingsPart, *clockSource),
      scanPart (connectionPart, settingsPart, *clockSource),
      dispatch ({ inputPause, heldKeys, liveValues, channelPrograms, notificationsPart, connectionPart, mailbox, rk2, hostMidiPart,
                  monitorQueue, auditionPart })
{
    liveValues.setAudition (&auditionPart);
    connectionPart.setInputCallback (dispatch);
    connectionPart.output().setTap (&monitorQueue);
}

MidiCntrState::~MidiCntrState()
{
    scanPart.stop();
    // The input goes first, so nothing arrives while the parts it feeds are taken down.
    connectionPart.closeInputPort();
    settingsPart.save();
}

void MidiCntrState::start (bool useDevices)
{
    for (int c = 0; c < channelCount; ++c)
        channelPrograms.set (1, c);

    if (useDevices)
    {
        connectionPart.openInputPort (settingsPart.number (Setting::inputPort));
        connectionPart.openOutputPort (settingsPart.number (Setting::outputPort));
    }
    settingsPart.applyStartupDefaults();
    if (useDevices)
        scanPart.start(); // asks the remembered pair first; the first tick ends the scan when it answered
}

void MidiCntrState::deliverModelChanges()
{
    dispatch.deliverSetupParts();
    modelChanges.deliverNow();
}

} // namespace zr9
