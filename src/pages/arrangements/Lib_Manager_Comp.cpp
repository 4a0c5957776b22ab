#include "Lib_Manager_Comp.h"

#include "controller/MidiCntrState.h"
#include "library/ArrangementHost.h"
#include "ui/SkinFonts.h"
#include "ui/SkinPalette.h"

namespace zr9
{

namespace
{
    constexpr int libraryButtonX = 20, libraryButtonY = 22;
    constexpr int keyStripX = 140, keyStripWidth = 380, keyStripHeight = 20;
    constexpr int pageTop = 60;
    constexpr int pageBottomMargin = 44;
    constexpr int doneFromRight = 120, doneFromBottom = 40;
    /** How much of the manager a drag leaves inside at the sides and the bottom, so the title strip can be grabbed. */
    constexpr int keptInReach = 60;
} // namespace

Lib_Manager_Comp::Lib_Manager_Comp (MidiCntrState& c, ArrangementHost& h, std::shared_ptr<FileMan> f, juce::File working,
                                    SharedFileAccess shared)
    : controller (c), host (h), workingFile (std::move (working)), sharedAccess (shared), files (std::move (f)), keys (c)
{
    addAndMakeVisible (libraryBut);
    addAndMakeVisible (done);
    addAndMakeVisible (keys);
    // Never above the top (the strip would go with it); at the bottom at least the strip and a little more.
    keepTitleInReach.setMinimumOnscreenAmounts (managerHeight, keptInReach, 2 * titleHeight, keptInReach);
    setSize (managerWidth, managerHeight);
    openLibraryPage();
}

Lib_Manager_Comp::~Lib_Manager_Comp()
{
    // The page writes the library back as it goes.
    libraryPage.reset();
}

void Lib_Manager_Comp::libButtonClicked (int id)
{
    if (id == idLibrary)
    {
        openLibraryPage();
    }
    else if (id == idDone)
    {
        code = codeDone;
        sendChangeMessage();
    }
}

void Lib_Manager_Comp::openLibraryPage()
{
    if (libraryPage != nullptr)
        return;
    libraryPage = std::make_unique<LibClass> (controller, host, files, workingFile, sharedAccess);
    name = libraryPageName;
    addAndMakeVisible (*libraryPage);
    // The buttons stay above the page where they meet it.
    libraryBut.toFront (false);
    done.toFront (false);
    resized();
    repaint();
}

void Lib_Manager_Comp::resized()
{
    const int w = getWidth(), h = getHeight();
    if (libraryPage != nullptr)
        libraryPage->setBounds (0, pageTop, w, h - pageTop - pageBottomMargin);
    libraryBut.setBounds (libraryButtonX, libraryButtonY, LibBut::width, LibBut::height);
    keys.setBounds (keyStripX, libraryButtonY + (LibBut::height - keyStripHeight) / 2, keyStripWidth, keyStripHeight);
    done.setBounds (w - doneFromRight, h - doneFromBottom, LibBut::width, LibBut::height);
}

void Lib_Manager_Comp::paint (juce::Graphics& g)
{
    g.fillAll (skin::colours::libraryPage);
    g.setColour (skin::colours::libraryTitleStrip);
    g.fillRect (0, 0, getWidth(), titleHeight);
    g.setColour (skin::colours::libraryText);
    g.setFont (skin::font (titlePoints));
    g.drawText (title(), 0, 0, getWidth(), titleHeight, juce::Justification::centred);
    g.setColour (skin::colours::libraryEdge);
    g.drawRect (getLocalBounds());
}

// ------------------------------------------------------------------- moving

juce::Component* Lib_Manager_Comp::dragTarget()
{
    if (auto* window = findParentComponentOfClass<Lib_Manager_Win>())
        return window;
    return this;
}

void Lib_Manager_Comp::mouseMove (const juce::MouseEvent& e)
{
    setMouseCursor (isInTitleStrip (e.y) ? juce::MouseCursor::DraggingHandCursor : juce::MouseCursor::NormalCursor);
}

void Lib_Manager_Comp::mouseDown (const juce::MouseEvent& e)
{
    draggingTitle = isInTitleStrip (e.y);
    if (draggingTitle)
        dragger.startDraggingComponent (dragTarget(), e);
}

void Lib_Manager_Comp::mouseDrag (const juce::MouseEvent& e)
{
    if (draggingTitle)
        dragger.dragComponent (dragTarget(), e, &keepTitleInReach);
}

void Lib_Manager_Comp::mouseUp (const juce::MouseEvent&)
{
    draggingTitle = false;
}

// ------------------------------------------------------------------- window

Lib_Manager_Win::Lib_Manager_Win (std::unique_ptr<Lib_Manager_Comp> m)
    : juce::DocumentWindow ({}, skin::colours::black, 0, false), content (m.get())
{
    setUsingNativeTitleBar (false);
    setTitleBarHeight (0);
    setResizable (false, false);
    setContentOwned (m.release(), true);
}

Lib_Manager_Win::~Lib_Manager_Win()
{
    clearContentComponent();
}

void Lib_Manager_Win::closeButtonPressed()
{
    // The window has no buttons; a close asked by the window manager is a "DONE".
    content->libButtonClicked (Lib_Manager_Comp::idDone);
}

} // namespace zr9
