#pragma once

namespace zr9
{

/**
    The display types that code outside the value formatter names: how the
    live rows and the pages ask for a value's text. The formatter in
    ValueText.cpp knows every type; these are the ones chosen by name, each
    defined here and nowhere else. Where two tables have a type of their own
    for the same kind of text, the name says whose it is.
*/
namespace display
{
    constexpr int plainNumber = 0;

    // The program's table.
    constexpr int rateScale = 103;              // the portamento rate
    constexpr int controllerDestination = 105;  // a controller route's destination by name
    constexpr int panPosition = 107;            // -64 to 64 as "L: 64" to "R: 64"
    constexpr int levelDecibels = 108;          // a channel's level, " dB"
    constexpr int decibelsFrom96 = 118;         // 0 to 120 as dB, 96 being 0 dB
    constexpr int preOrPost = 120;              // "Pre" or "Post"
    constexpr int mainOrSecondary = 121;        // "MAIN" or "SEC."
    constexpr int outputMode = 313;             // "L+R", "LEFT", "RIGHT"

    // The setup's table.
    constexpr int channelName = 324;            // "Channel " n + 1
    constexpr int zoneDestination = 328;        // "LOCAL", "MIDI", ...
    constexpr int bankSelectMode = 329;         // "Ctl 0", "Ctl 32", ...
    constexpr int setupTranspose = 331;         // " ST"
    constexpr int velocityCurve = 336;          // "Linear", "Compress", ...
    constexpr int arpeggiatorNumber = 344;      // "OFF" or "Arp " n
    constexpr int arpeggiatorTrigger = 357;     // "Down Beat", "Any Beat", ...
    constexpr int tempo = 359;                  // " bpm"
    constexpr int setupOnOff = 365;             // the setup's own "OFF" and "ON"
    constexpr int clockSource = 368;            // "Internal" or "External"
    constexpr int soloScope = 371;              // "This Zone" or "All Zones"
    constexpr int pedalMode = 383;              // "Both" or "Only SW"

    constexpr int playingMode = 400;            // "PROGRAM" or "MULTI"

    // Shared by every table.
    constexpr int bankNumber = 744;             // "Bank " n + 1
    constexpr int noteName = 777;               // "C3"
    constexpr int onOff = 778;                  // "OFF" and "ON"
    constexpr int semitones = 780;              // " ST"
    constexpr int cents = 781;                  // " ct"
    constexpr int percent = 782;                // "%"
    constexpr int decibels = 784;               // " dB"

    // Objects by number, with their names.
    constexpr int programName = 2100;
    constexpr int programBankAndNumber = 2102;  // bank (the row before) and number in the bank, as one program
    constexpr int fxChainName = 2200;
    constexpr int keyMapName = 2700;
    constexpr int setupName = 2800;
} // namespace display

} // namespace zr9
