#include "MonitorFeed.h"

namespace zr9
{

MonitorFeed::MonitorFeed (MonitorQueue& q, const monitor::Vocabulary* words, MonitorLog& l)
    : queue (q), decoder (words), log (l), stream ([this] (monitor::MonitorMessage&& m) {
          auto meaning = decoder.decode (m);
          log.add (std::move (m), std::move (meaning));
      })
{
}

MonitorFeed::~MonitorFeed() { stop(); }

void MonitorFeed::start (double nowMs)
{
    queue.setRecording (false);
    queue.discard();
    stream.flushAll();
    decoder.reset();
    origin = nowMs;
    missedCount = 0;
    queue.setRecording (true);
}

void MonitorFeed::stop()
{
    queue.setRecording (false);
}

std::size_t MonitorFeed::pump (double nowMs)
{
    const auto taken = queue.drain ([this] (const MonitorQueue::Record& r) {
        // A tap that was under way when the monitor started belongs to an earlier session.
        if (r.timeMs >= origin)
            stream.add (r.timeMs, r.direction, r.port, r.bytes, r.kept, r.size);
    }, messagesPerPump);
    missedCount += queue.takeMissed();
    stream.flushStale (nowMs);
    return taken;
}

void MonitorFeed::clear()
{
    stream.flushAll();
    log.clear();
    missedCount = 0;
}

} // namespace zr9
