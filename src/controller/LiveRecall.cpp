#include "LiveRecall.h"

#include "LiveValues.h"
#include "PlugBank.h"

#include "model/MidiControllers.h"

namespace zr9
{

LiveRecall::LiveRecall (PlugBank& b, LiveValues& l, InputPause& p, Clock& clock)
    : bank (b), live (l), pause (p), timer (clock.makeTimer ([this] { sendNext(); }))
{
    pause.addListener (this);
}

LiveRecall::~LiveRecall()
{
    pause.removeListener (this);
    timer->stop();
}

bool LiveRecall::isArrangementRow (int row) noexcept
{
    for (const auto& field : arrangement::liveFields())
        if (field.row == row)
            return true;
    return false;
}

bool LiveRecall::isRecalled (int row) noexcept
{
    if (! LiveTable::isRow (row) || isArrangementRow (row))
        return false;
    if (row >= LiveTable::firstControllerRow && row < LiveTable::firstGlobalRow)
        return midicc::holdsSetting ((row - LiveTable::firstControllerRow) % LiveTable::controllerBlockSize);
    return true;
}

RecallState::Recall LiveRecall::current (int slot) const
{
    RecallState::Recall r;
    r.slot = slot;
    r.record = bank.currentRecord (bank.name (slot), slot);
    for (const int row : live.changes().marked())
        if (isRecalled (row))
            r.values.push_back ({ row, live.get (row) });
    return r;
}

void LiveRecall::restore (const RecallState::Recall& recall)
{
    bank.apply (ByteView (recall.record));
    const unsigned applied = live.changes().arrangementCount();

    std::deque<int> rows;
    for (const auto& v : recall.values)
    {
        if (! isRecalled (v.row))
            continue;
        live.set (v.value, v.row, false);
        rows.push_back (v.row);
    }
    {
        const std::lock_guard<std::mutex> sl (lock);
        toSend = std::move (rows);
        arrangement = applied;
    }
    // The instrument changes over to the arrangement first; the pause's end starts the sending.
    if (! pause.isPaused())
        timer->start (sendIntervalMs);
}

int LiveRecall::waiting() const
{
    const std::lock_guard<std::mutex> sl (lock);
    return (int) toSend.size();
}

void LiveRecall::inputListensAgain()
{
    if (waiting() > 0)
        timer->start (sendIntervalMs);
}

void LiveRecall::sendNext()
{
    if (pause.isPaused())
    {
        timer->stop(); // the instrument changes over again; the pause's end goes on
        return;
    }
    int row = -1;
    {
        const std::lock_guard<std::mutex> sl (lock);
        if (arrangement != live.changes().arrangementCount())
            toSend.clear();
        if (! toSend.empty())
        {
            row = toSend.front();
            toSend.pop_front();
        }
    }
    if (row < 0)
    {
        timer->stop();
        return;
    }
    live.send (row, live.get (row));
}

} // namespace zr9
