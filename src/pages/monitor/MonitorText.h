#pragma once

#include "MonitorLine.h"

#include <string>
#include <vector>

namespace zr9::monitortext
{

/** A message longer than this shows its first `foldedBytes` bytes and its length. */
constexpr std::size_t foldAfter = 24;
constexpr std::size_t foldedBytes = 16;

/** Milliseconds since the monitor opened, to a tenth: "1234.5"; times before it read 0.0. */
std::string time (double ms);

std::string direction (monitor::Direction d);

/**
    The bytes in hexadecimal. Folded, a long message shows its start and its
    length ("F0 07 44 ... (2362 bytes)"); unfolded, every byte kept, and for
    a message kept only in part, how long it was.
*/
std::string hex (const monitor::MonitorMessage& m, bool folded);

/** One line as text: time, direction, port, every byte and the meaning, separated by tabs. */
std::string lineText (const MonitorLine& line, double originMs, const std::string& portName);

/** The heading that names the columns of lineText(). */
std::string heading();

/** What a ".syx" file of these lines holds: each whole System Exclusive message among them, in order. */
struct SysExFile
{
    std::vector<std::uint8_t> bytes;
    int messages = 0;
    int leftOut = 0; // System Exclusive messages kept only in part or without their end
};
SysExFile sysExFile (const std::vector<const MonitorLine*>& lines);

} // namespace zr9::monitortext
