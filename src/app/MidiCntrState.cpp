#include "MidiCntrState.h"

#include "midi/InstrumentMessages.h"
#include "library/BankFiles.h"

#include <algorithm>

namespace zr9
{

namespace
{
    constexpr int programDataNeeded = 30; // a program shorter than this leaves the channel block alone
} // namespace

MidiCntrState::MidiCntrState (MidiPortProvider& p, LibraryFolder folder, bool keepOnDisk)
    : portProvider (p), libraryFolder (std::move (folder)), persistent (keepOnDisk)
{
    settings (0);
    {
        const juce::ScopedLock sl (settingsLock);
        // Entries 50 to 81 are written with the rest and dropped again by the next load.
        settingsEntries.resize ((size_t) (SettingsList::entryCount + SettingsList::extraEntries), "0");
        const int c = SettingsList::toInt (settingsEntries[setting::channel]);
        if (c < 1 || c > channelCount)
            settingsEntries[setting::channel] = "1";
        channel = c < 1 || c > channelCount ? 1 : c;
    }

    loadStartupBanks (rk2, libraryFolder, persistent);

    for (int c = 0; c < channelCount; ++c)
        setChannelProgram (1, c);
}

MidiCntrState::~MidiCntrState()
{
    stopTimer();
    settings (1);
    closeInputPort();
    if (output != nullptr)
        output->removeListener (this);
    output.reset();
}

// ---------------------------------------------------------------------- transport

void MidiCntrState::createOutputControl()
{
    if (output == nullptr)
        output = std::make_unique<MIDI_OUT_Control> (portProvider);
}

void MidiCntrState::openInputPort (int n)
{
    closeInputPort();
    if (n < 1)
        return;
    input = portProvider.openInput (n - 1, *this);
    if (input == nullptr)
        return;
    input->start();
    inputOpen = true;
    inputPort = n;
}

void MidiCntrState::closeInputPort()
{
    if (input != nullptr)
    {
        input->stop();
        input.reset();
    }
    inputOpen = false;
    inputPort = 0;
}

// ------------------------------------------------------------------ notifications

void MidiCntrState::postStateCode (std::uint32_t code)
{
    queues.postStateCode (code);
    notifyListeners();
}

void MidiCntrState::postParameterChange (int row, int value)
{
    queues.postParameterChange (paramchange::encode (row, value));
    notifyListeners();
}

void MidiCntrState::notifyListeners()
{
    listeners.call ([] (stateListener& l) { l.changesWaiting(); });
}

void MidiCntrState::addListener (stateListener* listener)
{
    if (listener != nullptr)
        listeners.add (listener);
}

void MidiCntrState::removeListener (stateListener* listener)
{
    listeners.remove (listener);
}

// -------------------------------------------------------------------- live values

void MidiCntrState::setChannelProgram (int program, int c)
{
    if (c < 0 || c >= channelCount || program < 1)
        return;
    auto& ch = channels[(size_t) c];
    if (program == ch.currentProgram.load())
        return;
    ch.currentProgram = program;

    auto& edit = rk2.programEdit (c);
    const auto stored = rk2.programBank().bank().record (program);
    if (! stored.empty())
        edit.load (ByteView (stored));

    const auto data = edit.record();
    if ((int) data.size() >= programDataNeeded)
        fillChannelBlock (c, program, data);
    rebuildEffectSelection (c, -1, 0);
}

void MidiCntrState::fillChannelBlock (int c, int program, const Bytes& data)
{
    const ByteView d (data);
    const auto put = [this, c] (int slot, int value) { table.store (LiveTable::channelRow (c, slot), value); };

    put (LiveTable::slotInsertChain, d.byte (84) * 256 + d.byte (85));
    put (LiveTable::slotInsertOut, d.byte (83) & 1);
    put (LiveTable::slotAux1Chain, d.byte (96) * 256 + d.byte (97));
    put (LiveTable::slotAux1Level, d.byte (86) & 0x7F);
    put (LiveTable::slotAux1Out, d.byte (86) >> 7);
    put (LiveTable::slotAux2Chain, d.byte (108) * 256 + d.byte (109));
    put (LiveTable::slotAux2Level, d.byte (87) & 0x7F);
    put (LiveTable::slotAux2Out, d.byte (87) >> 7);
    put (LiveTable::slotPan, d.byte (58));
    put (LiveTable::slotLevel, d.signedByte (55));
    put (LiveTable::slotProgram, program);
    put (LiveTable::slotProgramBank, program / 128);
    put (LiveTable::slotProgramNumber, program % 128);
}

int MidiCntrState::currentProgram (int c) const noexcept
{
    if (c < 0 || c >= channelCount)
        return 1;
    const int p = channels[(size_t) c].currentProgram.load();
    return p < 1 ? 1 : p;
}

// -------------------------------------------------------------------- input pause

void MidiCntrState::pauseInput (int milliseconds)
{
    inputPaused = true;
    startTimer (std::max (1, milliseconds));
}

void MidiCntrState::timerCallback()
{
    inputPaused = false;
    stopTimer();
}

// --------------------------------------------------------------------- connection

void MidiCntrState::sendIdentityRequest()
{
    flags.connected = false;
    postStateCode (statecode::offLine);
    if (output != nullptr)
        output->sendSysEx (messages::identityRequest());
}

juce::String MidiCntrState::connectionText() const
{
    const juce::ScopedLock sl (lock);
    return connection;
}

void MidiCntrState::setConnectionText (const juce::String& text)
{
    const juce::ScopedLock sl (lock);
    connection = text;
}

// --------------------------------------------------------------------------- keys

void MidiCntrState::clearKeys()
{
    const juce::ScopedLock sl (lock);
    keys.fill (false);
    hostQueue.clear();
}

bool MidiCntrState::isKeyDown (int key) const
{
    const juce::ScopedLock sl (lock);
    return key >= 0 && key < keyCount && keys[(size_t) key];
}

void MidiCntrState::setKeyDown (int key, bool down)
{
    const juce::ScopedLock sl (lock);
    if (key >= 0 && key < keyCount)
        keys[(size_t) key] = down;
}

// ----------------------------------------------------------------------- settings

juce::String MidiCntrState::getSetting (int index) const
{
    const juce::ScopedLock sl (settingsLock);
    if (index < 0 || index >= (int) settingsEntries.size())
        return {};
    return juce::String (settingsEntries[(size_t) index]);
}

int MidiCntrState::getSettingInt (int index) const
{
    return SettingsList::toInt (getSetting (index).toStdString());
}

void MidiCntrState::setSetting (int index, const juce::String& text)
{
    const juce::ScopedLock sl (settingsLock);
    if (index >= 0 && index < (int) settingsEntries.size())
        settingsEntries[(size_t) index] = text.toStdString();
}

int MidiCntrState::settingsCount() const
{
    const juce::ScopedLock sl (settingsLock);
    return (int) settingsEntries.size();
}

void MidiCntrState::settings (int mode)
{
    if (mode == 0)
        loadSettingsFile();
    else if (mode == 1)
        saveSettingsFile();
}

void MidiCntrState::loadSettingsFile()
{
    const auto file = libraryFolder.file (settingsFileName);
    const juce::ScopedLock sl (settingsLock);
    if (! persistent || ! file.existsAsFile())
    {
        settingsEntries = SettingsList::defaults();
        if (persistent)
        {
            const auto text = SettingsList::serialise (settingsEntries);
            writeDataFile (file, text.data(), text.size());
        }
        return;
    }

    const auto block = readDataFile (file);
    auto parsed = SettingsList::parse (static_cast<const std::uint8_t*> (block.getData()), block.getSize());
    settingsEntries = std::move (parsed.entries);
    flags.settingsReset = parsed.unusable;
}

void MidiCntrState::saveSettingsFile()
{
    if (! persistent)
        return;
    std::string text;
    {
        const juce::ScopedLock sl (settingsLock);
        text = SettingsList::serialise (settingsEntries);
    }
    writeDataFile (libraryFolder.file (settingsFileName), text.data(), text.size());
}

void MidiCntrState::applyStartupDefaults()
{
    const juce::ScopedLock sl (settingsLock);
    SettingsList::applyStartupDefaults (settingsEntries);
    for (size_t i = 0; i < options.size(); ++i)
        options[i] = SettingsList::toInt (settingsEntries[(size_t) setting::optionWords[i]]);
}

} // namespace zr9
