#include "GskFile.h"

#include "ui/SkinFonts.h"
#include "ui/SkinPalette.h"

namespace zr9
{

namespace
{
    constexpr int numberWidth = 44;
} // namespace

GskFile::GskFile (const ArrangementLibrary& l, Clock& clock) : library (l), bar (clock)
{
    listBox.setModel (this);
    listBox.setRowHeight (rowHeight);
    listBox.setMultipleSelectionEnabled (false);
    listBox.setColour (juce::ListBox::backgroundColourId, skin::colours::libraryList);
    listBox.setColour (juce::ListBox::outlineColourId, skin::colours::transparent);
    // The list's own scroll bar stays away; ours stands beside the rows and scrolls them by whole rows.
    if (auto* viewport = listBox.getViewport())
        viewport->setScrollBarsShown (false, false, false, false);
    addAndMakeVisible (listBox);

    bar.setColour (juce::ScrollBar::thumbColourId, skin::colours::libraryThumb);
    bar.onMoved = [this] (int row) { showFirstRow (row); };
    addAndMakeVisible (bar);
}

GskFile::~GskFile()
{
    listBox.setModel (nullptr);
}

int GskFile::visibleRowCount() const noexcept
{
    return juce::jmax (1, getHeight() / rowHeight);
}

int GskFile::lastFirstRow() const noexcept
{
    return juce::jmax (0, library.size() - visibleRowCount());
}

void GskFile::refresh()
{
    listBox.updateContent();
    bar.setRangeLimits (0.0, (double) juce::jmax (library.size(), visibleRowCount()), juce::dontSendNotification);
    showFirstRow (first);
    if (selectedRow() >= library.size())
        clearSelection();
    repaint();
}

int GskFile::selectedRow() const
{
    const int row = listBox.getSelectedRow();
    return library.isIndex (row) ? row : -1;
}

void GskFile::selectRow (int row)
{
    if (library.isIndex (row))
        listBox.selectRow (row);
    else
        clearSelection();
}

void GskFile::clearSelection()
{
    listBox.deselectAllRows();
}

void GskFile::scrollToRow (int row)
{
    showFirstRow (row);
}

void GskFile::showFirstRow (int row)
{
    first = juce::jlimit (0, lastFirstRow(), row);
    bar.setCurrentRange ((double) first, (double) visibleRowCount(), juce::dontSendNotification);
    if (auto* viewport = listBox.getViewport())
        viewport->setViewPosition (0, first * rowHeight);
}

void GskFile::followList()
{
    if (auto* viewport = listBox.getViewport())
    {
        const int row = (viewport->getViewPositionY() + rowHeight / 2) / rowHeight;
        if (row != first)
            showFirstRow (row);
    }
}

void GskFile::resized()
{
    const int height = visibleRowCount() * rowHeight;
    listBox.setBounds (0, 0, rowsWidth, height);
    bar.setBounds (scrollBarX, 0, listWidth - scrollBarX, height);
    refresh();
}

void GskFile::paint (juce::Graphics& g)
{
    g.setColour (skin::colours::libraryTrack);
    g.fillRoundedRectangle (bar.getBounds().toFloat(), 3.0f);
}

void GskFile::paintOverChildren (juce::Graphics& g)
{
    if (library.empty())
    {
        g.setColour (skin::colours::libraryTextDim);
        g.setFont (skin::font (13.0f));
        g.drawFittedText ("No arrangements yet.\nADD CURRENT keeps the one that plays now;\nLOAD opens a saved library.",
                          juce::Rectangle<int> (0, 0, rowsWidth, 3 * rowHeight).reduced (12, 6),
                          juce::Justification::centredLeft, 3);
    }
}

void GskFile::mouseWheelMove (const juce::MouseEvent&, const juce::MouseWheelDetails& wheel)
{
    if (wheel.deltaY != 0.0f)
        bar.step (wheel.deltaY > 0.0f ? -1 : 1);
}

int GskFile::getNumRows()
{
    return library.size();
}

void GskFile::paintListBoxItem (int row, juce::Graphics& g, int width, int height, bool selected)
{
    if (! library.isIndex (row))
        return;
    g.fillAll (selected ? skin::colours::chosenFace : skin::colours::libraryList);
    g.setColour (skin::colours::libraryRowLine);
    g.drawHorizontalLine (height - 1, 0.0f, (float) width);

    g.setFont (skin::font (13.0f));
    g.setColour (selected ? skin::colours::white : skin::colours::libraryTextDim);
    g.drawText (juce::String (row + 1), 0, 0, numberWidth - 8, height, juce::Justification::centredRight);

    g.setFont (skin::font (15.0f));
    g.setColour (selected ? skin::colours::white : skin::colours::libraryText);
    g.drawText (juce::String (library.name (row)), numberWidth, 0, width - numberWidth - 6, height,
                juce::Justification::centredLeft, true);
}

void GskFile::selectedRowsChanged (int)
{
    followList();
    sendSynchronousChangeMessage();
}

void GskFile::listBoxItemDoubleClicked (int row, const juce::MouseEvent&)
{
    if (onRowDoubleClicked != nullptr && library.isIndex (row))
        onRowDoubleClicked (row);
}

} // namespace zr9
