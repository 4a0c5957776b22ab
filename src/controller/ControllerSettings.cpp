#include "ControllerSettings.h"

namespace zr9
{

ControllerSettings::ControllerSettings (std::unique_ptr<SettingsStorage> s) : storage (std::move (s))
{
    load();

    // A channel outside 1 to 16 is taken as 1, and kept so.
    const int c = number (Setting::midiChannel);
    if (c < 1 || c > channelCount)
        set (Setting::midiChannel, 1);
    channel = c < 1 || c > channelCount ? 1 : c;
    hostMidiPassed = number (Setting::hostMidiNotPassed) != 1;
}

ControllerSettings::~ControllerSettings()
{
    cancelPendingUpdate();
}

void ControllerSettings::load()
{
    const auto stored = storage != nullptr ? storage->read() : std::nullopt;
    const std::lock_guard<std::mutex> sl (lock);
    if (! stored.has_value())
    {
        entries = SettingsList::defaults();
        if (storage != nullptr)
            storage->write (SettingsList::serialise (entries));
        return;
    }
    auto parsed = SettingsList::parse (reinterpret_cast<const std::uint8_t*> (stored->data()), stored->size());
    entries = std::move (parsed.entries);
    reset = parsed.unusable;
}

void ControllerSettings::save()
{
    if (storage == nullptr)
        return;
    std::string text;
    {
        const std::lock_guard<std::mutex> sl (lock);
        text = SettingsList::serialise (entries);
    }
    storage->write (text);
}

juce::String ControllerSettings::entry (int index) const
{
    const std::lock_guard<std::mutex> sl (lock);
    if (index < 0 || index >= (int) entries.size())
        return {};
    return juce::String (entries[(size_t) index]);
}

int ControllerSettings::number (Setting s) const
{
    return SettingsList::toInt (entry ((int) s).toStdString());
}

void ControllerSettings::setEntry (int index, const juce::String& text)
{
    const std::lock_guard<std::mutex> sl (lock);
    if (index >= 0 && index < (int) entries.size())
        entries[(size_t) index] = text.toStdString();
}

int ControllerSettings::count() const
{
    const std::lock_guard<std::mutex> sl (lock);
    return (int) entries.size();
}

void ControllerSettings::applyStartupDefaults()
{
    const std::lock_guard<std::mutex> sl (lock);
    SettingsList::applyStartupDefaults (entries);
    for (size_t i = 0; i < options.size(); ++i)
        options[i] = SettingsList::toInt (entries[(size_t) optionWordEntries[i]]);
}

void ControllerSettings::setPassesHostMidi (bool on)
{
    hostMidiPassed = on;
    set (Setting::hostMidiNotPassed, on ? 0 : 1);
}

void ControllerSettings::setMidiChannel (int c)
{
    if (c < 1 || c > channelCount)
        return;
    channel = c;
    set (Setting::midiChannel, c);
}

} // namespace zr9
