// The main component's side of the library manager and the update-host
// panel: the arrangement menu's items that open them, where they lie, and
// taking them down again.

#include "MainComp.h"

#include "library/RevuDIAudioProcessor.h"

namespace zr9
{

void MainComp::addLibraryMenuItems()
{
    arrange->addItem (itemLibraryManager, "Arrangement Library...", [this] { openLibraryManager(); });
    arrange->addItem (itemUpdateHost, "Update Host Program...", [this] { openUpdateHostPanel(); });
}

// ---------------------------------------------------------------- library manager

Lib_Manager_Comp* MainComp::libraryManager() const noexcept
{
    if (libraryWindow != nullptr)
        return &libraryWindow->manager();
    return libraryPanel.get();
}

void MainComp::openLibraryManager()
{
    if (libraryWindow != nullptr)
    {
        libraryWindow->toFront (true);
        return;
    }
    if (libraryPanel != nullptr)
    {
        libraryPanel->toFront (true);
        return;
    }

    auto manager = std::make_unique<Lib_Manager_Comp> (controller, processor, fileMan,
                                                       processor.library().file (WorkingLibraryFile::fileName),
                                                       processor.libraryFiles().access());
    manager->addChangeListener (this);
    if (libraryInOwnWindow)
    {
        libraryWindow = std::make_unique<Lib_Manager_Win> (std::move (manager));
        libraryWindow->addKeyListener (&windowKeys());
        libraryWindow->centreAroundComponent (this, libraryWindow->getWidth(), libraryWindow->getHeight());
        libraryWindow->addToDesktop (libraryWindow->getDesktopWindowStyleFlags());
        libraryWindow->setVisible (true);
        libraryWindow->toFront (true);
        return;
    }

    // Over the pages, the main window's own player keeps the keys unless the strip is clicked.
    manager->keyStrip().setTakesFocusFromWindow (false);
    libraryPanel = std::move (manager);
    addAndMakeVisible (*libraryPanel);
    libraryPanel->setTopLeftPosition ((getWidth() - libraryPanel->getWidth()) / 2,
                                      juce::jmax (barHeight, (getHeight() - libraryPanel->getHeight()) / 2));
    layoutLibraryPanels();
    libraryPanel->toFront (true);
}

void MainComp::closeLibraryManager()
{
    if (auto* manager = libraryManager())
        manager->removeChangeListener (this);
    // The library page goes with the manager and writes the library back.
    const bool hadWindow = libraryWindow != nullptr;
    libraryWindow.reset();
    libraryPanel.reset();
    // What the window covered is drawn again, also where no window manager asks for it.
    if (hadWindow)
        repaint();
}

bool MainComp::libraryManagerBroadcast (juce::ChangeBroadcaster* source)
{
    auto* manager = libraryManager();
    if (manager == nullptr || source != manager)
        return false;
    // The manager is still telling its listeners; it goes once that is over.
    if (manager->lastCode() == Lib_Manager_Comp::codeDone)
    {
        juce::Component::SafePointer<MainComp> self (this);
        juce::Component::SafePointer<Lib_Manager_Comp> done (manager);
        juce::MessageManager::callAsync ([self, done]
        {
            if (self != nullptr && done != nullptr && self->libraryManager() == done.getComponent())
                self->closeLibraryManager();
        });
    }
    return true;
}

void MainComp::layoutLibraryPanels()
{
    // Panels keep their place as the window changes size, moved only as far as needed to stay inside.
    const auto keepInside = [this] (juce::Component& c, int top)
    {
        const int x = juce::jlimit (0, juce::jmax (0, getWidth() - c.getWidth()), c.getX());
        const int y = juce::jlimit (0, juce::jmax (0, getHeight() - c.getHeight()), juce::jmax (top, c.getY()));
        c.setTopLeftPosition (x, y);
    };
    if (libraryPanel != nullptr)
        keepInside (*libraryPanel, 0);
    if (hostPanel != nullptr)
        keepInside (*hostPanel, barHeight);
}

// ------------------------------------------------------------- update-host panel

void MainComp::openUpdateHostPanel()
{
    if (hostPanel == nullptr)
    {
        const int slot = processor.getCurrentProgram();
        hostPanel = std::make_unique<UpdHostCont> (processor, slot, processor.getProgramName (slot));
        hostPanel->onClosed = [this] { closeUpdateHostPanel(); };
        addAndMakeVisible (*hostPanel);
        hostPanel->setTopLeftPosition ((getWidth() - hostPanel->getWidth()) / 2, barHeight + 40);
        layoutLibraryPanels();
    }
    hostPanel->toFront (false);
    hostPanel->focusName();
}

void MainComp::closeUpdateHostPanel()
{
    // A panel that goes without an answer ends the update-host mode as it goes.
    hostPanel.reset();
}

} // namespace zr9
