#include "ValueText.h"

#include "DisplayTypes.h"
#include "ObjectTypes.h"
#include "ParameterNames.h"
#include "ValueScales.h"

#include <initializer_list>

namespace zr9
{

namespace
{
    using std::string;

    string decimal (long long v) { return std::to_string (v); }
    string onOff (int v) { return v != 0 ? "ON" : "OFF"; }

    /** names[v - first] when v falls inside the list, else `other`. */
    string choice (int v, int first, std::initializer_list<const char*> names, const string& other)
    {
        const long long i = (long long) v - first;
        if (i < 0 || i >= (long long) names.size())
            return other;
        return *(names.begin() + i);
    }

    /** A choice whose values outside the list show as the plain number. */
    string choiceOrNumber (int v, int first, std::initializer_list<const char*> names)
    {
        return choice (v, first, names, decimal (v));
    }

    /** A choice whose values outside the list show nothing. */
    string choiceOrEmpty (int v, int first, std::initializer_list<const char*> names)
    {
        return choice (v, first, names, {});
    }

    string withUnit (long long v, const char* unit) { return decimal (v) + unit; }

    string decibelsFrom96 (int v) { return v == 0 ? "OFF" : withUnit ((long long) v - 96, " dB"); }

    string numbered (const char* prefix, long long n) { return prefix + decimal (n); }

    // ------------------------------------------------------------------ table T1
    string tableT1 (int v, int t)
    {
        switch (t)
        {
            case 103: return scales::rate (v);
            case 104: return scales::cents (v);
            case 105: return controllerDestinationName (v);
            case 106: return v == 0 ? "Fixed" : v == 1 ? "+MIDI" : scales::rate (v);
            case 107:
                if (v == 0) return "< 0 >";
                return v > 0 ? numbered ("R: ", v) : numbered ("L: ", -(long long) v);
            case 108: return withUnit (v, " dB");
            case 109:
                if (v == 0) return decibelsFrom96 (v);
                if (v == 1) return "Halv 1";
                if (v == 2) return "Halv 2";
                return withUnit (v, " dB");
            case 118: case 119: return decibelsFrom96 (v);
            case 120: return v == 0 ? "Pre" : "Post";
            case 121: return v == 0 ? "MAIN" : "SEC.";
            case 122: return onOff (v);
            case 126: return v == 0 ? "dB" : v == 1 ? "%" : decibelsFrom96 (v);
            case 112: case 117: case 123: case 124: case 125: case 127: return {};
            default: return decimal (v);
        }
    }

    // ------------------------------------------------------------------ table T2
    string tableT2 (int v, int t)
    {
        switch (t)
        {
            case 200: case 201: return decimal (v);
            case 204: case 254: case 259: return scales::cents (v);
            case 206: case 260: return onOff (v);
            case 207: case 255: return withUnit (v, " ST");
            case 209: case 210: case 211: case 212: case 213: case 214:
            case 243: case 249: case 252: return controllerDestinationName (v);
            case 245: return withUnit (v, " dB");
            case 256: return withUnit (v, " ct");
            case 261: return v == 0 ? "Pre" : "Post";
            case 215: case 220: case 241: case 262: return decimal (v);
            default: return t >= 264 ? decimal (v) : string();
        }
    }

    // ------------------------------------------------------------------ table T3
    /** Riff and arpeggiator sources of a zone: the automatic choices around 16 numbered riffs and arpeggiators. */
    string riffSource (int v)
    {
        constexpr int riffs = 16, arps = 16;
        constexpr int firstRiff = 2, firstArp = firstRiff + riffs, mainSeq = firstArp + arps, firstAvailable = mainSeq + 1;
        if (v == 0) return "First Riff Avl";
        if (v == 1) return "First Arp Avl";
        if (v >= firstRiff && v < firstArp) return numbered ("Riff ", v - firstRiff + 1);
        if (v >= firstArp && v < mainSeq) return numbered ("Arp ", v - firstArp + 1);
        if (v == mainSeq) return "Main Seq.";
        if (v == firstAvailable) return "First Available";
        return {};
    }

    string zoneMidiSource (int v)
    {
        if (v <= 0) return "None";
        if (v <= 16) return decimal (v) + " Local + MIDI";
        if (v <= 32) return decimal (v - 16) + " MIDI";
        return choiceOrEmpty (v, 33, { "Any Local + MIDI", "Any MIDI" });
    }

    string tableT3 (int v, int t)
    {
        switch (t)
        {
            case 303: return choiceOrNumber (v, 0, { "MASTER", "MULTI" });
            case 304: return choiceOrNumber (v, 0, { "EQ=>Compressor", "Compressor=>EQ" });
            case 305: return choiceOrNumber (v, 0, { "Master FX Enabled", "Master FX Bypassed" });
            case 306: return scales::shortTime (v);
            case 307: return scales::longTime (v);
            case 308: return scales::fraction (v);
            case 309: return scales::frequency (v);
            case 310: return scales::ratio (v);
            case 311: return scales::level (v);
            case 312: return choiceOrNumber (v, 0, { "OUT", "IN" });
            case 313: return choiceOrNumber (v, 0, { "L+R", "LEFT", "RIGHT" });
            case 314: return choiceOrNumber (v, 0, { "(L + R) / 2", "LEFT", "RIGHT" });
            case 315: return choiceOrNumber (v, 0, { "N", "(Y)", "Y" });
            case 318: return choiceOrNumber (v, 0, { "NO", "YES" });
            case 319: case 337: return controllerDestinationName (v);
            case 320: return choiceOrNumber (v, 0, { "Zone Mutes ", "TW3 Control" });
            case 321: return choiceOrEmpty (v, 0, { "None", "Forever", "Once" });
            case 324: return numbered ("Channel ", (long long) v + 1);
            case 327: return choiceOrEmpty (v, 1, { "Muted", "Active", "", "", "Solo + Muted", "Solo" });
            case 328: return choiceOrEmpty (v, 1, { "LOCAL", "MIDI", "MIDI+LOCAL", "USB_MIDI", "USB_MIDI+LOCAL",
                                                    "USB_MIDI MIDI", "USB_MIDI+MIDI+LOCAL" });
            case 329: return choiceOrEmpty (v, 0, { "---", "Ctl 0", "Ctl 32", "Ctl 0/32", "Q5500" });
            case 330: return v == -1 ? "NONE" : decimal (v);
            case 331: return withUnit (v, " ST");
            case 332: return choiceOrEmpty (v, 0, { "OFF", "Linear", "1 of 2", "2 of 2", "1 of 3", "2 of 3", "3 of 3",
                                                    "1 of 4", "2 of 4", "3 of 4", "4 of 4", "Inverse", "Constant" });
            case 333: case 366: return withUnit (v, "%");
            case 336: return choiceOrEmpty (v, 1, { "Linear", "Compress", "Expand", "Crossfade", "Bump", "Rvrs Linear",
                                                    "Rvrs Expand", "Rvrs Compress", "Rvrs Crossfade" });
            case 339: return choiceOrNumber (v, 0, { "Absolute", "Relative" });
            case 340: return choiceOrNumber (v, 0, { "One Section", "Three Sections" });
            case 344: return v == 0 ? "OFF" : numbered ("Arp ", v);
            case 352: return v < 0 ? "PROG" : withUnit (v, " ST");
            case 353: return v < 0 ? "PROG" : withUnit (v, " ct");
            case 354: return v < 0 ? "NONE" : decimal (v);
            case 355: return riffSource (v);
            case 356: return numbered ("1/", v);
            case 357: return choiceOrEmpty (v, 0, { "-----", "Down Beat", "Any Beat", "DownBeat Wait", "Any Beat Wait",
                                                    "Start", "Loop", "Stop", "Start Wait", "Loop Wait", "Stop Wait" });
            case 358: return v == -1 ? "ALL" : decimal ((long long) v + 1);
            case 359: return withUnit (v, " bpm");
            case 363: return v < 0 ? "NONE" : scales::noteName (v);
            case 364: return v == -1 ? "PRG" : decimal (v);
            case 365: return onOff (v);
            case 368: return choiceOrNumber (v, 0, { "Internal", "External" });
            case 370: case 384: return v == 0 ? "AUTO" : decimal (v);
            case 371: return choiceOrNumber (v, 0, { "This Zone", "All Zones" });
            case 372: return choiceOrNumber (v, 0, { "Start/Stop", "One Shot" });
            case 373: return choiceOrNumber (v, 0, { "Parameter", "Controller" });
            case 375: return choiceOrEmpty (v, 0, { "PRG", "POST", "PRE" });
            case 376: return zoneMidiSource (v);
            case 377: return choiceOrNumber (v, 1, { "Linear", "Compress", "Expand" });
            case 378: return choiceOrNumber (v, 0, { "Momentary", "Toggled" });
            case 379: return choiceOrNumber (v, -1, { "NONE", "OFF", "ON" });
            case 380: return v == 0 ? "EXTERNAL" : v == -1 ? "MULTI" : v == -2 ? "SEQUENCE" : "BPM";
            case 381: return controlSourceName (v);
            case 382: return choiceOrNumber (v, -1, { "OFF", "MIDI CC", "Chord" });
            case 383: return choiceOrNumber (v, 0, { "Both", "Only SW" });
            case 385: return v == 0 ? "Traditional" : "Fixed";
            case 317: case 338: case 341: case 342: case 343: case 367: case 369: return {};
            default: return decimal (v);
        }
    }

    // ------------------------------------------------------------------ table T5
    string arpVelocitySource (int v)
    {
        if (v >= 7 && v <= 10) return numbered ("Human", v - 6);
        if (v >= 11 && v <= 14) return numbered ("Chimp", v - 10);
        if (v >= 15 && v <= 23) return numbered ("MissNotes", v - 14);
        return choiceOrEmpty (v, 0, { "First", "Played", "Last", "Aftertouch", "MIDI 109", "Fixed", "Pattern" });
    }

    string tableT5 (int v, int t)
    {
        switch (t)
        {
            case 500: return onOff (v);
            case 501: return choiceOrEmpty (v, 0, { "Keys", "Overplay", "Arpeg", "Add", "Auto", "Pedals", "AutoHold",
                                                    "1NoteAuto", "1NoteAutoLow", "1NoteAutoHi" });
            case 502: return choiceOrEmpty (v, 0, { "Played", "Upwards", "Downwards", "UpDown", "UpDown Repeat", "Random",
                                                    "Shuffle", "Walking", "Simultaneous" });
            case 504: return numbered ("1/", v);
            case 505: return choiceOrEmpty (v, -1, { "Off", "Classic", "Step Sequencer" });
            case 506: return choiceOrEmpty (v, 0, { "Stop", "Reset", "Unipolar", "Bipolar", "Float Reset",
                                                    "Float Unipolar", "Float Bipolar" });
            case 507: return v == 0 ? "Fixed" : "Pattern";
            case 508: return choiceOrEmpty (v, 0, { "Alg", "Pattern" });
            case 509: return withUnit (v, "%");
            case 511: return arpVelocitySource (v);
            case 512: return withUnit (v, " ST");
            case 513:
                if (v == -1 || v == 0) return "NONE";
                return choiceOrNumber (v, 1, { "Long-Short", "Long-2Short", "Long-3Short", "6 Short", "8 Short",
                                               "12 Short", "16 Short" });
            case 515: return v > 19 ? withUnit (v, " bpm") : "System";
            case 516: return (v < 10 ? ".0" : ".") + decimal (v);
            case 518: return v < 0 ? "NONE" : scales::noteName (v);
            case 519: return v == 0 || v == 1 ? "NONE" : v == 2 ? "Any Beat" : decimal (v);
            default: return decimal (v);
        }
    }

    // ---------------------------------------------------------- other families
    string playingMode (int v, int t)
    {
        if (t == 400)
            return choiceOrNumber (v, 0, { "NONE", "PROGRAM", "MULTI" });
        return decimal (v);
    }

    string objectReference (int v, int t, const ObjectNameSource* names)
    {
        if (v < 1)
            return "NONE";
        const int type = objectTypeOfDisplay (t);
        if (type == 0)
            return decimal (v) + " ";
        if (t == 2900 && v == 1)
            return "Edited Arp";
        const auto name = names != nullptr ? names->objectName (type, v) : string();
        const bool nameOnly = t % 100 == 1;
        return nameOnly ? name : decimal (v) + " " + name;
    }
} // namespace

int objectTypeOfDisplay (int t) noexcept
{
    if (t == display::programBankAndNumber)
        return typeProgram;
    if (t < 2100 || t > 2901 || t % 100 > 1)
        return 0;
    switch (t / 100)
    {
        case 21: return typeProgram;
        case 22: return typeFxChain;
        case 23: return typeSong;
        case 24: return typeShiftPattern;
        case 25: return typeVelocityPattern;
        case 26: return typeIntonation;
        case 27: return typeKeyMap;
        case 28: return typeSetup;
        case 29: return typeArpeggiator;
        default: return 0;
    }
}

std::string valueText (int v, int t, const ObjectNameSource* names)
{
    if (t < 100) return decimal (v);
    if (t < 200) return tableT1 (v, t);
    if (t < 300) return tableT2 (v, t);
    if (t < 400) return tableT3 (v, t);
    if (t < 500) return playingMode (v, t);
    if (t < 600) return tableT5 (v, t);
    if (t >= 2001) return objectReference (v, t, names);
    switch (t)
    {
        case 744: return numbered ("Bank ", (long long) v + 1);
        case 777: return scales::noteName (v);
        case 778: return onOff (v);
        case 779: return v >= 0 ? decimal (v) : "OFF";
        case 780: return withUnit (v, " ST");
        case 781: return withUnit (v, " ct");
        case 782: return withUnit (v, "%");
        case 783: return v >= 0 ? decimal (v) : "NONE";
        case 784: return withUnit (v, " dB");
        default: return {};
    }
}

} // namespace zr9
