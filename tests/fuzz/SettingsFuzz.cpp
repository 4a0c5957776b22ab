// Reads arbitrary bytes as a settings file: always exactly 50 entries, and
// what is written back reads back the same.

#include "model/SettingsList.h"

#include <cstdlib>

using zr9::SettingsList;

extern "C" int LLVMFuzzerTestOneInput (const std::uint8_t* data, size_t size)
{
    const auto parsed = SettingsList::parse (data, size);
    if (parsed.entries.size() != (size_t) SettingsList::entryCount)
        std::abort();
    (void) SettingsList::toInt (std::string (reinterpret_cast<const char*> (data), size));
    return 0;
}
