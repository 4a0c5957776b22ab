#pragma once

namespace zr9
{

/**
    The display types that code outside the value formatter names: how the
    live rows and the pages ask for a value's text. The formatter in
    ValueText.cpp knows every type; these are the ones chosen by name.
*/
namespace display
{
    constexpr int plainNumber = 0;
    constexpr int panPosition = 107;         // -64 to 64 as "L: 64" to "R: 64"
    constexpr int decibels = 108;            // " dB"
    constexpr int decibelsFrom96 = 118;      // 0 to 120 as dB, 96 being 0 dB
    constexpr int playingMode = 400;         // "PROGRAM" or "MULTI"
    constexpr int bankNumber = 744;          // "Bank " n + 1
    constexpr int onOff = 778;
    constexpr int percent = 782;
    constexpr int programName = 2100;        // a program by number, with its name
    constexpr int programBankAndNumber = 2102; // bank (the row before) and number in the bank, as one program
    constexpr int fxChainName = 2200;        // an FX chain by number, with its name
    constexpr int setupName = 2800;          // a setup by number, with its name
} // namespace display

} // namespace zr9
