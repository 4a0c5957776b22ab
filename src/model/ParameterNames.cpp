#include "ParameterNames.h"

#include <array>
#include <utility>

namespace zr9
{

namespace
{
    using Entry = std::pair<int, const char*>;

    template <size_t N>
    const char* find (const Entry (&table)[N], int v) noexcept
    {
        for (const auto& e : table)
            if (e.first == v)
                return e.second;
        return nullptr;
    }

    const Entry destinations[] {
        { -1, "NONE" }, { 0, "Bank" }, { 1, "Mod Wheel" }, { 2, "Breath" }, { 4, "Foot" }, { 5, "Port Time" },
        { 6, "Data" }, { 7, "Volume" }, { 8, "Balance" }, { 10, "Pan" }, { 11, "Expression" }, { 16, "Control A" },
        { 17, "Control B" }, { 18, "Control C" }, { 19, "Control D" }, { 32, "Bank MSB" }, { 64, "Sustain" },
        { 65, "MIDI 65" }, { 66, "Sostenut" }, { 67, "Soft Ped" }, { 68, "Legato Sw" }, { 69, "Freeze" },
        { 80, "MIDI 80" }, { 81, "MIDI 81" }, { 82, "MIDI 82" }, { 83, "MIDI 83" }, { 84, "Portamento" },
        { 91, "GM Reverb" }, { 93, "GM Chorus" }, { 96, "Data Incr" }, { 97, "Data Decr" }, { 98, "NRegParL" },
        { 99, "NRegParM" }, { 100, "RegParL" }, { 101, "RegParM" }, { 120, "Sound OFF" }, { 121, "Rst Cntrs" },
        { 122, "Local" }, { 123, "Notes OFF" }, { 124, "Poly" }, { 125, "Omni" }, { 126, "Mono ON" },
        { 127, "Mono OFF" }, { 128, "Pitch" }, { 129, "Pitch Rev" }, { 130, "Pitch Up" }, { 131, "Pitch Down" },
        { 132, "Pressure" }, { 133, "Tempo" }, { 134, "Key Num" }, { 135, "Key Vel" }, { 136, "Prog Incr" },
        { 137, "Prog Decr" }, { 138, "Prog Goto" }, { 139, "Multi Incr" }, { 140, "Multi Decr" },
        { 141, "Multi GoTo" }, { 142, "Start" }, { 143, "Stop" }, { 144, "Continue" }, { 145, "Transp Up" },
        { 146, "Transp Down" }, { 147, "Arp ON" }, { 148, "Unused" }, { 149, "Mute Zn" }, { 150, "Arp Order" },
        { 151, "Arp Beats" }, { 152, "Arp Shift" }, { 153, "Arp Limit" }, { 154, "Arp Lmt Op" }, { 155, "Arp Vel" },
        { 156, "Arp Dur" }, { 157, "Latch" }, { 158, "Latch 2" }, { 159, "Arp Gliss" }, { 160, "Sus Latch" },
        { 161, "Panic" }, { 162, "Solo Zone" }, { 163, "Unused" }, { 164, "Unused" }, { 165, "Unused" },
        { 166, "Unused" }, { 167, "Unused" }, { 168, "Tap Tempo" }, { 169, "TW3 Mutes" }, { 170, "-Arp Shift" },
        { 171, "Shift Patt" }, { 172, "Shift Bank" }, { 173, "Vel Patt" }, { 174, "Vel Bank" }, { 175, "Vel Fixed" },
        { 176, "Shift Key Num" }, { 177, "Shift Key" }, { 178, "Shift Key Num+Vel" }, { 179, "Favorites" },
        { 180, "ChInt" }, { 181, "ChIntKey" },
    };

    const Entry sources[] {
        { -1, "OFF" }, { 0, "OFF" }, { 1, "Mod Wheel" }, { 2, "Breath" }, { 4, "Foot" }, { 5, "Port Time" },
        { 6, "Data" }, { 7, "Volume" }, { 8, "Balance" }, { 10, "Pan" }, { 11, "Expression" }, { 16, "Control A" },
        { 17, "Control B" }, { 18, "Control C" }, { 19, "Control D" }, { 32, "Chan St" }, { 33, "MPress" },
        { 34, "BMPRESS" }, { 35, "PWheel" }, { 36, "Bi-Mw1" }, { 37, "AbsPw1" }, { 43, "Vol Ctl" }, { 44, "Bal Ctl" },
        { 45, "Pan Ctl" }, { 46, "Chan Cnt" }, { 47, "A Clk4" }, { 48, "~AClk4" }, { 49, "BClk4" }, { 50, "~BCkl4" },
        { 51, "A CLk2" }, { 52, "~A Ckl2" }, { 53, "BCkl2" }, { 54, "~BCkl2" }, { 55, "Tempo" }, { 56, "AClock" },
        { 57, "~A Clk" }, { 58, "BClock" }, { 59, "~ Bckl" }, { 60, "GPhase1" }, { 61, "GPhase2" }, { 62, "GRand1" },
        { 63, "GRand2" }, { 64, "Sustain" }, { 65, "Port Sw" }, { 66, "Sos Ped" }, { 67, "Soft Ped" },
        { 68, "Legato Sw" }, { 69, "Frez Pd" }, { 80, "Control E" }, { 81, "Control F" }, { 82, "Control G" },
        { 83, "Control H" }, { 91, "FX Depth" }, { 96, "Note St" }, { 97, "Key St" }, { 98, "Key Num" },
        { 99, "BKeyNum" }, { 100, "Attvel" }, { 101, "InvAVel" }, { 102, "PPress" }, { 103, "BPPress" },
        { 104, "RelVel" }, { 105, "B-AVel" }, { 106, "VTrig1" }, { 107, "VTrig2" }, { 108, "RandV1" },
        { 109, "RandV2" }, { 110, "ASR1" }, { 111, "ASR2" }, { 112, "FUN1" }, { 113, "FUN2" }, { 114, "LFO1" },
        { 115, "LFO1PH" }, { 116, "LFO2" }, { 117, "Data+MP" }, { 118, "FUN 3" }, { 119, "FUN 4" },
        { 120, "AMPENV" }, { 121, "ENV2" }, { 122, "ENV3" }, { 123, "Loop St" }, { 124, "PB Rate" },
        { 125, "Atk State" }, { 126, "Rel Stat" }, { 127, "ON" }, { 128, "-ON" }, { 129, "GKeyNum" },
        { 130, "GAttVel" }, { 131, "GLowKey" }, { 132, "GHiKey" }, { 252, "Roll Off" }, { 253, "MPrs+MW" },
        { 254, "Value 254" }, { 255, "Soft Pd+ MW" },
    };

    const Entry physicalControls[] {
        { 1, "ModWheel" }, { 11, "PEDCC (VOL)" }, { 12, "KNOB FILTER 1" }, { 13, "KNOB FILTER 2" },
        { 22, "KNOB ATTACK" }, { 23, "KNOB RELEASE" }, { 25, "KNOB FX 1" }, { 26, "KNOB FX 2" },
        { 27, "KNOB DELAY" }, { 28, "KNOB REVERB" }, { 29, "VARIATION Button" }, { 64, "PED SW1a (SUS)" },
        { 66, "PED SW1b" }, { 67, "PED SW2b" }, { 71, "KNOB P1" }, { 72, "KNOB P2" }, { 73, "KNOB P3" },
        { 79, "KNOB P4" },
    };

    const std::array<const char*, 18> fxCategories {
        "------", "Reverb", "Chorus", "Flanger", "Phaser", "Tremolo", "Panner", "Organ", "Delay", "Echo",
        "Distortion", "Compressor", "Enhancer", "Filter", "Drums", "Pitcher", "Guitar", "EQ"
    };

    /** Controller numbers without a name of their own. */
    std::string unnamedBelow128 (int v) { return v < 128 ? "MIDI " + std::to_string (v) : std::string(); }
} // namespace

std::string controllerDestinationName (int v)
{
    if (const auto* name = find (destinations, v))
        return name;
    return unnamedBelow128 (v);
}

std::string controlSourceName (int v)
{
    if (const auto* name = find (sources, v))
        return name;
    return unnamedBelow128 (v);
}

std::string physicalControlName (int number)
{
    if (number < 0)
        return "NONE";
    if (number == 128)
        return "Description";
    if (const auto* name = find (physicalControls, number))
        return name;
    if (number < 128)
        return "Controller #" + std::to_string (number);
    return "CC# " + std::to_string (number);
}

std::string fxCategoryName (int v)
{
    if (v >= 0 && v < (int) fxCategories.size())
        return fxCategories[(size_t) v];
    return std::to_string (v);
}

} // namespace zr9
