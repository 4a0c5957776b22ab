#pragma once

#include "model/ArrangementLibrary.h"
#include "ui/StepScrollBar.h"

#include <juce_gui_basics/juce_gui_basics.h>

namespace zr9
{

/**
    The library page's list of arrangements: one 34-pixel row per entry
    (298 pixels wide) with its number from 1 and its name, as many whole
    rows as fit, and a scroll bar to the right of the rows (from x 302).

    A click on a row selects it; the scroll bar moves one row per click
    above or below its thumb, repeating every 200 ms while held, and drags
    with its thumb; the mouse wheel moves one row per notch. The list never
    scrolls past its last full page. Every change of the selection is
    broadcast at once. Message thread.
*/
class GskFile : public juce::Component,
                public juce::ChangeBroadcaster,
                private juce::ListBoxModel
{
public:
    static constexpr int rowHeight = 34;
    static constexpr int rowsWidth = 298;
    static constexpr int scrollBarX = 302;
    static constexpr int listWidth = 334;

    GskFile (const ArrangementLibrary& library, Clock& clock);
    ~GskFile() override;

    /** Shows the entries as they stand now; call after every change of the library. */
    void refresh();

    /** The selected row, -1 for none. */
    int selectedRow() const;
    void selectRow (int row);
    void clearSelection();

    int firstVisibleRow() const noexcept { return first; }
    /** Whole rows that fit; at least one. */
    int visibleRowCount() const noexcept;
    /** Scrolls so that `row` is the first visible row, held to the last full page. */
    void scrollToRow (int row);
    void scrollToTop() { scrollToRow (0); }

    /** Called when a row is double-clicked. */
    std::function<void (int row)> onRowDoubleClicked;

    juce::ListBox& rows() noexcept { return listBox; }
    StepScrollBar& scrollBar() noexcept { return bar; }

    void paint (juce::Graphics& g) override;
    /** An empty list says how to fill it. */
    void paintOverChildren (juce::Graphics& g) override;
    void resized() override;
    void mouseWheelMove (const juce::MouseEvent& e, const juce::MouseWheelDetails& wheel) override;

private:
    int getNumRows() override;
    void paintListBoxItem (int row, juce::Graphics& g, int width, int height, bool selected) override;
    void selectedRowsChanged (int lastRowSelected) override;
    void listBoxItemDoubleClicked (int row, const juce::MouseEvent&) override;

    int lastFirstRow() const noexcept;
    void showFirstRow (int row);
    /** Takes over where the list scrolled by itself (moving the selection with the keys). */
    void followList();

    const ArrangementLibrary& library;
    juce::ListBox listBox;
    StepScrollBar bar;
    int first = 0;
};

} // namespace zr9
