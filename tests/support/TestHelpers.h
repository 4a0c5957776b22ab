#pragma once

#include "FakeMidiPorts.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <functional>
#include <string>

namespace zr9::test
{

/** A text of plain ASCII as the 32-bit characters names are kept in. */
inline std::u32string u32 (const std::string& s) { return std::u32string (s.begin(), s.end()); }

/** What a ZR9 answers to the identity request. */
inline const std::vector<std::uint8_t> zr9Reply { 0xF0, 0x7E, 0x00, 0x06, 0x02, 0x07, 0x44, 0x00, 0x03, 0x00, 0x01, 0x00, 0x00, 0x00, 0xF7 };

/** A fresh folder under the system's temporary folder, removed when the test ends. */
class TempFolder
{
public:
    TempFolder();
    ~TempFolder();
    const juce::File& path() const noexcept { return folder; }
    juce::File libraryFile (const juce::String& name) const { return folder.getChildFile ("Library").getChildFile ("ZR9").getChildFile (name); }

private:
    juce::File folder;
};

/** Runs the message loop until `done` holds or the time is up; returns whether it held. */
bool runMessageLoopUntil (const std::function<bool()>& done, int timeoutMs = 2000);

/** Runs the message loop for a fixed time, delivering timers and asynchronous updates. */
void runMessageLoopFor (int milliseconds);

/**
    Waits in real time, without the message loop, until `done` holds or the
    time is up: for what another process does. Returns whether it held.
*/
bool waitForOtherProcess (const std::function<bool()>& done, int timeoutMs = 10000);

/** A left-button mouse event on the component at the given point, for calling its mouse handlers directly. */
juce::MouseEvent mouseEventOn (juce::Component& component, juce::Point<float> at = {});

/** The settings file's entries as the program reads them back. */
std::vector<std::string> readSettingsEntries (const juce::File& file);

} // namespace zr9::test
