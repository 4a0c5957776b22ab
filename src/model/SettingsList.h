#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace zr9
{

/** The settings entries the program reads or writes by name, by their index in the list. */
enum class Setting : int
{
    formatVersion = 0,
    inputPort = 1,      // 1-based position in the input list; 0 or less: none
    outputPort = 2,     // 1-based position in the output list; 0 or less: none
    setupValue = 3,     // handed to the MIDI setup panel with the ports
    width = 6,          // the main component's size, written on every resize
    height = 7,
    outputOption = 8,
    initMarker = 10,    // "333" once the start-up defaults were written
    startupOption = 17,
    hostMidiNotPassed = 19, // 1: a plug-in keeps its host's MIDI from the instrument; 0 (the default) passes it on
    windowScale = 30,   // the stand-alone window's scale in percent (75 to 200); 0 follows the desktop's scale
    firstPage = 31,     // the page shown when the program last ended (a page type); 0 the mixer
    midiChannel = 42,   // 1 to 16
    deviceOption = 43,  // the option of the MIDI setup panel
    libraryOption = 47,
    objectFileFolder = 48 // where the last import or export of objects chose its file; "0" for none yet
};

/** The seven option words, by index, in the order they are read at start-up. */
constexpr int optionWordEntries[7] = { 11, 12, 13, 14, 15, 16, 18 };

/**
    The program's settings: an ordered list of text entries, decimal numbers
    written as text, stored in one small file as "^|" entry "|^" ... .
*/
class SettingsList
{
public:
    static constexpr int entryCount = 50;
    static constexpr const char* initMarkerValue = "333";
    static constexpr const char* startupOptionValue = "402";

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
