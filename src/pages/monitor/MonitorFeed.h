#pragma once

#include "MonitorLog.h"

#include "midi/MonitorQueue.h"
#include "model/MonitorStream.h"

namespace zr9
{

/**
    Takes what the taps recorded into the monitor's log: the queue is
    emptied, pieces and address controllers are put together, and each
    message is decoded in the instrument's words as it arrives, so a program
    change is named by the bank select before it. Message thread.
*/
class MonitorFeed
{
public:
    /** The most messages one pump takes, so one busy moment never holds up the message thread for long. */
    static constexpr std::size_t messagesPerPump = 4096;

    MonitorFeed (MonitorQueue& queue, const monitor::Vocabulary* words, MonitorLog& log);
    ~MonitorFeed();

    /** Starts recording at `nowMs`: what the queue held before is dropped, and times count from here. */
    void start (double nowMs);
    void stop();
    bool isRecording() const noexcept { return queue.isRecording(); }

    /** Takes what was recorded up to now into the log; returns how many messages the queue handed on. */
    std::size_t pump (double nowMs);

    /** When the monitor started, on the clock the times are taken from. */
    double originMs() const noexcept { return origin; }
    /** Messages the queue had no room for since the start or the last clear. */
    std::uint64_t missed() const noexcept { return missedCount; }
    /** The log and the count of missed messages start again; recording goes on. */
    void clear();

private:
    MonitorQueue& queue;
    monitor::Decoder decoder;
    MonitorLog& log;
    monitor::MonitorStream stream;
    double origin = 0.0;
    std::uint64_t missedCount = 0;
};

} // namespace zr9
