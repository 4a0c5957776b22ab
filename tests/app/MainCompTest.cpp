#include "app/MainComp.h"
#include "library/RevuDIAudioProcessor.h"
#include "support/ProcessorFixture.h"

#include <gtest/gtest.h>

using namespace zr9;
using namespace zr9::test;

namespace
{
/** A main component that also writes down what it is handed, in order. */
class RecordingMainComp final : public MainComp
{
public:
    using MainComp::MainComp;
    void stateCode (std::uint32_t code) override
    {
        log.add ("state " + juce::String::toHexString ((int) code));
        MainComp::stateCode (code);
    }
    void parameterChanged (int value, int row) override
    {
        log.add ("param " + juce::String (row) + "=" + juce::String (value));
        MainComp::parameterChanged (value, row);
    }
    juce::StringArray log;
};

using MainCompFixture = ProcessorFixture;
} // namespace

TEST_F (MainCompFixture, StartsOffLineWithItsChildrenInPlaceAndShowsTheScan)
{
    MainComp main (*processor);
    EXPECT_EQ (main.getWidth(), 1024);
    EXPECT_EQ (main.getHeight(), 798);
    EXPECT_EQ (main.appBar().getBounds(), juce::Rectangle<int> (16, 0, 1028, 64));
    EXPECT_EQ (main.keyboardPanel().getBounds(), juce::Rectangle<int> (16, 315, 992, 460));
    EXPECT_FALSE (main.keyboardPanel().isVisible());
    EXPECT_EQ (main.footer().getBounds(), juce::Rectangle<int> (16, 798 - 24, 1028, 20));
    EXPECT_EQ (main.footer().statusText(), "OFF-LINE");
    EXPECT_TRUE (controller().connection().isScanMode()) << "not on line yet: the controller looks for the instrument";
    ASSERT_NE (main.scanPanel(), nullptr) << "and the window shows it";
    for (const int number : { 301, 302, 77, 967, 816, 817, 888 })
        EXPECT_NE (main.appBar().button (number), nullptr) << number;
    EXPECT_EQ (main.appBar().button (301)->getButtonText(), "PROGRAM");
    EXPECT_EQ (main.appBar().button (888)->getButtonText(), "ABOUT");
}

TEST_F (MainCompFixture, VersionPanelGreetsOncePerProgramStartAndLeavesByItself)
{
    {
        MainComp first (*processor);
        ASSERT_NE (first.versionPanel(), nullptr);
        EXPECT_TRUE (first.isVersionPanelShown());
        EXPECT_EQ (first.versionPanel()->getBounds(), first.getLocalBounds());
        EXPECT_FALSE (first.side (0).isVisible()) << "the side panels wait until the panel is gone";
        clock->step (999);
        EXPECT_TRUE (first.isVersionPanelShown());
        clock->step (1);
        EXPECT_FALSE (first.isVersionPanelShown());
        EXPECT_TRUE (first.side (0).isVisible());
        EXPECT_EQ (first.side (1).getBounds(), juce::Rectangle<int> (1024 - 16, 0, 16, 798));
    }
    MainComp reopened (*processor);
    EXPECT_EQ (reopened.versionPanel(), nullptr) << "an editor opened again for the same controller does not greet";

    reopened.gskButtonPressed (AppBar::buttonAbout);
    EXPECT_TRUE (reopened.isVersionPanelShown());
    reopened.gskButtonPressed (AppBar::buttonAbout);
    EXPECT_FALSE (reopened.isVersionPanelShown());
}

TEST_F (MainCompFixture, ResizingWritesTheSizeIntoSettingsSixAndSeven)
{
    MainComp main (*processor);
    main.setSize (1200, 900);
    EXPECT_EQ (controller().settings().entry (6), "1200");
    EXPECT_EQ (controller().settings().entry (7), "900");
    EXPECT_EQ (main.footer().getY(), 900 - 24);
}

TEST_F (MainCompFixture, NotificationsArriveOnTheMessageThreadInPostingOrder)
{
    RecordingMainComp main (*processor);
    main.log.clear();
    controller().notifications().take();

    controller().notifications().postParameterChange (40, 7);
    controller().connection().identityReplied ({ true, "HALVORN ZR9", false });
    controller().notifications().postParameterChange (41, -3);
    controller().notifications().postStateCode (statecode::make (statecode::noteOn, 2, 60, 90));
    EXPECT_TRUE (main.log.isEmpty()) << "nothing is handed over on the posting thread";

    runMessageLoopUntil ([&] { return main.log.size() >= 4; });
    EXPECT_EQ (main.log.joinIntoString ("|"), "state 3000000|state 90023c5a|param 40=7|param 41=-3");
    EXPECT_EQ (main.footer().statusText(), "HALVORN ZR9: ON-LINE");

    controller().connection().identityReplied ({ true, "Connected - Device Unknown", true });
    main.deliverNotifications();
    EXPECT_EQ (main.footer().statusText(),
               "Connected - Device Unknown: ON-LINE THIS VERSION WILL NOT WORK CORRECTLY WITH Connected - Device Unknown");
    controller().notifications().postStateCode (statecode::offLine);
    main.deliverNotifications();
    EXPECT_EQ (main.footer().statusText(), "OFF-LINE");
}

TEST_F (MainCompFixture, FooterPullOpensTheKeyboardPanelOnlyPastItsThreshold)
{
    MainComp main (*processor);
    auto& foot = main.footer();

    main.slideCommand (foot, slide::grab, 0);
    EXPECT_TRUE (main.keyboardPanel().isVisible());
    EXPECT_EQ (main.keyboardPanel().getY(), foot.getY());
    main.slideCommand (foot, slide::drag, -100);
    EXPECT_EQ (main.keyboardPanel().getY(), foot.getY() - 100 - 20);
    main.slideCommand (foot, slide::release, -169);
    EXPECT_FALSE (controller().editorMemory().isKeyboardOpen());
    EXPECT_FALSE (main.keyboardPanel().isVisible());
    EXPECT_EQ (main.keyboardPanel().getY(), 315);

    main.slideCommand (foot, slide::grab, 0);
    main.slideCommand (foot, slide::release, -170);
    EXPECT_TRUE (controller().editorMemory().isKeyboardOpen());
    EXPECT_TRUE (main.keyboardPanel().isVisible());
    EXPECT_EQ (main.keyboardPanel().getY(), 315);

    main.slideCommand (foot, slide::grab, 0);
    main.slideCommand (foot, slide::release, 0);
    EXPECT_TRUE (controller().editorMemory().isKeyboardOpen()) << "the footer is ignored while the panel is open";

    auto& handle = main.keyboardPanel();
    main.slideCommand (handle, slide::grab, 0);
    main.slideCommand (handle, slide::drag, 134);
    main.slideCommand (handle, slide::release, 134);
    EXPECT_TRUE (controller().editorMemory().isKeyboardOpen()) << "top at 449 stays open";
    main.slideCommand (handle, slide::grab, 0);
    main.slideCommand (handle, slide::drag, 135);
    main.slideCommand (handle, slide::release, 135);
    EXPECT_FALSE (controller().editorMemory().isKeyboardOpen()) << "top at 450 closes";

    main.gskButtonPressed (AppBar::buttonKeys);
    EXPECT_TRUE (controller().editorMemory().isKeyboardOpen());
    main.gskButtonPressed (AppBar::buttonKeys);
    EXPECT_FALSE (controller().editorMemory().isKeyboardOpen());
}

TEST_F (MainCompFixture, PlayingModeButtonsSendTheModeAndPauseTheInput)
{
    controller().connection().openOutputPort (1);
    MainComp main (*processor);
    ports->log->clear();

    main.gskButtonPressed (AppBar::buttonMulti);
    EXPECT_EQ (processor->controller().playingMode(), 2);
    EXPECT_TRUE (controller().isInputPaused());
    EXPECT_EQ (controller().getLiveValue (LiveTable::rowPlayingMode), 2);
    EXPECT_TRUE (main.appBar().button (AppBar::buttonMulti)->isSelected());
    EXPECT_FALSE (main.appBar().button (AppBar::buttonProgram)->isSelected());
    const auto sent = ports->log->controllers();
    ASSERT_EQ (sent.size(), 7u);
    EXPECT_EQ (sent[4], (std::array<int, 3> { 1, 114, 11 }));
    EXPECT_EQ (sent[6], (std::array<int, 3> { 1, 119, 2 }));
}

TEST_F (MainCompFixture, APlayingModeChangeFromElsewhereIsAppliedAfterTheShortCheck)
{
    MainComp main (*processor);
    ASSERT_EQ (main.appliedPlayingMode(), 1);
    controller().setLiveValue (2, LiveTable::rowPlayingMode, false);
    main.deliverNotifications();
    clock->step (24);
    EXPECT_EQ (main.appliedPlayingMode(), 1) << "the check waits 25 ms";
    clock->step (1);
    EXPECT_EQ (main.appliedPlayingMode(), 2);
    EXPECT_TRUE (main.appBar().button (AppBar::buttonMulti)->isSelected());
}

TEST_F (MainCompFixture, PaintsTheBandTheLogoAndTheFooterStrip)
{
    MainComp main (*processor);
    main.pageCommand (pagecommand::versionPanel, 0);
    main.mixerPage()->setVisible (false); // the window's own painting, without the page opened first
    main.setSize (1024, 768);
    juce::Image image (juce::Image::RGB, 1024, 768, true);
    {
        juce::Graphics g (image);
        main.paintEntireComponent (g, false);
    }
    // The app bar covers the band's left part; the band shows right of the buttons.
    EXPECT_EQ (image.getPixelAt (740, 5).getARGB(), 0xff000000u);
    EXPECT_EQ (image.getPixelAt (500, 300).getARGB(), 0xff191919u);

    int logoPixels = 0;
    for (int x = 1024 - 261; x < 1024 - 261 + 225; ++x)
        for (int y = 23; y < 47; ++y)
            logoPixels += image.getPixelAt (x, y).getBrightness() > 0.5f ? 1 : 0;
    EXPECT_GT (logoPixels, 100);

    EXPECT_NE (image.getPixelAt (300, 768 - 20).getARGB(), 0xff191919u) << "the footer strip is drawn";
    main.gskButtonPressed (AppBar::buttonKeys);
    juce::Image open (juce::Image::RGB, 1024, 768, true);
    {
        juce::Graphics g (open);
        main.paint (g);
    }
    EXPECT_EQ (open.getPixelAt (300, 768 - 20).getARGB(), 0xff191919u) << "no footer strip while the keyboard panel is open";
}
