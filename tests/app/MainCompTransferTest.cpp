#include "app/MainComp.h"
#include "support/ProcessorFixture.h"

using namespace zr9;
using namespace zr9::test;

namespace
{
struct MainCompTransfer : ProcessorFixture
{
};
} // namespace

TEST_F (MainCompTransfer, ReceiveAndTransmitOpenTheTransferPanelWhileTheBarWaits)
{
    MainComp main (*processor);
    main.setScanMode (false);
    main.pageCommand (pagecommand::midiSetup, 1);
    main.midiSetupCommand (MIDI_Setup::codeReceive, 0);
    EXPECT_FALSE (main.isMidiSetupShown());
    ASSERT_NE (main.transferPanel(), nullptr);
    EXPECT_EQ (main.transferPanel()->direction(), 2012);
    EXPECT_EQ (main.transferPanel()->getBounds(), juce::Rectangle<int> (0, 64, main.getWidth(), main.getHeight() - 64 - 25));

    // The application bar is ignored until the panel is closed with its own button.
    main.gskButtonPressed (AppBar::buttonMidi);
    main.gskButtonPressed (AppBar::buttonKeys);
    EXPECT_FALSE (main.isMidiSetupShown());
    EXPECT_FALSE (controller().editorMemory().isKeyboardOpen());
    ASSERT_NE (main.transferPanel(), nullptr);

    main.transferPanel()->closeButton().onClick();
    EXPECT_EQ (main.transferPanel(), nullptr);
    main.gskButtonPressed (AppBar::buttonMidi);
    EXPECT_TRUE (main.isMidiSetupShown());

    main.midiSetupCommand (MIDI_Setup::codeTransmit, 0);
    ASSERT_NE (main.transferPanel(), nullptr);
    EXPECT_EQ (main.transferPanel()->direction(), 2013);
}
