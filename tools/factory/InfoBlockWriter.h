#pragma once

#include "model/ByteView.h"

#include <string>
#include <vector>

namespace zr9::factory
{

/** One named control of a program or FX chain: control number (value A), value B and its text. */
struct InfoEntry
{
    int control = 0;
    int valueB = 0;          // 0xFFFF stands for "none"
    std::string text;
    bool terminated = false; // the text carries a terminating zero byte
};

/** Bytes of the info block for these entries: 4 + the sum of (m + 8). */
long long infoBlockBytes (const std::vector<InfoEntry>& entries);

/** Appends the info block (tag 0x0102, count, entries) to out. */
void appendInfoBlock (Bytes& out, const std::vector<InfoEntry>& entries);

} // namespace zr9::factory
