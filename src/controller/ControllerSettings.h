#pragma once

#include "model/MidiChannels.h"
#include "model/SettingsList.h"

#include <juce_events/juce_events.h>

#include <array>
#include <atomic>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace zr9
{

/** Where the settings text is kept between runs; the library layer gives the file in the library folder. */
class SettingsStorage
{
public:
    virtual ~SettingsStorage() = default;
    /** The stored text, or nothing when there is none yet. */
    virtual std::optional<std::string> read() = 0;
    virtual void write (const std::string& text) = 0;
};

/**
    The program's settings: 50 text entries (decimal numbers as text), read
    once when the controller is built and written back when asked, at the end
    of a run, and when the instrument is found by the port scan.

    Entries may be read and set from any thread under the settings lock. The
    storage is touched on the message thread only: a save asked for on another
    thread (the MIDI input thread remembering a found port pair) is carried
    out on the message thread.
*/
class ControllerSettings : private juce::AsyncUpdater
{
public:
    static constexpr int optionWordCount = 7;

    /** Reads the stored settings (the defaults, written at once, when there are none). Without storage nothing is kept. */
    explicit ControllerSettings (std::unique_ptr<SettingsStorage> storage);
    ~ControllerSettings() override;

    // Entries by index ("a missing entry reads 0").
    juce::String entry (int index) const;
    void setEntry (int index, const juce::String& text);
    int count() const;

    // Named entries.
    juce::String text (Setting s) const { return entry ((int) s); }
    int number (Setting s) const;
    void set (Setting s, int value) { setEntry ((int) s, juce::String (value)); }
    void set (Setting s, const juce::String& text) { setEntry ((int) s, text); }

    /** Writes the settings to their storage now; message thread. */
    void save();
    /** Asks for a save on the message thread; any thread. */
    void saveSoon() { triggerAsyncUpdate(); }

    /** True when the stored settings could not be used and the defaults were taken. */
    bool wasReset() const noexcept { return reset; }

    /** Rewrites entries 10 to 18 when the start-up marker is missing; then reads the seven option words. */
    void applyStartupDefaults();
    int optionWord (int i) const noexcept { return i >= 0 && i < optionWordCount ? options[(size_t) i].load() : 0; }

    /** The MIDI channel the player and the selectors use, 1 to 16 (setting 42). */
    int midiChannel() const noexcept { return channel.load(); }
    /** Takes a channel of 1 to 16 and keeps it as setting 42; others are ignored. */
    void setMidiChannel (int midiChannel);

    /** Whether a plug-in passes its host's MIDI on to the instrument (setting 19); any thread. On unless switched off. */
    bool passesHostMidi() const noexcept { return hostMidiPassed.load(); }
    void setPassesHostMidi (bool on);

    /** The option of the MIDI setup panel (setting 43). */
    bool deviceOption() const { return number (Setting::deviceOption) == 1; }
    void setDeviceOption (bool on) { set (Setting::deviceOption, on ? 1 : 0); }

private:
    void handleAsyncUpdate() override { save(); }
    void load();

    std::unique_ptr<SettingsStorage> storage;
    mutable std::mutex lock;
    std::vector<std::string> entries;
    std::atomic<int> channel { 1 };
    std::atomic<bool> hostMidiPassed { true };
    std::array<std::atomic<int>, optionWordCount> options {};
    bool reset = false;
};

} // namespace zr9
