#pragma once

#include "ChangedRows.h"
#include "LiveTable.h"

#include "midi/InstrumentMessages.h"

#include <mutex>

namespace zr9
{

class ChannelPrograms;
class MidiConnection;
class Notifications;
class ProgramAudition;

/**
    The live values: the one path by which a live row changes, from a page,
    the processor or an incoming message. A change is stored, sent to the
    instrument by the rule of its row kind when the caller asks for sending,
    and posted to the pages as a parameter change. Every stored change is
    marked in changes(), for the plug-in's total recall.

    Any thread: values are single atomic integers; a channel program change
    is serialised by ChannelPrograms; sending only queues at the output.
*/
class LiveValues
{
public:
    LiveValues (LiveTable& table, ChannelPrograms& programs, MidiConnection& connection, Notifications& notifications);

    /** The audition a channel's new program ends; set once, before any value changes. */
    void setAudition (ProgramAudition* a) noexcept { audition = a; }

    LiveTable& table() noexcept { return rows; }
    const LiveTable& table() const noexcept { return rows; }
    int get (int row) const noexcept { return rows.get (row); }
    /** The rows changed since the current arrangement was applied. */
    ChangedRows& changes() noexcept { return changed; }
    const ChangedRows& changes() const noexcept { return changed; }

    /** Stores the value, sends it when asked, and posts the change. */
    void set (int value, int row, bool send);

    /** A value the instrument reported: stored and posted when it differs from the row's, never sent back. Returns whether it changed. */
    bool takeReported (int row, int value);

    /** Sends a row's value by its kind's rule without storing it; nothing while the instrument is not supported. */
    void send (int row, int value);

    /**
        Sends one parameter change as a controller-address message (seven
        controllers in one buffer) on channel 1 to 16, and remembers the
        address and channel. The value is held to -8192 to 8191.
    */
    void sendControllerAddress (const messages::Address& address, int value, int midiChannel);

    struct SentAddress
    {
        messages::Address address {};
        int channel = 0; // 0 until an address was sent
    };
    SentAddress lastAddressSent() const;

private:
    LiveTable& rows;
    ChannelPrograms& programs;
    MidiConnection& connection;
    Notifications& notifications;
    ProgramAudition* audition = nullptr;
    ChangedRows changed;

    mutable std::mutex addressLock;
    SentAddress lastAddress;
};

} // namespace zr9
