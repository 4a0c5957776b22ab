#pragma once

#include "MidiChannels.h"
#include "MonitorMessage.h"
#include "ValueText.h"

#include <array>
#include <string>

namespace zr9::monitor
{

/** What kinds of message a line is, for the monitor's filters; a message can be more than one. */
namespace kind
{
    constexpr std::uint8_t channel = 1;         // channel voice, system common and real-time messages
    constexpr std::uint8_t systemExclusive = 2; // every System Exclusive message
    constexpr std::uint8_t liveRow = 4;         // controller-address messages, and the messages that set a live row
} // namespace kind

/** A message in the instrument's own words. */
struct Meaning
{
    std::uint8_t kinds = 0;
    int channel = -1;   // the MIDI channel it concerns, 0 to 15, or -1
    std::string text;
};

/**
    Where the decoder finds the program's names: the objects in the banks
    (program changes, effect chains, multis) and the live rows, as the live
    table names them ("Pan Ch.3") and turns their values into text.
*/
class Vocabulary : public ObjectNameSource
{
public:
    /** The row's name; empty for a row beyond the table. */
    virtual std::string rowName (int row) const = 0;
    /** The display type the row's value reads with. */
    virtual int rowDisplayType (int row) const = 0;
};

/**
    Turns one message, as the monitor keeps it, into what it means in the
    instrument's words: the identity exchange, part requests and dumps,
    store-with-name, value, channel-program and channel-select messages,
    the object transfer, controller-address messages by the live row or
    parameter they address ("Pan Ch.3 = L: 20"), and channel voice messages
    with note names, controller names and program names.

    It follows each direction's bank selects (controller 32), so a program
    change is named by the program it selects, as the instrument combines
    them. Every byte string gives a meaning; nothing is read outside the
    bytes given. Plain C++; one thread.
*/
class Decoder
{
public:
    /** Without a vocabulary, names of objects and rows are left out. */
    explicit Decoder (const Vocabulary* vocabulary = nullptr) noexcept : words (vocabulary) {}

    Meaning decode (const MonitorMessage& message);

    /** Forgets the bank selects, as at the start. */
    void reset() noexcept { bankSelects = {}; }

private:
    Meaning channelMessage (Direction direction, const std::uint8_t* bytes, std::size_t size);
    Meaning sysExMessage (const MonitorMessage& message) const;
    Meaning addressMessage (const std::uint8_t* bytes, std::size_t size) const;

    const Vocabulary* words;
    std::array<std::array<int, channelCount>, 2> bankSelects {};
};

} // namespace zr9::monitor
