#include "ShutdownSignals.h"

#include <juce_events/juce_events.h>

#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace zr9
{

namespace
{
    // The pipe is the only thing the handler touches; a write to it is safe in a signal handler.
    int pipeEnds[2] = { -1, -1 };

    extern "C" void onStopSignal (int)
    {
        const char byte = 1;
        [[maybe_unused]] const auto written = ::write (pipeEnds[1], &byte, 1);
    }
} // namespace

ShutdownSignals::ShutdownSignals()
{
    if (::pipe2 (pipeEnds, O_CLOEXEC | O_NONBLOCK) != 0)
        return; // without a pipe the signals keep their usual effect

    juce::LinuxEventLoop::registerFdCallback (pipeEnds[0], [this] (int) { signalled(); });

    struct sigaction action {};
    action.sa_handler = onStopSignal;
    sigemptyset (&action.sa_mask);
    sigaction (SIGTERM, &action, nullptr);
    sigaction (SIGINT, &action, nullptr);
}

ShutdownSignals::~ShutdownSignals()
{
    if (pipeEnds[0] < 0)
        return;
    signal (SIGTERM, SIG_DFL);
    signal (SIGINT, SIG_DFL);
    juce::LinuxEventLoop::unregisterFdCallback (pipeEnds[0]);
    ::close (pipeEnds[0]);
    ::close (pipeEnds[1]);
    pipeEnds[0] = pipeEnds[1] = -1;
}

void ShutdownSignals::signalled()
{
    char bytes[16];
    while (::read (pipeEnds[0], bytes, sizeof (bytes)) > 0) {}
    if (auto* app = juce::JUCEApplicationBase::getInstance())
        app->systemRequestedQuit();
}

} // namespace zr9
