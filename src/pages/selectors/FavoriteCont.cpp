#include "FavoriteCont.h"

#include "controller/MidiCntrState.h"
#include "model/DisplayTypes.h"
#include "SelectorList.h"
#include "ui/SkinFonts.h"
#include "ui/SkinPalette.h"

namespace zr9
{

namespace
{
    constexpr float titleFontHeight = 23.2f;
    constexpr float hintFontHeight = 15.0f;
    constexpr int titleX = 28;
    constexpr int hintX = 180;
    constexpr int lineHeight = 28;
    constexpr int programTitleY = 12;
    constexpr int setupTitleY = 74;
    constexpr int assignX = 584, assignWidth = 300, assignHeight = 30;
    constexpr int scrollerGap = 6, scrollerWidth = 12;
    constexpr int bottomMargin = 12;
    constexpr int gridAboveFirstRow = 2;
    constexpr int wheelStep = 60;

    juce::String shown (const std::string& name) { return juce::String (SelectorList::displayName (name)); }
} // namespace

FavoriteCont::FavoriteCont (MidiCntrState& c, FavoritesFile* favourites, int m)
    : controller (c), block (c.favorites()), file (favourites), panelMode (m == modeSetups ? modeSetups : modePrograms),
      names (c.model())
{

    addAndMakeVisible (grid);
    for (int i = 0; i < FavoritesBlock::slotCount; ++i)
    {
        auto& b = buttons[(size_t) i];
        b = std::make_unique<FavBut> (i, controller.clock());
        b->onEvent = [this] (FavBut& pressed, int code)
        {
            if (onEvent != nullptr)
                onEvent (code, pressed.slot());
        };
        grid.addAndMakeVisible (*b);
    }

    GskCont::Setup setup;
    setup.style = GskStyle::chainChooser;
    setup.minimum = 0; // 0 empties the slot
    const auto* holder = controller.model().holderFor (panelMode == modeSetups ? typeSetup : typeProgram);
    setup.maximum = std::max (1, holder != nullptr ? holder->bank().cap() : 1);
    setup.displayType = panelMode == modeSetups ? display::setupName : display::programName;
    setup.caption = panelMode == modeSetups ? "Multi Assign" : "Program Assign";
    GskBinding binding;
    binding.read = [this]
    {
        const auto s = block.slot (target);
        return s.kind == assignKind() ? s.number : 0;
    };
    assigner = std::make_unique<GskCont> (setup, std::move (binding), &names);
    assigner->setAccessibleName (setup.caption);
    assigner->onUserChange = [this] (int number)
    {
        if (target >= 0 && onAssignChosen != nullptr)
            onAssignChosen (number);
    };
    assigner->setEnabled (false);
    addAndMakeVisible (*assigner);

    close.setListener (this);
    addAndMakeVisible (close);
    scroller.addListener (this);
    scroller.setAutoHide (false);
    addAndMakeVisible (scroller);

    refresh();
    if (file != nullptr)
    {
        fileCheck = controller.clock().makeTimer ([this] { checkFile(); });
        fileCheck->start (fileCheckMs);
    }
}

FavoriteCont::~FavoriteCont()
{
    if (fileCheck != nullptr)
        fileCheck->stop();
    scroller.removeListener (this);
}

// ------------------------------------------------------------------------ slots

void FavoriteCont::refresh()
{
    if (file != nullptr)
    {
        file->load (block);
        shownGeneration = file->generation();
    }
    showSlots();
}

void FavoriteCont::showSlots()
{
    for (int i = 0; i < FavoritesBlock::slotCount; ++i)
        showSlot (i);
    assigner->refresh();
    repaint();
}

void FavoriteCont::showSlot (int i)
{
    auto& b = *buttons[(size_t) i];
    const auto s = block.slot (i);
    auto& model = controller.model();
    if (s.isEmpty() || (s.kind != FavoritesBlock::kindProgram && s.kind != FavoritesBlock::kindSetup))
    {
        b.showEmpty();
        return;
    }

    FavLcd::Texts t;
    t.number = juce::String (s.number);
    if (s.kind == FavoritesBlock::kindProgram)
    {
        const auto& programs = model.programBank();
        t.kind = "PROGRAM";
        t.name = shown (programs.name (s.number));
        // A number the bank has no program for shows its number alone.
        if (programs.exists (s.number))
        {
            t.category = juce::String (programs.categoryText (s.number));
            t.mode = juce::String (programs.modeText (s.number));
        }
    }
    else
    {
        t.kind = "MULTI";
        t.name = shown (model.setupBank().bank().name (s.number));
    }
    b.showObject (s.kind, s.number, t);
}

bool FavoriteCont::assign (int slot, int kind, int number)
{
    if (! block.assign (slot, kind, number))
        return false;
    showSlot (slot);
    if (file != nullptr)
        file->save (block);
    if (slot == target)
        assigner->refresh();
    repaint();
    return true;
}

void FavoriteCont::highlightOnly (int slot)
{
    for (auto& b : buttons)
        b->setHighlighted (b->slot() == slot && b->holdsObject());
}

void FavoriteCont::setAssignTarget (int slot)
{
    target = slot >= 0 && slot < FavoritesBlock::slotCount ? slot : -1;
    for (auto& b : buttons)
        b->setAssignTarget (b->slot() == target);
    assigner->setEnabled (target >= 0);
    assigner->refresh();
    repaint();
}

void FavoriteCont::checkFile()
{
    if (file == nullptr)
        return;
    if (file->changedOnDisk())
        refresh();
    else if (file->generation() != shownGeneration)
    {
        // Another panel of this instance read the file in: the block it shares changed.
        shownGeneration = file->generation();
        showSlots();
    }
}

bool FavoriteCont::isReadOnly() const noexcept
{
    return file != nullptr && ! block.isStorable();
}

juce::String FavoriteCont::hintText() const
{
    if (isReadOnly())
        return juce::String (FavoritesFile::fileName) + " holds " + juce::String ((int) block.bytes().size())
             + " bytes, not " + juce::String (FavoritesBlock::blockSize) + ": changes are not saved";
    if (target >= 0)
        return "Favorite " + juce::String (target + 1) + ": choose with " + assigner->caption();
    return "To reassign, press and hold";
}

void FavoriteCont::gskButtonPressed (int number)
{
    if (number == closeButtonNumber && onClose != nullptr)
        onClose();
}

// ------------------------------------------------------------------------ layout

int FavoriteCont::titleY() const noexcept
{
    return panelMode == modeSetups ? setupTitleY : programTitleY;
}

int FavoriteCont::gridOffset() const noexcept
{
    return block.gridOffset();
}

void FavoriteCont::setGridOffset (int pixels)
{
    scroller.setCurrentRangeStart (-pixels, juce::dontSendNotification);
    // The scroll bar holds the offset to what can be reached.
    block.setGridOffset (-juce::roundToInt (scroller.getCurrentRangeStart()));
    layoutGrid();
}

void FavoriteCont::scrollBarMoved (juce::ScrollBar*, double newRangeStart)
{
    block.setGridOffset (-juce::roundToInt (newRangeStart));
    layoutGrid();
}

void FavoriteCont::mouseWheelMove (const juce::MouseEvent&, const juce::MouseWheelDetails& wheel)
{
    const double notches = wheel.deltaY != 0.0f ? wheel.deltaY : wheel.deltaX;
    if (notches != 0.0)
        scroller.setCurrentRangeStart (scroller.getCurrentRangeStart() - notches * wheelStep * 4.0, juce::sendNotificationSync);
}

void FavoriteCont::resized()
{
    const int gridTop = rowY (0) - gridAboveFirstRow;
    const int gridRight = columnPitch * (columns - 1) + leftMargin + FavBut::buttonWidth;
    grid.setBounds (0, gridTop, gridRight + scrollerGap, std::max (0, getHeight() - gridTop));

    const int contentHeight = rowY (rows - 1) + FavBut::buttonHeight + bottomMargin - gridTop;
    scroller.setRangeLimits (0.0, contentHeight, juce::dontSendNotification);
    scroller.setCurrentRange (-block.gridOffset(), std::max (1, grid.getHeight()), juce::dontSendNotification);
    scroller.setBounds (gridRight + scrollerGap, gridTop, scrollerWidth, std::max (0, getHeight() - gridTop - closeFromBottom - scrollerGap));
    block.setGridOffset (-juce::roundToInt (scroller.getCurrentRangeStart()));

    assigner->setBounds (assignX, titleY() - 2, assignWidth, assignHeight);
    close.setBounds (getWidth() - closeFromRight, getHeight() - closeFromBottom, closeWidth, closeHeight);
    layoutGrid();
}

void FavoriteCont::layoutGrid()
{
    const int offset = block.gridOffset();
    const int gridTop = grid.getY();
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c)
            buttons[(size_t) (columns * r + c)]->setTopLeftPosition (columnPitch * c + leftMargin, rowY (r) + offset - gridTop);
}

void FavoriteCont::paint (juce::Graphics& g)
{
    g.fillAll (skin::colours::window);
    g.setColour (skin::colours::titleText);
    g.setFont (skin::font (titleFontHeight));
    g.drawText ("Favorites", titleX, titleY(), hintX - titleX, lineHeight, juce::Justification::centredLeft, false);
    g.setColour (isReadOnly() ? skin::colours::warning : skin::colours::lcdCaption);
    g.setFont (skin::font (hintFontHeight));
    g.drawText (hintText(), hintX, titleY(), assignX - hintX - 8, lineHeight, juce::Justification::centredLeft, true);
}

} // namespace zr9
