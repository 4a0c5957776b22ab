#pragma once

#include <juce_events/juce_events.h>

namespace zr9
{

/**
    Ends the program in the ordinary way when it is asked to stop by SIGTERM
    (a session logout, a service manager) or SIGINT (Ctrl+C), so that the
    settings and banks are written on the way out. The signal handler only
    sets a flag; a timer on the message thread sees it and asks the
    application to quit.
*/
class ShutdownSignals : private juce::Timer
{
public:
    ShutdownSignals();
    ~ShutdownSignals() override;

private:
    void timerCallback() override;
};

} // namespace zr9
