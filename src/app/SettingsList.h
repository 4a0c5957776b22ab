#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace zr9
{

/** Indexes of the settings list that the program reads or writes by name. */
namespace setting
{
    constexpr int formatVersion = 0;
    constexpr int inputPort = 1;
    constexpr int outputPort = 2;
    constexpr int setupValue = 3;
    constexpr int width = 6;
    constexpr int height = 7;
    constexpr int outputOption = 8;
    constexpr int initMarker = 10;
    constexpr int startupOption = 17;
    constexpr int channel = 42;
    constexpr int deviceOption = 43;
    constexpr int libraryOption = 47;
    /** The seven option words, in the order they are read at start-up. */
    constexpr int optionWords[7] = { 11, 12, 13, 14, 15, 16, 18 };
} // namespace setting

/**
    The program's settings: an ordered list of text entries, decimal numbers
    written as text, stored in one small file as "^|" entry "|^" ... .
*/
class SettingsList
{
public:
    static constexpr int entryCount = 50;
    static constexpr int extraEntries = 32;
    static constexpr const char* initMarkerValue = "333";

    /** The 50 default entries. */
    static std::vector<std::string> defaults();

    struct Parsed
    {
        std::vector<std::string> entries; // always exactly 50
        bool unusable = false;            // empty, or 2 entries or fewer: the defaults were taken
    };

    /** Reads the file's bytes: every text between a "^|" and the next "|^", left to right. */
    static Parsed parse (const std::uint8_t* data, std::size_t size);
    static std::string serialise (const std::vector<std::string>& entries);

    /** When entry 10 is not "333", rewrites entries 10 to 18 with their start-up values. */
    static void applyStartupDefaults (std::vector<std::string>& entries);

    /** A decimal entry as a number, like the entries are read everywhere: leading sign and digits, else 0. */
    static int toInt (const std::string& text) noexcept;
};

} // namespace zr9
