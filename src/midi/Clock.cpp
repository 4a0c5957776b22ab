#include "Clock.h"

#include <thread>

namespace zr9
{

namespace
{
    constexpr std::uint64_t usPerMs = 1000;

    class SystemTimer final : public ClockTimer, private juce::Timer
    {
    public:
        explicit SystemTimer (std::function<void()> t) : tick (std::move (t)) {}
        ~SystemTimer() override { juce::Timer::stopTimer(); }
        void start (int intervalMs) override { startTimer (std::max (1, intervalMs)); }
        void stop() override { juce::Timer::stopTimer(); }
        bool isRunning() const override { return isTimerRunning(); }

    private:
        void timerCallback() override { tick(); }
        std::function<void()> tick;
    };

    class SystemClock final : public Clock
    {
    public:
        std::uint64_t nowMs() const noexcept override { return (std::uint64_t) juce::Time::getMillisecondCounterHiRes(); }
        double preciseMs() const noexcept override { return juce::Time::getMillisecondCounterHiRes(); }
        std::uint64_t nowUs() const noexcept override { return (std::uint64_t) (preciseMs() * (double) usPerMs); }

        std::unique_ptr<ClockTimer> makeTimer (std::function<void()> tick) override
        {
            return std::make_unique<SystemTimer> (std::move (tick));
        }

        void waitUntil (std::uint64_t dueMs, juce::WaitableEvent& wake) override
        {
            const auto now = nowMs();
            if (dueMs > now)
                wake.wait ((double) (dueMs - now));
        }

        void waitUntilUs (std::uint64_t dueUs, juce::WaitableEvent& wake) override
        {
            const auto now = nowUs();
            if (dueUs <= now)
                return;
            const auto waitUs = dueUs - now;
            // The event waits whole milliseconds; the caller looks again and sleeps what is left.
            if (waitUs >= usPerMs)
                wake.wait ((int) (waitUs / usPerMs));
            else
                std::this_thread::sleep_for (std::chrono::microseconds (waitUs));
        }
    };
} // namespace

std::shared_ptr<Clock> Clock::system()
{
    static const auto clock = std::make_shared<SystemClock>();
    return clock;
}

} // namespace zr9
