// The connection's state and the state codes that tell the pages about it,
// with the identity request and the reply running on two threads at once.

#include "controller/MidiCntrState.h"
#include "support/FakeMidiPorts.h"
#include "support/TestController.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

using namespace zr9;
using namespace zr9::test;

namespace
{
/** Waits for `ready` by spinning, so two threads start close together, giving way now and then on a busy machine. */
template <typename Ready>
void spinUntil (Ready ready)
{
    for (int spins = 0; ! ready(); ++spins)
        if (spins % 1024 == 1023)
            std::this_thread::yield();
}

/** Two threads that run one action each per round, started together as closely as spinning allows. */
class RoundsTogether
{
public:
    RoundsTogether (std::function<void()> a, std::function<void()> b) : first (std::move (a)), second (std::move (b)) {}

    /** Runs `rounds` rounds; after each, `check` runs alone and may stop the run by returning false. */
    void run (int rounds, const std::function<bool()>& check)
    {
        std::thread other ([this] {
            for (int seen = 0;;)
            {
                spinUntil ([&] { return go.load() != seen; });
                seen = go.load();
                if (seen < 0)
                    return;
                second();
                done.fetch_add (1);
            }
        });
        for (int r = 1; r <= rounds; ++r)
        {
            go.store (r);
            first();
            spinUntil ([&] { return done.load() >= r; });
            if (! check())
                break;
        }
        go.store (-1);
        other.join();
    }

private:
    std::function<void()> first, second;
    std::atomic<int> go { 0 }, done { 0 };
};
} // namespace

TEST (Connection, TheLastStateCodeAlwaysMatchesTheConnectionWhateverTheThreadsDo)
{
    // The request (message thread) and a reply to an earlier request (input
    // thread) race. Whatever order they take, what the status line shows last
    // must be what the connection is: the race once left "OFF-LINE" on a
    // connected instrument.
    FakeMidiPorts ports;
    TestController test (ports);
    auto& connection = test.controller.connection();
    auto& notifications = test.controller.notifications();
    int mismatches = 0;

    RoundsTogether ({ [&] { connection.sendIdentityRequest(); } },
                    { [&] { connection.identityReplied ({ true, "HALVORN ZR9", false }); } })
        .run (300000, [&] {
            const auto codes = notifications.take().stateCodes;
            const bool shownOnLine = ! codes.empty() && codes.back() == statecode::onLine;
            if (shownOnLine != connection.isConnected())
                ++mismatches;
            return mismatches == 0;
        });
    EXPECT_EQ (mismatches, 0);
}

TEST (Connection, AReplyRemembersTheScannedPairWhole)
{
    // The scan sets the pair on the message thread while replies arrive: a
    // remembered pair is always one the scan set, never half of two.
    FakeMidiPorts ports;
    TestController test (ports);
    auto& connection = test.controller.connection();
    auto& settings = test.controller.settings();
    connection.setScanMode (true);
    int round = 0, torn = 0;

    RoundsTogether ({ [&] { ++round; connection.setScannedPorts (round, round); } },
                    { [&] { connection.identityReplied ({ false, {}, false }); } })
        .run (2000, [&] {
            if (settings.number (Setting::inputPort) != settings.number (Setting::outputPort))
                ++torn;
            return torn == 0;
        });
    EXPECT_EQ (torn, 0);
    connection.setScanMode (false);
}
