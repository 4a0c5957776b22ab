#include "SettingsList.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace zr9
{

namespace
{
    constexpr const char open[] = "^|";
    constexpr const char close[] = "|^";
    constexpr std::size_t markLength = 2;
    constexpr int fewestUsableEntries = 3;

    std::size_t find (const std::uint8_t* data, std::size_t size, std::size_t from, const char* mark)
    {
        for (std::size_t i = from; i + markLength <= size; ++i)
            if (data[i] == (std::uint8_t) mark[0] && data[i + 1] == (std::uint8_t) mark[1])
                return i;
        return std::string::npos;
    }
} // namespace

std::vector<std::string> SettingsList::defaults()
{
    std::vector<std::string> d ((size_t) entryCount, "0");
    d[setting::formatVersion] = "1.0.4";
    d[setting::inputPort] = "-1";
    d[setting::outputPort] = "-1";
    d[setting::setupValue] = "-1";
    d[4] = "100";
    d[setting::width] = "";
    d[setting::height] = "";
    d[setting::outputOption] = "1";
    d[setting::startupOption] = "402";
    d[setting::libraryOption] = "1";
    return d;
}

SettingsList::Parsed SettingsList::parse (const std::uint8_t* data, std::size_t size)
{
    Parsed result;
    if (data == nullptr)
        size = 0;

    std::size_t pos = 0;
    while (pos < size)
    {
        const auto start = find (data, size, pos, open);
        if (start == std::string::npos)
            break;
        const auto end = find (data, size, start + markLength, close);
        if (end == std::string::npos)
            break;
        result.entries.emplace_back (reinterpret_cast<const char*> (data + start + markLength), end - start - markLength);
        pos = end + markLength;
    }

    if ((int) result.entries.size() < fewestUsableEntries)
    {
        result.entries = defaults();
        result.unusable = true;
        return result;
    }
    result.entries.resize ((size_t) entryCount, "0");
    return result;
}

std::string SettingsList::serialise (const std::vector<std::string>& entries)
{
    std::string text;
    for (const auto& e : entries)
        text.append (open).append (e).append (close);
    return text;
}

void SettingsList::applyStartupDefaults (std::vector<std::string>& entries)
{
    if (entries.size() < 19)
        entries.resize (19, "0");
    if (entries[setting::initMarker] == initMarkerValue)
        return;
    entries[setting::initMarker] = initMarkerValue;
    for (int i = 11; i <= 18; ++i)
        entries[(size_t) i] = "0";
    entries[setting::startupOption] = "402";
}

int SettingsList::toInt (const std::string& text) noexcept
{
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        negative = text[i++] == '-';
    long long v = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
    {
        v = v * 10 + (text[i] - '0');
        if (v > std::numeric_limits<int>::max())
            return 0; // out of range: not a number this program ever writes
    }
    return (int) (negative ? -v : v);
}

} // namespace zr9
