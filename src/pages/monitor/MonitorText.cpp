#include "MonitorText.h"

#include <cmath>
#include <cstdio>

namespace zr9::monitortext
{

namespace
{
    constexpr std::uint8_t sysExStart = 0xF0;
    constexpr std::uint8_t sysExEnd = 0xF7;

    void appendHex (std::string& s, std::uint8_t b)
    {
        constexpr const char* digits = "0123456789ABCDEF";
        if (! s.empty())
            s.push_back (' ');
        s.push_back (digits[b >> 4]);
        s.push_back (digits[b & 0x0F]);
    }
} // namespace

std::string time (double ms)
{
    const double tenths = std::floor (std::max (0.0, ms) * 10.0 + 0.5);
    char text[32];
    std::snprintf (text, sizeof (text), "%.1f", tenths / 10.0);
    return text;
}

std::string direction (monitor::Direction d) { return d == monitor::Direction::in ? "IN" : "OUT"; }

std::string hex (const monitor::MonitorMessage& m, bool folded)
{
    const bool fold = folded && (m.size > foldAfter || ! m.isWhole());
    const std::size_t shown = fold ? std::min (foldedBytes, m.bytes.size()) : m.bytes.size();
    std::string s;
    s.reserve (shown * 3 + 24);
    for (std::size_t i = 0; i < shown; ++i)
        appendHex (s, m.bytes[i]);
    if (fold)
        s += " ... (" + std::to_string (m.size) + " bytes)";
    else if (! m.isWhole())
        s += " ... (" + std::to_string (m.size) + " bytes, only the first " + std::to_string (m.bytes.size()) + " kept)";
    return s;
}

std::string lineText (const MonitorLine& line, double originMs, const std::string& portName)
{
    return time (line.message.timeMs - originMs) + "\t" + direction (line.message.direction) + "\t" + portName + "\t"
         + hex (line.message, false) + "\t" + line.meaning.text;
}

std::string heading() { return "Time (ms)\tDirection\tPort\tBytes\tMeaning"; }

SysExFile sysExFile (const std::vector<const MonitorLine*>& lines)
{
    SysExFile file;
    for (const auto* line : lines)
    {
        const auto& m = line->message;
        if (m.bytes.empty() || m.bytes.front() != sysExStart)
            continue;
        if (! m.isWhole() || m.bytes.back() != sysExEnd)
        {
            ++file.leftOut;
            continue;
        }
        file.bytes.insert (file.bytes.end(), m.bytes.begin(), m.bytes.end());
        ++file.messages;
    }
    return file;
}

} // namespace zr9::monitortext
