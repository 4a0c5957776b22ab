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
    const auto at = [&d] (Setting s) -> std::string& { return d[(size_t) s]; };
    at (Setting::formatVersion) = "1.0.4";
    at (Setting::inputPort) = "-1";
    at (Setting::outputPort) = "-1";
    at (Setting::setupValue) = "-1";
    d[4] = "100";
    at (Setting::width) = "";
    at (Setting::height) = "";
    at (Setting::outputOption) = "1";
    at (Setting::startupOption) = startupOptionValue;
    at (Setting::libraryOption) = "1";
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
    constexpr auto marker = (size_t) Setting::initMarker;
    constexpr auto lastRewritten = (size_t) optionWordEntries[6];
    if (entries.size() <= lastRewritten)
        entries.resize (lastRewritten + 1, "0");
    if (entries[marker] == initMarkerValue)
        return;
    entries[marker] = initMarkerValue;
    for (auto i = marker + 1; i <= lastRewritten; ++i)
        entries[i] = "0";
    entries[(size_t) Setting::startupOption] = startupOptionValue;
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
