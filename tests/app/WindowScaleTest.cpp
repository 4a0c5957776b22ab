#include "app/DesktopScale.h"
#include "app/AppSettings.h"
#include "app/MainComp.h"
#include "app/RevuDIAudioProcessorEditor.h"
#include "app/WindowScale.h"
#include "app/WindowSize.h"
#include "support/ProcessorFixture.h"

#include <gtest/gtest.h>

using namespace zr9;
using namespace zr9::test;

TEST (DesktopScale, ReadsXftDpiFromTheResourceString)
{
    EXPECT_EQ (desktopscale::xftDpi ("Xft.antialias:\t1\nXft.dpi:\t192\nXft.hinting:\t1\n"), 192.0);
    EXPECT_EQ (desktopscale::xftDpi ("Xft.dpi: 120"), 120.0) << "blanks instead of a tab, no line end";
    EXPECT_EQ (desktopscale::xftDpi ("Xft.dpi:\t96\nXft.dpi:\t144\n"), 144.0) << "the last one set counts";
    EXPECT_EQ (desktopscale::xftDpi ("Xft.dpi:\t144\nXft.dpi:\tlarge\n"), 144.0) << "an unusable entry changes nothing";
    EXPECT_EQ (desktopscale::xftDpi (""), 0.0);
    EXPECT_EQ (desktopscale::xftDpi ("Xft.dpix:\t300\n*dpi:\t300\nXft.dpi\t192\n"), 0.0) << "other names, or no colon";
    EXPECT_EQ (desktopscale::xftDpi ("Xft.dpi:\t-96\nXft.dpi:\t0\n"), 0.0);
}

TEST (DesktopScale, TakesTheLargestScaleAnySourceAsksFor)
{
    EXPECT_DOUBLE_EQ (desktopscale::fromSources ("Xft.dpi:\t192\n", "", ""), 2.0);
    EXPECT_DOUBLE_EQ (desktopscale::fromSources ("Xft.dpi:\t120\n", "", ""), 1.25);
    EXPECT_DOUBLE_EQ (desktopscale::fromSources ("", "2", ""), 2.0);
    EXPECT_DOUBLE_EQ (desktopscale::fromSources ("", "", "1.5"), 1.5);
    EXPECT_DOUBLE_EQ (desktopscale::fromSources ("Xft.dpi:\t192\n", "2", "1.5"), 2.0) << "a 200 % desktop saying so twice";
    EXPECT_DOUBLE_EQ (desktopscale::fromSources ("Xft.dpi:\t96\n", "", "1.75"), 1.75);
    EXPECT_DOUBLE_EQ (desktopscale::fromSources ("", "", ""), 1.0) << "nothing said: 100 %";
    EXPECT_DOUBLE_EQ (desktopscale::fromSources ("", "two", "-1"), 1.0) << "unusable values are not taken";
    EXPECT_DOUBLE_EQ (desktopscale::fromSources ("Xft.dpi:\t9600\n", "", ""), desktopscale::largest) << "held to a sane span";
    EXPECT_DOUBLE_EQ (desktopscale::fromSources ("Xft.dpi:\t10\n", "", ""), desktopscale::smallest);
}

TEST (WindowScale, TheSettingsKeepAKnownChoiceOnly)
{
    TempFolder folder;
    {
        RevuDIAudioProcessor processor (processorOptions (folder, std::make_shared<FakeMidiPorts>(), std::make_shared<ManualClock>(), Files::kept));
        auto& settings = processor.controller().settings();
        EXPECT_EQ (windowscale::storedChoice (settings), windowscale::followDesktop) << "the desktop's scale the first time";
        windowscale::storeChoice (settings, 150);
        EXPECT_EQ (windowscale::storedChoice (settings), 150);
    }
    {
        RevuDIAudioProcessor processor (processorOptions (folder, std::make_shared<FakeMidiPorts>(), std::make_shared<ManualClock>(), Files::kept));
        auto& settings = processor.controller().settings();
        EXPECT_EQ (windowscale::storedChoice (settings), 150) << "kept across a restart";
        windowscale::storeChoice (settings, 130);
        EXPECT_EQ (windowscale::storedChoice (settings), windowscale::followDesktop) << "not one of the choices";
        settings.set (appsetting::windowScale, juce::String ("9000"));
        EXPECT_EQ (windowscale::storedChoice (settings), windowscale::followDesktop) << "a damaged entry";
    }
}

TEST (WindowScale, TheScaleIsLoweredUntilTheMinimumSizeFitsTheScreen)
{
    const juce::Point<int> minimum (MainComp::minimumWidth, MainComp::minimumHeight);
    EXPECT_DOUBLE_EQ (windowscale::wanted (windowscale::followDesktop, 2.0), 2.0);
    EXPECT_DOUBLE_EQ (windowscale::wanted (125, 2.0), 1.25);

    EXPECT_DOUBLE_EQ (windowscale::fitted (2.0, { 0, 0, 2560, 1600 }, minimum), 2.0);
    EXPECT_DOUBLE_EQ (windowscale::fitted (2.0, { 0, 0, 1920, 1080 }, minimum), 1.8) << "600 scaled units high";
    EXPECT_DOUBLE_EQ (windowscale::fitted (1.0, { 0, 0, 1920, 1080 }, minimum), 1.0) << "never raised";
    EXPECT_DOUBLE_EQ (windowscale::fitted (1.0, { 0, 0, 800, 500 }, minimum), 800.0 / 1008.0) << "the narrower side rules";
    EXPECT_DOUBLE_EQ (windowscale::fitted (1.0, { 0, 0, 300, 200 }, minimum), 0.5) << "never below half";
    EXPECT_DOUBLE_EQ (windowscale::fitted (1.75, {}, minimum), 1.75) << "no screen known";

    // Whatever the scale, the minimum size in real pixels fits the screen it was fitted to.
    for (const auto screen : { juce::Rectangle<int> (0, 0, 1366, 768), juce::Rectangle<int> (0, 0, 2560, 1440),
                               juce::Rectangle<int> (0, 27, 3840, 2133) })
    {
        const double s = windowscale::fitted (2.0, screen, minimum);
        const auto area = windowscale::inScaledUnits (screen, s);
        EXPECT_LE (area.getWidth() * s, screen.getWidth());
        EXPECT_GE (area.getWidth(), minimum.x) << screen.toString();
        EXPECT_GE (area.getHeight(), minimum.y) << screen.toString();
    }
}

TEST (WindowScale, SavedWindowSizesAreInScaledUnits)
{
    ControllerSettings settings (nullptr);
    const auto sized = [&] (int w, int h, double scale) {
        settings.set (Setting::width, w);
        settings.set (Setting::height, h);
        return openingWindowSize (settings, windowscale::inScaledUnits ({ 0, 0, 2560, 1600 }, scale));
    };
    EXPECT_EQ (sized (1200, 780, 2.0), juce::Point<int> (1200, 780)) << "2400 x 1560 real pixels fit";
    EXPECT_EQ (sized (1300, 780, 2.0), juce::Point<int> (1024, 768)) << "2600 real pixels do not";
    EXPECT_EQ (sized (1300, 780, 1.0), juce::Point<int> (1300, 780));
    // A large scale on a small screen: the default size shrinks to the screen, never below the minimum.
    const auto small = windowscale::inScaledUnits ({ 0, 0, 1280, 1024 }, windowscale::fitted (2.0, { 0, 0, 1280, 1024 }, { 1008, 600 }));
    EXPECT_EQ (small, juce::Rectangle<int> (0, 0, 1008, 806));
    settings.set (Setting::width, 1024);
    EXPECT_EQ (openingWindowSize (settings, small), juce::Point<int> (1008, 768));
    EXPECT_EQ (openingWindowSize (settings, { 0, 0, 900, 500 }), juce::Point<int> (1008, 600)) << "never below the minimum";
    EXPECT_EQ (windowscale::inScaledUnits ({ 10, 31, 2560, 1601 }, 2.0), juce::Rectangle<int> (5, 16, 1280, 800)) << "rounded inwards";
}

namespace
{
struct Scaled : ProcessorFixture
{
    Scaled()
    {
        main = std::make_unique<MainComp> (*processor);
        main->pageCommand (pagecommand::versionPanel, 0);
    }
    std::unique_ptr<MainComp> main;
};

bool alike (juce::Colour a, juce::Colour b)
{
    return std::abs (a.getRed() - b.getRed()) + std::abs (a.getGreen() - b.getGreen()) + std::abs (a.getBlue() - b.getBlue()) <= 24;
}
} // namespace

TEST_F (Scaled, PaintingAtTwiceTheScaleGivesTheSameLayoutAtTwiceTheSize)
{
    const auto one = main->createComponentSnapshot (main->getLocalBounds(), true, 1.0f);
    const auto two = main->createComponentSnapshot (main->getLocalBounds(), true, 2.0f);
    EXPECT_EQ (two.getWidth(), 2 * one.getWidth());
    EXPECT_EQ (two.getHeight(), 2 * one.getHeight());

    // Points well inside a few controls and pictures show the same colour at both scales.
    auto& mixer = *main->mixerPage();
    std::vector<juce::Point<int>> probes;
    for (int i : { 0, 7, 15 })
        for (int slot : { LiveTable::slotInsertChain, LiveTable::slotAux1Level, LiveTable::slotAux2Chain, LiveTable::slotPan, LiveTable::slotLevel })
        {
            auto& c = mixer.strip (i).control (slot);
            probes.push_back (main->getLocalPoint (&c, c.getLocalBounds().getCentre()));
        }
    for (int number : { AppBar::buttonProgram, AppBar::buttonAbout })
    {
        auto* b = main->appBar().button (number);
        probes.push_back (main->getLocalPoint (b, juce::Point<int> (6, b->getHeight() / 2)));
    }
    probes.push_back (main->getLocalPoint (&mixer.header().nameSlot (3), juce::Point<int> (2, 22)));
    int differing = 0;
    for (const auto p : probes)
        if (! alike (one.getPixelAt (p.x, p.y), two.getPixelAt (2 * p.x, 2 * p.y)))
        {
            ++differing;
            ADD_FAILURE() << "at " << p.toString() << ": " << one.getPixelAt (p.x, p.y).toDisplayString (false)
                          << " against " << two.getPixelAt (2 * p.x, 2 * p.y).toDisplayString (false);
        }
    EXPECT_EQ (differing, 0);
}

TEST_F (Scaled, TheEditorInAPluginHostFollowsTheHostsScale)
{
    RevuDIAudioProcessorEditor editor (*processor);
    const auto size = editor.getBounds();
    editor.setScaleFactor (2.0f);
    EXPECT_FLOAT_EQ (juce::Component::getApproximateScaleFactorForComponent (&editor.mainComponent()), 2.0f);
    EXPECT_EQ (editor.getBounds().getWidth(), size.getWidth()) << "its own units stay; the host gets twice the pixels";
    editor.setScaleFactor (1.5f);
    EXPECT_FLOAT_EQ (juce::Component::getApproximateScaleFactorForComponent (&editor.mainComponent()), 1.5f);
}

TEST_F (Scaled, TheAboutPanelOffersTheScaleChoiceOnlyWhenTheWindowTakesIt)
{
    main->pageCommand (pagecommand::versionPanel, 1);
    EXPECT_FALSE (main->versionPanel()->scaleChooser().isVisible()) << "a plug-in's editor follows its host";
    main->pageCommand (pagecommand::versionPanel, 0);

    std::vector<int> chosen;
    main->offerScaleChoice ({ 125, 2.0, [&] (int c) { chosen.push_back (c); } });
    main->pageCommand (pagecommand::versionPanel, 1);
    auto& box = main->versionPanel()->scaleChooser();
    ASSERT_TRUE (box.isVisible());
    EXPECT_EQ (box.getText(), "125 %");
    EXPECT_EQ (box.getItemText (0), "Desktop (200 %)");
    EXPECT_EQ (box.getNumItems(), 1 + (int) windowscale::percentChoices.size());
    box.setSelectedItemIndex (0, juce::sendNotificationSync);
    box.setText ("175 %", juce::sendNotificationSync);
    EXPECT_EQ (chosen, (std::vector<int> { windowscale::followDesktop, 175 }));
    EXPECT_TRUE (main->isVersionPanelShown()) << "choosing does not close the panel";
}
