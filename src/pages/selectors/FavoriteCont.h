#pragma once

#include "FavBut.h"

#include "controller/FavoritesBlock.h"
#include "library/FavoritesFile.h"
#include "model/ModelObjectNames.h"
#include "ui/GskCont.h"
#include "ui/SkinButton.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <array>
#include <functional>
#include <memory>

namespace zr9
{

class MidiCntrState;

/**
    The favourites panel: 32 buttons, each holding one program or one setup
    for one-touch recall, shared by the program selector (mode 0) and the
    setup selector (mode 1).

    The slots live in the controller's favourites block and in
    "Favorites.dat", which every panel of the instance shares through one
    FavoritesFile. The panel reads the file when it opens and again whenever
    another instance changed it (checked once a second on the controller's
    clock, by the file's stamp), so a change made elsewhere shows up without
    reading the file at every repaint; what another panel read in shows too.
    Assigning writes the file at once (another instance's version of it is
    kept as a dated copy when both changed it); a block of another length
    than 96 bytes (a file of another length) is never written back, and the
    panel says so.

    The buttons' events (501 pressed, 504 held) go to `onEvent` with the
    slot; the owner recalls, highlights and picks the slot to reassign. The
    value control "Program Assign" (mode 0) or "Multi Assign" (mode 1)
    writes to that slot: each number chosen in it goes to `onAssignChosen`.

    The grid's vertical offset is the controller's, so it survives closing
    and reopening the panel. Message thread.
*/
class FavoriteCont : public juce::Component,
                     public gskbutListener,
                     private juce::ScrollBar::Listener
{
public:
    static constexpr int modePrograms = 0;
    static constexpr int modeSetups = 1;
    static constexpr int columns = 4;
    static constexpr int rows = 8;
    static constexpr int columnPitch = 224;
    static constexpr int rowPitch = 110;
    static constexpr int leftMargin = 12;
    static constexpr int programBase = -70;
    static constexpr int setupBase = -8;
    static constexpr int closeWidth = 60, closeHeight = 36;
    static constexpr int closeFromRight = 67, closeFromBottom = 46;
    static constexpr int fileCheckMs = 1000;
    static constexpr int closeButtonNumber = 1;

    /** `file` null: nothing is read from or written to disk (the block stays as it is). */
    FavoriteCont (MidiCntrState& controller, FavoritesFile* file, int mode);
    ~FavoriteCont() override;

    int mode() const noexcept { return panelMode; }
    /** The kind this panel assigns: 0 programs, 1 setups. */
    int assignKind() const noexcept { return panelMode == modeSetups ? FavoritesBlock::kindSetup : FavoritesBlock::kindProgram; }

    /** Loads the file (when the panel has one), then shows every slot. */
    void refresh();
    /** Shows every slot as the block holds it now. */
    void showSlots();
    /** Stores kind and number in the slot, shows it and saves the file. False when the slot could not take them. */
    bool assign (int slot, int kind, int number);

    FavBut& button (int slot) { return *buttons[(size_t) juce::jlimit (0, FavoritesBlock::slotCount - 1, slot)]; }
    /** Highlights this slot's button when it holds an object and clears every other; -1 clears all. */
    void highlightOnly (int slot);
    /** Makes this slot the assign control's target (-1: none); the control shows what the slot holds. */
    void setAssignTarget (int slot);
    int assignTarget() const noexcept { return target; }
    GskCont& assignControl() noexcept { return *assigner; }
    SkinButton& closeButton() noexcept { return close; }

    /** The grid's vertical offset (0 or below), as kept by the controller. */
    int gridOffset() const noexcept;
    void setGridOffset (int pixels);

    /** The line under the title: the hint, or why nothing is saved. */
    juce::String hintText() const;
    /** True when the block cannot be saved (the file has another length than 96 bytes). */
    bool isReadOnly() const noexcept;

    std::function<void (int code, int slot)> onEvent;
    std::function<void (int number)> onAssignChosen;
    std::function<void()> onClose;

    void gskButtonPressed (int number) override;
    void paint (juce::Graphics& g) override;
    void resized() override;
    void mouseWheelMove (const juce::MouseEvent& e, const juce::MouseWheelDetails& wheel) override;

    /** Where the top of button row r lies without offset, in panel coordinates. */
    int rowY (int r) const noexcept { return base() + rowPitch * (r + 1); }
    int base() const noexcept { return panelMode == modeSetups ? setupBase : programBase; }

private:
    void showSlot (int slot);
    void checkFile();
    void layoutGrid();
    void scrollBarMoved (juce::ScrollBar*, double newRangeStart) override;
    int titleY() const noexcept;

    MidiCntrState& controller;
    FavoritesBlock& block;
    FavoritesFile* file;
    int shownGeneration = -1; // the file's load the buttons show
    int panelMode;
    int target = -1;
    ModelObjectNames names;

    juce::Component grid;
    std::array<std::unique_ptr<FavBut>, FavoritesBlock::slotCount> buttons;
    std::unique_ptr<GskCont> assigner;
    SkinButton close { "CLOSE", closeButtonNumber };
    juce::ScrollBar scroller { true };
    std::unique_ptr<ClockTimer> fileCheck;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (FavoriteCont)
};

} // namespace zr9
