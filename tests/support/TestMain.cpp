// Runs every test with the framework's message thread set up on the main
// thread, so components, timers and asynchronous updates work headless.
//
// The tests never use a display: a process without one would fall back to
// display :0, which may be someone's desktop, so the display is named as one
// that cannot be opened before the framework starts. The name has no host
// and no number, so opening it fails at once, without asking a name server
// or trying a socket.

#include <gtest/gtest.h>
#include <juce_events/juce_events.h>
#include <juce_gui_basics/juce_gui_basics.h>

#include <cstdlib>

int main (int argc, char** argv)
{
    setenv ("DISPLAY", ":none", 1);
    ::testing::InitGoogleTest (&argc, argv);
    juce::ScopedJuceInitialiser_GUI gui;
    return RUN_ALL_TESTS();
}
