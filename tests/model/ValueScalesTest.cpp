#include "model/ValueScales.h"

#include <gtest/gtest.h>

#include <climits>

using namespace zr9;

namespace
{
struct ScaleCase
{
    int v;
    const char* text;
};

void expectScaleTexts (std::string (*scale) (int), std::initializer_list<ScaleCase> cases, const char* what)
{
    for (const auto& c : cases)
        EXPECT_EQ (scale (c.v), c.text) << what << " of " << c.v;
}
} // namespace

// Both sides of every piece of the cents scale, and one step beyond its ends.
TEST (ValueScales, CentsScaleAtEveryPieceBorder)
{
    expectScaleTexts (scales::cents, {
        { INT_MIN, "" }, { -124, "" }, { -123, "-7200 ct" }, { -119, "-5200 ct" }, { -118, "-5300 ct" },
        { -117, "-5000 ct" }, { -77, "-1000 ct" }, { -76, "-950 ct" }, { -65, "-400 ct" }, { -64, "-380 ct" },
        { -55, "-200 ct" }, { -54, "-190 ct" }, { -45, "-100 ct" }, { -44, "-95 ct" }, { -35, "-50 ct" },
        { -34, "-48 ct" }, { -20, "-20 ct" }, { -19, "-19 ct" }, { 0, "0 ct" }, { 19, "19 ct" }, { 20, "22 ct" },
        { 34, "50 ct" }, { 35, "55 ct" }, { 45, "105 ct" }, { 46, "110 ct" }, { 55, "200 ct" }, { 56, "220 ct" },
        { 65, "400 ct" }, { 66, "450 ct" }, { 77, "1000 ct" }, { 78, "1100 ct" }, { 117, "5000 ct" },
        { 118, "5300 ct" }, { 119, "5500 ct" }, { 121, "6500 ct" }, { 122, "6700 ct" }, { 123, "7200 ct" },
        { 124, "" }, { INT_MAX, "" } }, "cents");
}

TEST (ValueScales, CentsRiseStrictlyFromMinus118To123)
{
    for (int v = -118; v < 123; ++v)
        EXPECT_LT (scales::centsValue (v), scales::centsValue (v + 1)) << v;
    for (int v = -123; v < -119; ++v)
        EXPECT_LT (scales::centsValue (v), scales::centsValue (v + 1)) << v;
}

TEST (ValueScales, RateScaleAtEveryPieceBorderAndRisingThroughout)
{
    expectScaleTexts (scales::rate, {
        { INT_MIN, "" }, { -1, "" }, { 0, "1.0 Key/s" }, { 1, "1.2 Key/s" }, { 20, "5.0 Key/s" }, { 21, "5.3 Key/s" },
        { 22, "5.6 Key/s" }, { 23, "6.0 Key/s" }, { 31, "10.0 Key/s" }, { 32, "11.0 Key/s" }, { 47, "26.0 Key/s" },
        { 48, "28.0 Key/s" }, { 59, "50.0 Key/s" }, { 60, "53.0 Key/s" }, { 61, "56.0 Key/s" }, { 62, "60.0 Key/s" },
        { 70, "100.0 Key/s" }, { 71, "110.0 Key/s" }, { 86, "260.0 Key/s" }, { 87, "280.0 Key/s" },
        { 98, "500.0 Key/s" }, { 99, "530.0 Key/s" }, { 100, "560.0 Key/s" }, { 101, "600.0 Key/s" },
        { 109, "1000.0 Key/s" }, { 110, "1100.0 Key/s" }, { 125, "2600.0 Key/s" }, { 126, "2800.0 Key/s" },
        { 127, "3000.0 Key/s" }, { 128, "" }, { INT_MAX, "" } }, "rate");

    for (int v = 0; v < 127; ++v)
        EXPECT_LT (scales::rateTenths (v), scales::rateTenths (v + 1)) << v;
}

TEST (ValueScales, LevelScaleInHalfDecibelsWithItsLowStretch)
{
    expectScaleTexts (scales::level, {
        { INT_MIN, "-1073741824.0 dB" }, { -129, "-64.5 dB" }, { -128, "OFF" }, { -127, "-79.0 dB" },
        { -97, "-49.0 dB" }, { -96, "-48.0 dB" }, { -95, "-47.5 dB" }, { -1, "-0.5 dB" }, { 0, "0.0 dB" },
        { 1, "0.5 dB" }, { 127, "63.5 dB" }, { INT_MAX, "1073741823.5 dB" } }, "level");
}

TEST (ValueScales, TimeScalesAtTheirBordersAndEnds)
{
    expectScaleTexts (scales::shortTime, {
        { -1, "" }, { 0, "0.0 mS" }, { 1, "0.1 mS" }, { 99, "9.9 mS" }, { 100, "10 mS" }, { 189, "99 mS" },
        { 190, "100 mS" }, { 255, "230 mS" }, { 256, "" }, { INT_MIN, "" }, { INT_MAX, "" } }, "short time");

    expectScaleTexts (scales::longTime, {
        { -1, "" }, { 0, "0 mS" }, { 59, "59 mS" }, { 60, "60 mS" }, { 102, "144 mS" }, { 103, "140 mS" },
        { 174, "495 mS" }, { 175, "500 mS" }, { 224, "990 mS" }, { 225, "1000 mS" }, { 244, "1950 mS" },
        { 245, "2000 mS" }, { 255, "3000 mS" }, { 256, "" }, { INT_MIN, "" }, { INT_MAX, "" } }, "long time");
}

TEST (ValueScales, RatioAndFractionScalesAtTheirBorders)
{
    expectScaleTexts (scales::ratio, {
        { -1, "" }, { 0, "1.0:1" }, { 39, "4.9:1" }, { 40, "5.0:1" }, { 64, "9.8:1" }, { 65, "10.0:1" },
        { 84, "19.5:1" }, { 85, "20.0:1" }, { 86, "30.0:1" }, { 87, "50.0:1" }, { 88, "100.0:1" }, { 89, "INF" },
        { 90, "" }, { INT_MAX, "" } }, "ratio");

    expectScaleTexts (scales::fraction, {
        { -1, "" }, { 0, "0.010" }, { 1, "0.010" }, { 2, "0.011" }, { 5, "0.015" }, { 6, "0.015" }, { 24, "0.048" },
        { 25, "0.050" }, { 26, "0.055" }, { 34, "0.095" }, { 35, "0.10" }, { 44, "0.19" }, { 45, "0.20" },
        { 59, "0.48" }, { 60, "0.50" }, { 61, "0.55" }, { 151, "5.05" }, { 152, "" }, { INT_MIN, "" } }, "fraction");

    // Across the whole domain the fraction never falls as v rises.
    for (int v = 0; v < 151; ++v)
        EXPECT_LE (std::stod (scales::fraction (v)), std::stod (scales::fraction (v + 1))) << v;
}

TEST (ValueScales, FrequencyScaleIsTheNotePitchWithFixedTextsBelowZero)
{
    expectScaleTexts (scales::frequency, {
        { 0, "16 Hz" }, { 9, "28 Hz" }, { 21, "55 Hz" }, { 57, "440 Hz" }, { 120, "16744 Hz" }, { 127, "25088 Hz" },
        { 128, "0 Hz" }, { -1, "15 Hz" }, { -2, "14 Hz" }, { -3, "8 Hz" }, { -20, "8 Hz" }, { -21, "0 Hz" },
        { INT_MIN, "0 Hz" }, { INT_MAX, "0 Hz" } }, "frequency");

    // An octave up doubles the pitch, within the rounding of whole hertz.
    for (int v = 0; v + 12 <= 127; ++v)
        EXPECT_NEAR (scales::frequencyHz (v + 12), 2 * scales::frequencyHz (v), 1) << v;
}

TEST (ValueScales, NoteNamesCarryTheirOctaveFromMinusOne)
{
    expectScaleTexts (scales::noteName, {
        { 60, "C4" }, { 61, "C#4" }, { 0, "C-1" }, { 11, "B-1" }, { 12, "C0" }, { 69, "A4" }, { 127, "G9" },
        { -1, "-1" }, { -13, "-2" } }, "note");
    EXPECT_FALSE (scales::noteName (INT_MIN).empty());
    EXPECT_EQ (scales::noteName (INT_MAX), "G178956969");
}
