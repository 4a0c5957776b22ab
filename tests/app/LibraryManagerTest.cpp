#include "app/MainComp.h"
#include "model/ArrangementState.h"
#include "support/PointerEvents.h"
#include "support/ProcessorFixture.h"
#include "support/ScriptedFileMan.h"

#include <gtest/gtest.h>

using namespace zr9;
using namespace zr9::test;

namespace
{
struct ManagerFixture : ProcessorFixture
{
    ManagerFixture()
    {
        controller().scan().stop();
        main = std::make_unique<MainComp> (*processor);
        auto files = std::make_unique<ScriptedFileMan>();
        dialogs = files.get();
        main->setFileMan (std::move (files));
    }

    /** Adds the current arrangement to the open manager's library under a name. */
    void addCurrent (const juce::String& name)
    {
        auto* page = main->libraryManager()->page();
        page->button (LibClass::idAddCurrent)->clicked();
        page->question()->textField().setText (name, false);
        page->question()->answer (TextInputCont::answerOk);
    }

    juce::File working() const { return folder.libraryFile ("Lib.zr9arrlib"); }

    std::unique_ptr<MainComp> main;
    ScriptedFileMan* dialogs = nullptr;
};
} // namespace

TEST_F (ManagerFixture, TheArrangeMenuOpensTheLibraryManagerOverTheWindow)
{
    std::vector<int> items;
    const auto menu = main->arrangeMenu().menu();
    for (juce::PopupMenu::MenuItemIterator it (menu); it.next();)
        items.push_back (it.getItem().itemID);
    EXPECT_EQ (items, (std::vector<int> { 11, 21, 128, 729 }));

    main->arrangeMenu().perform (128);
    auto* manager = main->libraryManager();
    ASSERT_NE (manager, nullptr);
    EXPECT_EQ (main->libraryManagerWindow(), nullptr) << "an editor shows it as a panel of its own";
    EXPECT_EQ (manager->getParentComponent(), main.get());
    EXPECT_TRUE (main->getLocalBounds().contains (manager->getBounds()));
    EXPECT_EQ (manager->title(), "ZR9 CHANNELS ARRANGEMENTS: LIBRARY");
    EXPECT_EQ (manager->getWidth(), 780);
    EXPECT_EQ (manager->getHeight(), 620);
    ASSERT_NE (manager->page(), nullptr);
    EXPECT_EQ (manager->page()->getBounds(), juce::Rectangle<int> (0, 60, 780, 516));
    EXPECT_EQ (manager->libraryButton().getBounds(), juce::Rectangle<int> (20, 22, 100, 34));
    EXPECT_EQ (manager->doneButton().getBounds(), juce::Rectangle<int> (660, 580, 100, 34));
    EXPECT_TRUE (manager->keyStrip().isVisible());
    EXPECT_LT (manager->keyStrip().getBottom(), manager->page()->getY());

    // The selectors' LIBRARY comes the same way and finds the manager open; LIBRARY again keeps its page.
    auto* page = manager->page();
    main->pageCommand (pagecommand::libraryManager, 1);
    EXPECT_EQ (main->libraryManager(), manager);
    manager->libButtonClicked (Lib_Manager_Comp::idLibrary);
    EXPECT_EQ (manager->page(), page);

    // The painted title strip carries the title.
    juce::Image image (juce::Image::ARGB, manager->getWidth(), manager->getHeight(), true);
    juce::Graphics g (image);
    manager->paintEntireComponent (g, false);
    EXPECT_EQ (image.getPixelAt (2, 2), juce::Colour (0xff0a0a0a));
}

TEST_F (ManagerFixture, DoneWritesTheLibraryBackAndItReturnsNextTime)
{
    main->openLibraryManager();
    addCurrent ("Opener");
    addCurrent ("Encore");
    EXPECT_FALSE (working().exists());

    main->libraryManager()->doneButton().clicked();
    EXPECT_EQ (main->libraryManager()->lastCode(), 1113);
    ASSERT_TRUE (runMessageLoopUntil ([&] { return main->libraryManager() == nullptr; }));
    EXPECT_EQ (working().getSize(), 10 + 2 * 640);

    main->pageCommand (pagecommand::libraryManager, 1);
    auto& library = main->libraryManager()->page()->library();
    ASSERT_EQ (library.size(), 2);
    EXPECT_EQ (library.name (1), "Encore");
    EXPECT_FALSE (library.isModified());

    // Clearing and closing leaves the old entries in the file.
    main->libraryManager()->page()->button (LibClass::idClearAll)->clicked();
    main->libraryManager()->page()->question()->answer (TextInputCont::answerNo);
    EXPECT_TRUE (library.empty());
    main->pageCommand (pagecommand::libraryManager, 0);
    EXPECT_EQ (main->libraryManager(), nullptr);
    main->openLibraryManager();
    EXPECT_EQ (main->libraryManager()->page()->library().size(), 2);

    // The editor going writes it back as well.
    addCurrent ("Third");
    main.reset();
    EXPECT_EQ (working().getSize(), 10 + 3 * 640);
}

TEST_F (ManagerFixture, TheTitleStripDragsThePanelAndKeepsItWithinReach)
{
    main->openLibraryManager();
    auto& manager = *main->libraryManager();
    const auto start = manager.getPosition();
    const juce::Point<float> grab (300.0f, 8.0f);

    manager.mouseDown (pointerEvent (manager, grab, grab));
    manager.mouseDrag (pointerEvent (manager, grab.translated (-40.0f, 25.0f), grab));
    manager.mouseUp (pointerEvent (manager, grab.translated (-40.0f, 25.0f), grab));
    EXPECT_EQ (manager.getPosition(), start.translated (-40, 25));

    const auto moved = manager.getPosition();
    const juce::Point<float> below (300.0f, 40.0f);
    manager.mouseDown (pointerEvent (manager, below, below));
    manager.mouseDrag (pointerEvent (manager, below.translated (100.0f, 100.0f), below));
    EXPECT_EQ (manager.getPosition(), moved) << "only the title strip drags";

    manager.mouseDown (pointerEvent (manager, grab, grab));
    manager.mouseDrag (pointerEvent (manager, grab.translated (0.0f, 5000.0f), grab));
    EXPECT_LT (manager.getY(), main->getHeight() - Lib_Manager_Comp::titleHeight) << "the strip stays inside the window";
    manager.mouseDrag (pointerEvent (manager, grab.translated (0.0f, -5000.0f), grab));
    EXPECT_GE (manager.getY(), 0);

    manager.mouseMove (hoverEvent (manager, grab));
    EXPECT_EQ (manager.getMouseCursor(), juce::MouseCursor (juce::MouseCursor::DraggingHandCursor));
    manager.mouseMove (hoverEvent (manager, below));
    EXPECT_EQ (manager.getMouseCursor(), juce::MouseCursor (juce::MouseCursor::NormalCursor));
}

TEST_F (ManagerFixture, TheManagersOwnWindowHasNoTitleBarMovesByTheStripAndWritesAsItGoes)
{
    auto files = std::make_shared<ScriptedFileMan>();
    auto window = std::make_unique<Lib_Manager_Win> (std::make_unique<Lib_Manager_Comp> (processor->controller(), *processor, files,
                                                       processor->library().file (WorkingLibraryFile::fileName)));
    auto& manager = window->manager();
    EXPECT_EQ (window->getContentComponent(), &manager);
    EXPECT_EQ (window->getTitleBarHeight(), 0);
    EXPECT_EQ (window->getName(), "");
    EXPECT_EQ (window->getBackgroundColour(), juce::Colour (0xff000000));
    EXPECT_EQ (manager.getWidth(), 780);

    window->setTopLeftPosition (100, 100);
    const juce::Point<float> grab (200.0f, 5.0f);
    manager.mouseDown (pointerEvent (manager, grab, grab));
    manager.mouseDrag (pointerEvent (manager, grab.translated (30.0f, -20.0f), grab));
    EXPECT_EQ (window->getPosition(), juce::Point<int> (130, 80)) << "the window moves, not the manager in it";
    EXPECT_EQ (manager.getPosition(), juce::Point<int> (window->getContentComponent()->getPosition()));

    manager.page()->library().add (U"Kept", ByteView (ArrangementState::make (ByteView (Bytes (300, 0)))));
    window.reset();
    EXPECT_EQ (working().getSize(), 650);
}
