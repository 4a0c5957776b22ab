#pragma once

// What a host must find in the ZR9 plug-in, written down here from the
// instrument's documentation on its own, not taken from the plug-in's code.

#include <juce_core/juce_core.h>

namespace zr9host
{

constexpr int liveRowCount = 2314;
constexpr int programCount = 64;
constexpr int bankStateSize = 19226;
constexpr const char* bankTag = "ZR9PianoPlugBank";
/** The tag of what a project keeps of the instrument, right after the bank state. */
constexpr const char* recallTag = "ZR9PianoLiveVals";
constexpr const char* pluginName = "Halvorn ZR9";
constexpr const char* lv2Uri = "http://halvorn.invalid/plugins/zr9";

/** The name of every live row: 16 channel blocks, 16 controller blocks, ten global rows. */
inline juce::StringArray expectedParameterNames()
{
    const char* channelNames[16] = { "Insert FXC", "Insert Out", "FX Alloc", "AUX 1 FXC", "Aux 1 Level", "AUX 1 Out", "AUX 2 FXC", "Aux 2 Level",
                                     "AUX 2 Out", "Pan", "Level", "Program", "Solo", "Mute", "Program Bank", "Program No." };
    const char* globalNames[10] = { "RFU Multi", "Playing Mode", "AUX 1 Override", "AUX 1 Ovr On/Off", "AUX 1 Ovr Mod",
                                    "AUX 2 Override", "AUX 2 Ovr On/Off", "AUX 2 Ovr Mod", "Multi Bank No", "Multi Prog No" };
    juce::StringArray names;
    for (int c = 1; c <= 16; ++c)
        for (auto* n : channelNames)
            names.add (juce::String (n) + " Ch." + juce::String (c));
    for (int c = 1; c <= 16; ++c)
        for (int n = 0; n < 128; ++n)
            names.add ("MIDI " + juce::String (n) + " Ch." + juce::String (c));
    for (auto* n : globalNames)
        names.add (n);
    return names;
}

/** The factory programs of "EDM" on channels 1 to 16. */
constexpr int edmPrograms[16] = { 261, 99, 375, 330, 327, 124, 354, 112, 449, 239, 331, 182, 492, 102, 68, 74 };

/** The instrument's channel program command for channel 0 to 15, as the emulator log writes it. */
inline juce::String channelProgramLine (int channel, int program)
{
    const juce::uint8 m[] = { 0xF0, 0x07, 0x44, 0x03, 0x00, 0x20, (juce::uint8) channel,
                              (juce::uint8) (program / 128), (juce::uint8) (program % 128), 0xF7 };
    return juce::String::toHexString (m, (int) sizeof (m));
}

/** One controller message as the emulator log writes it; channel 1 to 16. */
inline juce::String controllerLine (int channel, int number, int value)
{
    const juce::uint8 m[] = { (juce::uint8) (0xB0 + channel - 1), (juce::uint8) number, (juce::uint8) value };
    return juce::String::toHexString (m, 3);
}

/** The seven controllers that set one instrument parameter: address 110 to 114, then the value + 8192 on 118 and 119. */
inline juce::StringArray controllerAddressLines (int channel, std::initializer_list<int> address, int value)
{
    juce::StringArray lines;
    int number = 110;
    for (auto a : address)
        lines.add (controllerLine (channel, number++, a));
    lines.add (controllerLine (channel, 118, (value + 8192) / 128));
    lines.add (controllerLine (channel, 119, (value + 8192) % 128));
    return lines;
}

} // namespace zr9host
