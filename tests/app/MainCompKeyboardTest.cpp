#include "app/MainComp.h"
#include "library/RevuDIAudioProcessor.h"
#include "support/PointerEvents.h"
#include "support/ProcessorFixture.h"

#include <gtest/gtest.h>

using namespace zr9;
using namespace zr9::test;

namespace
{
using Bytes = std::vector<juce::uint8>;

struct MainCompKeyboard : ProcessorFixture
{
    MainCompKeyboard()
    {
        controller().connection().openOutputPort (1);
        main = std::make_unique<MainComp> (*processor);
        main->pageCommand (pagecommand::versionPanel, 0);
        ports->log->clear();
    }

    KeyBrd& keys() { return main->keyboardPanel().keyboard(); }

    std::vector<Bytes> taken()
    {
        std::vector<Bytes> out;
        for (const auto& s : ports->log->sent)
            out.push_back (s.bytes);
        ports->log->clear();
        return out;
    }

    void dragWheel (WheelCnt& wheel, float byY)
    {
        const juce::Point<float> press (20.0f, 100.0f);
        wheel.mouseDown (pointerEvent (wheel, press, press));
        wheel.mouseDrag (pointerEvent (wheel, press.translated (0.0f, byY), press));
        wheel.mouseUp (pointerEvent (wheel, press.translated (0.0f, byY), press));
    }

    std::unique_ptr<MainComp> main;
};
} // namespace

TEST_F (MainCompKeyboard, ThePanelStaysCentredOnTheBottomAsTheWindowChanges)
{
    main->gskButtonPressed (AppBar::buttonKeys);
    EXPECT_EQ (main->keyboardPanel().getBounds(), juce::Rectangle<int> (16, 315, 992, 460)) << "as built";

    main->setSize (1400, 1000);
    EXPECT_EQ (main->keyboardPanel().getBounds(), juce::Rectangle<int> (204, 517, 992, 460));
    main->setSize (1008, 600);
    EXPECT_EQ (main->keyboardPanel().getBounds(), juce::Rectangle<int> (8, 117, 992, 460));
    EXPECT_LE (main->keyboardPanel().getBottom(), main->footer().getY() + 1) << "the status line shows below it";

    // The handle closes the panel when it is let go far enough below its open place, at any size.
    main->setSize (1400, 1000);
    auto& handle = main->keyboardPanel();
    main->slideCommand (handle, slide::grab, 0);
    main->slideCommand (handle, slide::drag, 134);
    main->slideCommand (handle, slide::release, 134);
    EXPECT_TRUE (controller().editorMemory().isKeyboardOpen());
    EXPECT_EQ (handle.getY(), 517);
    main->slideCommand (handle, slide::grab, 0);
    main->slideCommand (handle, slide::drag, 135);
    main->slideCommand (handle, slide::release, 135);
    EXPECT_FALSE (controller().editorMemory().isKeyboardOpen());
    EXPECT_FALSE (handle.isVisible()) << "closed, it hides nothing";

    main->setSize (1200, 900);
    main->gskButtonPressed (AppBar::buttonKeys);
    EXPECT_EQ (main->keyboardPanel().getBounds(), juce::Rectangle<int> (104, 417, 992, 460)) << "a panel opened after a resize";
}

TEST_F (MainCompKeyboard, ThePlayerSitsInTheFootAndTheStatusLineKeepsClearOfIt)
{
    auto& player = main->keyPlayer();
    EXPECT_TRUE (player.isVisible());
    EXPECT_EQ (player.getBounds(), juce::Rectangle<int> (1024 - 16 - 380, main->footer().getY(), 380, main->footer().getHeight()));
    main->setSize (1300, 700);
    EXPECT_EQ (player.getRight(), 1300 - 16);
    EXPECT_EQ (player.getY(), 700 - 24);
}

TEST_F (MainCompKeyboard, WheelsSendPitchAndModulationOnThePlayersChannel)
{
    keys().channelChosen (3);
    taken();
    dragWheel (keys().pitchWheel(), -20.0f);
    EXPECT_EQ (taken(), (std::vector<Bytes> { { 0xE2, (juce::uint8) (NotePlayer::pitchWheelForPosition (84) & 0x7F),
                                                (juce::uint8) (NotePlayer::pitchWheelForPosition (84) >> 7) },
                                              { 0xE2, 0x00, 0x40 } }))
        << "the spring back sends the centre, 8192";

    dragWheel (keys().modulationWheel(), -90.0f);
    EXPECT_EQ (taken(), (std::vector<Bytes> { { 0xB2, 1, 90 } }));
}

TEST_F (MainCompKeyboard, WheelMessagesFromTheInstrumentMoveTheWheelsOnlyOnThePlayersChannel)
{
    controller().connection().openInputPort (1);
    keys().channelChosen (2);
    taken();

    ports->feed (juce::MidiMessage::pitchWheel (2, 16383));
    ports->feed (juce::MidiMessage::controllerEvent (2, 1, 77));
    main->deliverNotifications();
    EXPECT_EQ (keys().pitchWheel().position(), 127);
    EXPECT_EQ (keys().modulationWheel().position(), 77);

    ports->feed (juce::MidiMessage::pitchWheel (5, 0));
    ports->feed (juce::MidiMessage::controllerEvent (5, 1, 10));
    ports->feed (juce::MidiMessage::controllerEvent (2, 7, 10));
    main->deliverNotifications();
    EXPECT_EQ (keys().pitchWheel().position(), 127);
    EXPECT_EQ (keys().modulationWheel().position(), 77);
    EXPECT_TRUE (taken().empty()) << "what the instrument reports is not sent back";
}

TEST_F (MainCompKeyboard, ThePanelShowsTheChannelOnOpeningAndEndsItsNotesOnClosing)
{
    controller().notes().selectChannel (6);
    ports->log->clear();
    main->gskButtonPressed (AppBar::buttonKeys);
    EXPECT_EQ (keys().channelButton().getButtonText(), "Channel  6") << "chosen while the panel was away";
    auto& key = keys().key (9);
    key.mouseDown (pointerEvent (key, { 10.0f, 250.0f }, { 10.0f, 250.0f }));
    main->gskButtonPressed (AppBar::buttonKeys);
    EXPECT_FALSE (main->keyboardPanel().isVisible());
    EXPECT_EQ (taken(), (std::vector<Bytes> { { 0x95, 57, 118 }, { 0x85, 57, 0 } }));
}
