#pragma once

#include "FakeMidiPorts.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <functional>

namespace zr9::test
{

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
