#include "app/MainComp.h"
#include "app/RevuDIAudioProcessorEditor.h"
#include "library/RevuDIAudioProcessor.h"
#include "support/ProcessorFixture.h"

#include <gtest/gtest.h>

using namespace zr9;
using namespace zr9::test;

namespace
{
/** Answers every dialog with the file it is given, or cancels; remembers what was asked. */
class AnsweringFileMan final : public FileMan
{
public:
    std::optional<juce::File> answer;
    std::vector<std::pair<int, juce::String>> asked;

    void chooseFile (int kindId, const juce::String& defaultName, Answer reply) override
    {
        asked.push_back ({ kindId, defaultName });
        reply (answer);
    }
};

struct ArrangeMenuFixture : ProcessorFixture
{
    ArrangeMenuFixture()
    {
        auto files = std::make_unique<AnsweringFileMan>();
        dialogs = files.get();
        main.setFileMan (std::move (files));
        controller().connection().openOutputPort (1);
        ports->log->clear();
    }

    int programsSent() const
    {
        int n = 0;
        for (const auto& m : ports->log->sysEx())
            if (m.size() > 6 && m[5] == 0x20)
                ++n;
        return n;
    }

    MainComp main { *processor };
    AnsweringFileMan* dialogs = nullptr;
};
} // namespace

TEST_F (ArrangeMenuFixture, TheArrangeButtonFitsTheBarAndItsMenuOffersItsCommands)
{
    auto* button = main.appBar().button (127);
    ASSERT_NE (button, nullptr);
    EXPECT_EQ (button->getButtonText(), "ARRANGE");
    // Every button of the bar ends before the logo at the smallest window width.
    main.setSize (MainComp::minimumWidth, MainComp::minimumHeight);
    const int logoLeft = MainComp::minimumWidth - 261;
    for (auto* child : main.appBar().getChildren())
        EXPECT_LT (child->getRight() + main.appBar().getX(), logoLeft) << child->getName();

    std::vector<std::pair<int, juce::String>> items;
    const auto menu = main.arrangeMenu().menu();
    for (juce::PopupMenu::MenuItemIterator it (menu); it.next();)
        items.push_back ({ it.getItem().itemID, it.getItem().text });
    EXPECT_EQ (items, (std::vector<std::pair<int, juce::String>> { { 11, "Save Current Arrangement" }, { 21, "Load Arrangement" },
                                                                   { 128, "Arrangement Library..." }, { 729, "Update Host Program..." } }));
}

TEST_F (ArrangeMenuFixture, SavingWritesThe330ByteStateUnderTheChosenName)
{
    processor->setCurrentProgram (2);
    const auto target = folder.path().getChildFile ("Set list.zr9arr");
    dialogs->answer = target;
    main.arrangeMenu().perform (11);

    ASSERT_EQ (dialogs->asked.size(), 1u);
    EXPECT_EQ (dialogs->asked[0], (std::pair<int, juce::String> { 108, "Untitled" }));
    juce::MemoryBlock saved;
    ASSERT_TRUE (target.loadFileAsData (saved));
    ASSERT_EQ (saved.getSize(), 330u);
    EXPECT_EQ (juce::String ((const char*) saved.getData(), 54), "ZR9PianoRevuDittingsVersion100Rock                    ");
    EXPECT_TRUE (main.footer().statusText().contains ("Set list.zr9arr"));

    // Loading it sends all sixteen programs again.
    ports->log->clear();
    dialogs->answer = target;
    main.arrangeMenu().perform (21);
    EXPECT_EQ (dialogs->asked.back().first, 8);
    EXPECT_EQ (programsSent(), 16);
}

TEST_F (ArrangeMenuFixture, AFileThatIsNotAnArrangementIsRefusedInTheStatusLine)
{
    const auto notOne = folder.path().getChildFile ("bank.zr9arr");
    notOne.replaceWithText ("ZR9PianoPlugBankVersion100");
    dialogs->answer = notOne;
    main.arrangeMenu().perform (21);
    EXPECT_EQ (main.footer().statusText(), "NOT AN ARRANGEMENT: bank.zr9arr");
    EXPECT_EQ (programsSent(), 0);

    // The connection comes back into the status line after a while.
    clock->step (MainComp::statusMessageMs);
    EXPECT_EQ (main.footer().statusText(), "OFF-LINE");

    // Cancelling changes nothing and writes nothing.
    dialogs->answer.reset();
    main.arrangeMenu().perform (11);
    main.arrangeMenu().perform (21);
    EXPECT_EQ (programsSent(), 0);
    EXPECT_EQ (main.footer().statusText(), "OFF-LINE");
}

TEST_F (ArrangeMenuFixture, TheHostsSlotChoiceReachesTheEditorOnlyInUpdateHostMode)
{
    std::vector<std::pair<int, juce::String>> chosen;
    main.onHostSlotChosen = [&] (int slot, const juce::String& name) { chosen.push_back ({ slot, name }); };
    processor->setUpdateHostMode (true);
    processor->setCurrentProgram (1);
    ASSERT_TRUE (runMessageLoopUntil ([&] { return ! chosen.empty(); }));
    EXPECT_EQ (chosen[0].first, 1);
    EXPECT_EQ (chosen[0].second.trimEnd(), "Hip Hop");

    // A note drained after the mode ended is dropped.
    processor->setCurrentProgram (2);
    processor->setUpdateHostMode (false);
    main.drainHostNotes();
    EXPECT_EQ (chosen.size(), 1u);
}

TEST_F (ProcessorFixture, TheEditorOpensAtTheRememberedSizeWithinItsLimits)
{
    {
        RevuDIAudioProcessorEditor editor (*processor);
        EXPECT_EQ (editor.getWidth(), 1028);
        EXPECT_EQ (editor.getHeight(), 730);
        EXPECT_EQ (editor.mainComponent().getBounds(), editor.getLocalBounds());
        auto* limits = editor.getConstrainer();
        ASSERT_NE (limits, nullptr);
        EXPECT_EQ (limits->getMinimumWidth(), 150);
        EXPECT_EQ (limits->getMaximumHeight(), 1092);
        editor.setSize (1100, 800);
    }
    RevuDIAudioProcessorEditor again (*processor);
    EXPECT_EQ (again.getWidth(), 1100);
    EXPECT_EQ (again.getHeight(), 800);
}
