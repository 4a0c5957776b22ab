#include "ShutdownSignals.h"

#include <atomic>
#include <csignal>

namespace zr9
{

namespace
{
    std::atomic<bool> stopRequested { false };
    constexpr int pollMilliseconds = 50;

    extern "C" void onStopSignal (int) { stopRequested.store (true); }
} // namespace

ShutdownSignals::ShutdownSignals()
{
    struct sigaction action {};
    action.sa_handler = onStopSignal;
    sigemptyset (&action.sa_mask);
    sigaction (SIGTERM, &action, nullptr);
    sigaction (SIGINT, &action, nullptr);
    startTimer (pollMilliseconds);
}

ShutdownSignals::~ShutdownSignals()
{
    stopTimer();
}

void ShutdownSignals::timerCallback()
{
    if (! stopRequested.load())
        return;
    stopTimer();
    if (auto* app = juce::JUCEApplicationBase::getInstance())
        app->systemRequestedQuit();
}

} // namespace zr9
