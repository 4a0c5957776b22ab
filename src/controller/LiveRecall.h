#pragma once

#include "InputPause.h"

#include "model/RecallState.h"

#include <deque>
#include <memory>
#include <mutex>
#include <vector>

namespace zr9
{

class LiveValues;
class PlugBank;

/**
    Total recall: what a project keeps of the instrument, and how it is
    brought back.

    What is kept (current()): the current arrangement as the live state has
    it (the 16 programs and the global values), and the value of every other
    live row that changed since the arrangement was applied, from a page,
    the host or the instrument; controllers only where their last value is a
    setting of the channel (midicc::holdsSetting).

    Bringing it back (restore()): the arrangement is applied (its playing
    mode with the input pause, then the 16 programs), then the values are
    stored in their rows at once, so the pages and the host read them back
    straight away, and sent to the instrument paced: once its input listens
    again (it has changed over to the arrangement), one row every
    sendIntervalMs, in the order kept. An arrangement applied meanwhile (the
    host recalls a program) drops what has not gone out yet.

    restore() and current() run on the thread the host saves and restores
    its state on; the paced sending on the message thread, from a timer on
    the controller's clock. The rows waiting are kept under a lock that no
    sending is done under.
*/
class LiveRecall : private InputPause::Listener
{
public:
    /**
        One value every 8 ms: a controller-address message (seven controllers,
        21 bytes) takes 6.7 ms on a 31,250-baud MIDI cable, so a real
        instrument's input never falls behind.
    */
    static constexpr int sendIntervalMs = 8;

    LiveRecall (PlugBank& bank, LiveValues& live, InputPause& pause, Clock& clock);
    ~LiveRecall() override;

    /** What a project keeps now, with `slot` as the host's current program. */
    RecallState::Recall current (int slot) const;

    /** Applies the arrangement, stores the values and starts sending them; values for rows the arrangement carries are left out. */
    void restore (const RecallState::Recall& recall);

    /** The rows not sent yet. */
    int waiting() const;

    /** Whether the arrangement record carries the row (the 16 programs and rows 2304 to 2311). */
    static bool isArrangementRow (int row) noexcept;
    /** Whether a row's value is kept when it changed: every row but the arrangement's and controllers that hold no setting. */
    static bool isRecalled (int row) noexcept;

private:
    void inputListensAgain() override;
    void sendNext();

    PlugBank& bank;
    LiveValues& live;
    InputPause& pause;
    std::unique_ptr<ClockTimer> timer;

    mutable std::mutex lock;
    std::deque<int> toSend;
    unsigned arrangement = 0; // the arrangement the rows waiting belong to
};

} // namespace zr9
