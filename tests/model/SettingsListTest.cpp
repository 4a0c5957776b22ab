#include "model/SettingsList.h"

#include <gtest/gtest.h>

#include <random>

using zr9::SettingsList;

namespace
{
SettingsList::Parsed parseText (const std::string& text)
{
    return SettingsList::parse (reinterpret_cast<const std::uint8_t*> (text.data()), text.size());
}
} // namespace

TEST (SettingsList, DefaultsHaveFiftyEntriesWithTheirMeaningfulValues)
{
    const auto d = SettingsList::defaults();
    ASSERT_EQ (d.size(), 50u);
    EXPECT_EQ (d[0], "1.0.4");
    EXPECT_EQ (d[1], "-1");
    EXPECT_EQ (d[2], "-1");
    EXPECT_EQ (d[3], "-1");
    EXPECT_EQ (d[4], "100");
    EXPECT_EQ (d[6], "");
    EXPECT_EQ (d[7], "");
    EXPECT_EQ (d[8], "1");
    EXPECT_EQ (d[10], "0");
    EXPECT_EQ (d[17], "402");
    EXPECT_EQ (d[42], "0");
    EXPECT_EQ (d[47], "1");
    EXPECT_EQ (d[49], "0");
}

TEST (SettingsList, FileTextRoundTripsIncludingEmptyEntries)
{
    auto entries = SettingsList::defaults();
    entries[6] = "1024";
    const auto text = SettingsList::serialise (entries);
    EXPECT_EQ (text.substr (0, 16), "^|1.0.4|^^|-1|^^");
    const auto parsed = parseText (text);
    EXPECT_FALSE (parsed.unusable);
    EXPECT_EQ (parsed.entries, entries);
}

TEST (SettingsList, UnusableTextGivesTheDefaultsAndSaysSo)
{
    for (const std::string& text : { std::string(), std::string ("^|5|^^|6|^"), std::string ("garbage without marks"),
                                    std::string ("^|1|^^|2|^^|3"), std::string ("\x00\xff\x80^|", 6) })
    {
        const auto parsed = parseText (text);
        EXPECT_TRUE (parsed.unusable) << text;
        EXPECT_EQ (parsed.entries, SettingsList::defaults());
    }
}

TEST (SettingsList, ShortListsArePaddedAndLongListsCutToFifty)
{
    const auto shortList = parseText ("^|a|^^|b|^^|c|^");
    EXPECT_FALSE (shortList.unusable);
    ASSERT_EQ (shortList.entries.size(), 50u);
    EXPECT_EQ (shortList.entries[2], "c");
    EXPECT_EQ (shortList.entries[3], "0");
    EXPECT_EQ (shortList.entries[49], "0");

    std::string text;
    for (int i = 0; i < 82; ++i)
        text += "^|" + std::to_string (i) + "|^";
    const auto longList = parseText (text);
    ASSERT_EQ (longList.entries.size(), 50u);
    EXPECT_EQ (longList.entries[49], "49");
}

TEST (SettingsList, TextOutsideTheMarksAndAnUnclosedTailAreIgnored)
{
    const auto parsed = parseText ("junk^|a|^ between ^|b|^^|c|^^|unclosed");
    ASSERT_FALSE (parsed.unusable);
    EXPECT_EQ (parsed.entries[0], "a");
    EXPECT_EQ (parsed.entries[1], "b");
    EXPECT_EQ (parsed.entries[2], "c");
    EXPECT_EQ (parsed.entries[3], "0");
}

TEST (SettingsList, StartupDefaultsAreWrittenOnlyWithoutTheMarker)
{
    auto entries = SettingsList::defaults();
    entries[11] = "7";
    entries[17] = "5";
    SettingsList::applyStartupDefaults (entries);
    EXPECT_EQ (entries[10], "333");
    EXPECT_EQ (entries[11], "0");
    EXPECT_EQ (entries[17], "402");
    EXPECT_EQ (entries[18], "0");

    entries[11] = "9";
    SettingsList::applyStartupDefaults (entries);
    EXPECT_EQ (entries[11], "9") << "a list that has the marker keeps its option words";
}

TEST (SettingsList, NumbersAreReadLikeTheProgramWritesThem)
{
    EXPECT_EQ (SettingsList::toInt ("42"), 42);
    EXPECT_EQ (SettingsList::toInt ("-1"), -1);
    EXPECT_EQ (SettingsList::toInt (""), 0);
    EXPECT_EQ (SettingsList::toInt ("1.0.4"), 1);
    EXPECT_EQ (SettingsList::toInt ("abc"), 0);
    EXPECT_EQ (SettingsList::toInt ("99999999999999999999"), 0);
}

TEST (SettingsList, RandomBytesNeverBreakTheReader)
{
    std::mt19937 random (7);
    for (int round = 0; round < 500; ++round)
    {
        std::vector<std::uint8_t> bytes ((size_t) (random() % 300));
        for (auto& b : bytes)
            b = (std::uint8_t) (random() % 4 == 0 ? (std::uint8_t) "^|"[random() % 2] : random());
        const auto parsed = SettingsList::parse (bytes.data(), bytes.size());
        EXPECT_EQ (parsed.entries.size(), 50u);
    }
}
