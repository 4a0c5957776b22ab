#include "app/MainComp.h"
#include "app/WindowSize.h"

#include <gtest/gtest.h>

using namespace zr9;

TEST (WindowSize, OpensAtTheSavedSizeOnlyWhenItIsUsable)
{
    ControllerSettings settings (nullptr);
    const juce::Rectangle<int> screen (0, 0, 1920, 1050);
    const auto sized = [&] (const char* w, const char* h) {
        settings.set (Setting::width, juce::String (w));
        settings.set (Setting::height, juce::String (h));
        return openingWindowSize (settings, screen);
    };

    EXPECT_EQ (sized ("1200", "900"), juce::Point<int> (1200, 900));
    EXPECT_EQ (sized ("1920", "1050"), juce::Point<int> (1920, 1050)) << "exactly the screen";
    EXPECT_EQ (sized ("", ""), juce::Point<int> (1024, 768)) << "never saved";
    EXPECT_EQ (sized ("2560", "900"), juce::Point<int> (1024, 768)) << "wider than this screen";
    EXPECT_EQ (sized ("1200", "1100"), juce::Point<int> (1024, 768)) << "taller than this screen";
    EXPECT_EQ (sized ("700", "900"), juce::Point<int> (1024, 768)) << "the bar's buttons would not fit";
    EXPECT_EQ (sized ("1200", "300"), juce::Point<int> (1024, 768));
    EXPECT_EQ (sized ("-5", "abc"), juce::Point<int> (1024, 768));
    EXPECT_EQ (openingWindowSize (settings, {}), juce::Point<int> (1024, 768)) << "no screen known";
}

TEST (WindowSize, TheMinimumKeepsTheBarButtonsInsideAndClearOfTheLogo)
{
    // The last of the seven buttons ends left of the logo, which starts 261 pixels from the right edge.
    EXPECT_LE (MainComp::sideWidth + AppBar::buttonsWidth + AppBar::buttonGap, MainComp::minimumWidth - 261);
}
