#pragma once

#include "MonitorMessage.h"

#include <array>
#include <functional>
#include <optional>

namespace zr9::monitor
{

/**
    Puts the messages the monitor records back together the way they were
    meant, separately for each direction:

    - a System Exclusive message that travelled in pieces (a long one leaves
      the output in pieces of 256 bytes; an input may deliver one in pieces)
      becomes one message again; real-time bytes in between pass on their own;
    - the seven controllers of one controller-address message (110 to 114,
      118 and 119 on one channel, in that order) become one message.

    What waits for its rest is handed on as it is when something else of its
    direction arrives, or when it waited longer than its limit (flushStale).
    Messages go to the sink in the order they are complete; within a
    direction, in the order they travelled. Plain C++; one thread.
*/
class MonitorStream
{
public:
    /** How long the first controllers of an address message wait for the others. */
    static constexpr double addressWaitMs = 100.0;
    /** How long the first piece of a System Exclusive message waits for its end. */
    static constexpr double sysExWaitMs = 1000.0;

    using Sink = std::function<void (MonitorMessage&&)>;

    explicit MonitorStream (Sink sink);

    /**
        One recorded message: `kept` bytes of it at `bytes`, of `size` bytes in
        all (more than kept when the recorder kept only its start).
    */
    void add (double timeMs, Direction direction, int port, const std::uint8_t* bytes, std::size_t kept, std::size_t size);

    /** Hands on what waited longer than its limit at `nowMs`. */
    void flushStale (double nowMs);
    /** Hands on everything that waits. */
    void flushAll();

private:
    struct Waiting
    {
        std::optional<MonitorMessage> sysEx;
        std::vector<MonitorMessage> controllers; // the address message begun so far
    };

    void addToDirection (Waiting& w, MonitorMessage&& m);
    void continueAddress (Waiting& w, MonitorMessage&& m);
    void flushControllers (Waiting& w);
    void flushSysEx (Waiting& w);
    void emit (MonitorMessage&& m) { sink (std::move (m)); }

    Sink sink;
    std::array<Waiting, 2> waiting;
};

} // namespace zr9::monitor
