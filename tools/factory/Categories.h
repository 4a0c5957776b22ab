#pragma once

namespace zr9::factory
{

/**
    Program categories (program byte 30). Key maps are grouped by the same
    numbers, so that a program's layers use key maps of its own kind of sound.
*/
enum Category : int
{
    piano = 1,
    electricPiano = 2,
    clav = 3,
    organ = 4,
    stringsPads = 5,
    brassWinds = 6,
    voicesMisc = 7,
    leadsSynth = 8,
    guitarBass = 9,
    drumsPerc = 10
};

constexpr int categoryCount = 10;

} // namespace zr9::factory
