#pragma once

#include "model/MonitorMessage.h"

#include <cstddef>
#include <cstdint>

namespace zr9
{

/**
    Sees each message where an output writes it to its device and where the
    input delivers it: the MIDI monitor's way in. It is called on the sending
    and input threads, so it must neither block nor allocate.
*/
class MidiTap
{
public:
    virtual ~MidiTap() = default;
    /** One message on port `port` (1-based; 0 for none), going the given way. */
    virtual void tap (monitor::Direction direction, int port, const std::uint8_t* bytes, std::size_t size) noexcept = 0;
};

} // namespace zr9
