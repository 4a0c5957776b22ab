#include "ValueScales.h"

#include <array>
#include <cmath>

namespace zr9::scales
{

namespace
{
    std::string decimal (long long v) { return std::to_string (v); }

    /** Tenths as "12.3", with the sign in front of the whole part. */
    std::string tenths (long long t)
    {
        const bool negative = t < 0;
        const unsigned long long a = negative ? 0ULL - (unsigned long long) t : (unsigned long long) t;
        return (negative ? "-" : "") + std::to_string (a / 10) + "." + std::to_string (a % 10);
    }

    /** Hundredths as "0.55". */
    std::string hundredths (long long h)
    {
        const auto frac = h % 100;
        return std::to_string (h / 100) + (frac < 10 ? ".0" : ".") + std::to_string (frac);
    }

    /** Thousandths as "0.055". */
    std::string thousandths (long long m)
    {
        const auto frac = m % 1000;
        return std::to_string (m / 1000) + (frac < 10 ? ".00" : frac < 100 ? ".0" : ".") + std::to_string (frac);
    }

    constexpr int centsLimit = 123;
} // namespace

std::string noteName (int v)
{
    static const std::array<const char*, 12> names { "C", "C#", "D", "D#", "E", "F", "F#", "G", "G#", "A", "A#", "B" };
    const int octave = v / 12 - 1;
    if (v < 0)
        return decimal (octave);
    return std::string (names[(size_t) (v % 12)]) + decimal (octave);
}

long long centsValue (int v)
{
    const long long x = v;
    if (x <= -119) return 500 * x + 54300;
    if (x == -118) return -5300;
    if (x <= -77) return 100 * (x + 67);
    if (x <= -65) return 50 * (x + 57);
    if (x <= -55) return 20 * (x + 45);
    if (x <= -45) return 10 * x + 350;
    if (x <= -35) return 5 * x + 125;
    if (x <= -20) return 2 * x + 20;
    if (x <= 19) return x;
    if (x <= 34) return 2 * x - 18;
    if (x <= 45) return 5 * x - 120;
    if (x <= 55) return 10 * x - 350;
    if (x <= 65) return 20 * (x - 45);
    if (x <= 77) return 50 * (x - 57);
    if (x <= 117) return 100 * (x - 67);
    if (x == 118) return 5300;
    if (x <= 121) return 500 * x - 54000;
    if (x == 122) return 6700;
    return 7200;
}

std::string cents (int v)
{
    if (v < -centsLimit || v > centsLimit)
        return {};
    return decimal (centsValue (v)) + " ct";
}

long long rateTenths (int v)
{
    const long long x = v;
    // Rates are positive by nature; a negative stored value is outside the scale.
    if (x < 0 || x > 127) return -1;
    if (x < 21) return 10 + 2 * x;
    if (x <= 22) return 50 + 3 * (x - 20);
    if (x <= 31) return 60 + 5 * (x - 23);
    if (x <= 47) return 10 * (x - 21);
    if (x <= 59) return 10 * (26 + 2 * (x - 47));
    if (x <= 61) return 10 * (53 + 3 * (x - 60));
    if (x <= 70) return 10 * (60 + 5 * (x - 62));
    if (x <= 86) return 10 * (100 + 10 * (x - 70));
    if (x <= 98) return 10 * (280 + 20 * (x - 87));
    if (x <= 100) return 10 * (530 + 30 * (x - 99));
    if (x <= 109) return 10 * (600 + 50 * (x - 101));
    if (x <= 125) return 10 * (1100 + 100 * (x - 110));
    return 10 * (2800 + 200 * (x - 126));
}

std::string rate (int v)
{
    const auto t = rateTenths (v);
    return t < 0 ? std::string() : tenths (t) + " Key/s";
}

std::string level (int v)
{
    if (v == -128)
        return "OFF";
    const long long x = v;
    if (x >= -127 && x <= -96)
        return tenths (10 * (x + 48)) + " dB";
    return tenths (5 * x) + " dB"; // half decibels
}

std::string shortTime (int v)
{
    if (v >= 0 && v <= 99)
        return tenths (v) + " mS";
    if (v >= 100 && v <= 189)
        return decimal (v - 90) + " mS";
    if (v >= 190 && v <= 255)
        return decimal (2 * v - 280) + " mS";
    return {};
}

std::string longTime (int v)
{
    if (v < 0 || v > 255)
        return {};
    long long ms = 0;
    if (v <= 59) ms = v;
    else if (v <= 102) ms = 2 * v - 60;
    else if (v <= 174) ms = 5 * v - 375;
    else if (v <= 224) ms = 10 * v - 1250;
    else if (v <= 244) ms = 50 * v - 10250;
    else ms = 100 * v - 22500;
    return decimal (ms) + " mS";
}

std::string ratio (int v)
{
    if (v < 0 || v > 89)
        return {};
    if (v == 89)
        return "INF";
    static const std::array<int, 4> top { 200, 300, 500, 1000 }; // 85 to 88, in tenths
    long long t = 0;
    if (v <= 39) t = 10 + v;
    else if (v <= 64) t = 50 + 2 * (v - 40);
    else if (v <= 84) t = 100 + 5 * (v - 65);
    else t = top[(size_t) (v - 85)];
    return tenths (t) + ":1";
}

std::string fraction (int v)
{
    // 0 to 24 are the instrument's own rounded steps below 0.05.
    static const std::array<const char*, 25> low {
        "0.010", "0.010", "0.011", "0.013", "0.014", "0.015", "0.015", "0.016", "0.018", "0.019", "0.020", "0.021", "0.024",
        "0.025", "0.028", "0.030", "0.031", "0.034", "0.035", "0.038", "0.040", "0.041", "0.044", "0.045", "0.048"
    };
    if (v >= 0 && v <= 24) return low[(size_t) v];
    if (v >= 25 && v <= 34) return thousandths (50 + 5 * (v - 25));
    if (v >= 35 && v <= 44) return hundredths (10 + (v - 35));
    if (v >= 45 && v <= 59) return hundredths (20 + 2 * (v - 45));
    if (v >= 60 && v <= 151) return hundredths (50 + 5 * (v - 60));
    return {};
}

int frequencyHz (int v)
{
    if (v >= 0 && v <= 127)
        return (int) std::lround (440.0 * std::pow (2.0, (v + 12 - 69) / 12.0));
    if (v == -1) return 15;
    if (v == -2) return 14;
    if (v >= -20 && v <= -3) return 8;
    return 0;
}

std::string frequency (int v)
{
    return decimal (frequencyHz (v)) + " Hz";
}

} // namespace zr9::scales
