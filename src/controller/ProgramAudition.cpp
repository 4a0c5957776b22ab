#include "ProgramAudition.h"

#include "ChannelPrograms.h"
#include "LiveValues.h"
#include "MidiConnection.h"

#include "model/MidiChannels.h"
#include "model/ProgramSequences.h"
#include "model/RK2Class.h"

namespace zr9
{

ProgramAudition::ProgramAudition (MidiConnection& c, RK2Class& m, LiveValues& l, ChannelPrograms& p)
    : connection (c), model (m), live (l), programs (p)
{
}

bool ProgramAudition::start (int c, int n)
{
    if (c < 0 || c >= channelCount || ! connection.isConnected() || connection.isUnsupportedDevice() || ! connection.isOutputOpen())
        return false;
    const auto& bank = model.programBank().bank();
    if (! bank.exists (n))
        return false;

    if (const int before = channel.load(); before != noChannel && before != c)
        stop();

    const auto record = bank.record (n);
    auto& output = connection.output();
    for (const auto& m : program::loadSequenceFor (output.deviceId(), c, ByteView (record)))
        output.sendSysEx (m.data(), m.size());

    number = n;
    name = bank.name (n);
    name.erase (name.find_last_not_of (' ') + 1);
    channel = c;
    listeners.call ([] (Listener& l) { l.auditionChanged(); });
    return true;
}

void ProgramAudition::stop()
{
    const int c = channel.load();
    if (c == noChannel)
        return;
    const int row = LiveTable::channelRow (c, LiveTable::slotProgram);
    live.send (row, live.get (row) >= 1 ? live.get (row) : programs.current (c));
    end();
}

void ProgramAudition::end()
{
    if (channel.exchange (noChannel) != noChannel)
        listeners.call ([] (Listener& l) { l.auditionChanged(); });
}

void ProgramAudition::programChanged (int c) noexcept
{
    int expected = c;
    if (c != noChannel && channel.compare_exchange_strong (expected, noChannel))
        notifier.triggerAsyncUpdate();
}

std::optional<ProgramAudition::Current> ProgramAudition::current() const
{
    const int c = channel.load();
    if (c == noChannel)
        return std::nullopt;
    return Current { c, number, name };
}

std::string ProgramAudition::describe (const Current& a)
{
    return "Auditioning " + std::to_string (a.number) + " " + a.name + " from the library, not stored";
}

} // namespace zr9
