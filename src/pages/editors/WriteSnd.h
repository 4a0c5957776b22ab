#pragma once

#include "NameKeyPad.h"
#include "ui/ProgBar.h"
#include "WriteLcd.h"

#include "controller/MidiCntrState.h"
#include "ui/SkinButton.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <functional>
#include <memory>

namespace zr9
{

/** What the write dialog writes and whom it tells: given by the editor that opens it. */
struct WriteTarget
{
    int kind = ObjectEditing::programKind;   // 11 program, 114 setup
    int slot = 0;                            // programs: the slot (channel) it is edited in
    juce::String name;
    std::function<int()> category, subType;  // programs
    std::function<void (int)> chooseCategory, chooseSubType;
    /** The record to keep in the library when no instrument is on line, under the given 16-character name. */
    std::function<Bytes (const std::string& name)> recordFor;
    /** Sends what was edited on the computer into the instrument's edit buffer before a store-with-name; may be empty. */
    std::function<void()> sendEdits;
    /** The object now lies under `number` with `name`. */
    std::function<void (int number, const juce::String& name)> written;
};

/**
    The write dialog: it stores the program or setup being edited under a
    number and a name and reads it back into the library.

    It proposes the first number from 1025 to 2048 the library's bank does
    not hold (1025 when it holds them all), selected in the destination list
    and shown on the LCD. RENAME opens the key pad; a name is always cut or
    padded to 16 characters. For programs "Main  Category" and "Sub  Category"
    choose the category and sub-type, which go to the instrument at once.

    WRITE in mode 20 sends the store-with-name message (a setup's edits
    first, as its parts); in mode 21 the program write sequence, which
    carries the edits made on the computer. 200 ms later the single fetch
    reads the stored object back into the library bank (its file is written
    when it arrives), shown in the reduced progress panel. Off line the
    object goes straight into the library bank and its file. CANCEL reports
    code 13. Message thread; the 200 ms wait runs on the controller's clock.
*/
class WriteSnd : public juce::Component,
                 public gskbutListener,
                 private BulkReceive::Listener
{
public:
    static constexpr int writeId = 1111, cancelId = 1113, renameId = 502, mainCategoryId = 503, subCategoryId = 505;
    /** What the dialog reports to its owner. */
    static constexpr int cancelCode = 13, writtenCode = 1111;
    static constexpr int modeStore = 20, modeSequence = 21;
    static constexpr int readBackDelayMs = 200;
    static constexpr int dialogHeight = 768;
    static constexpr int panelWidth = 600, panelHeight = 560;

    WriteSnd (MidiCntrState& controller, WriteTarget target, std::function<void (int typeId)> saveBankFile);
    ~WriteSnd() override;

    /** Places the dialog at x, y 0, with the given width and a height of 768, and prepares a write in `mode`. */
    void show (int x, int width, int mode);

    int kind() const noexcept { return target.kind; }
    int mode() const noexcept { return writeMode; }
    bool isProgram() const noexcept { return target.kind == ObjectEditing::programKind; }
    int typeId() const noexcept;
    /** The first free number from 1025 to 2048 in the library's bank; 1025 when none is free. */
    int proposedDestination() const;
    int destination() const noexcept { return number; }
    void setDestination (int n);
    /** The name as it is written: 16 characters. */
    juce::String name() const { return writtenName; }
    void setName (const juce::String& name);

    void rename();
    NameKeyPad* keyPad() noexcept { return pad.get(); }
    void chooseCategory (int category);
    void chooseSubType (int subType);

    void writePressed();
    void cancelPressed();
    void gskButtonPressed (int id) override;

    bool isReadingBack() const noexcept { return readingBack; }
    int lastCode() const noexcept { return code; }
    juce::String statusText() const { return status.getText(); }
    ProgBar* progressPanel() noexcept { return progress.get(); }
    WriteLcd& lcd() noexcept { return display; }
    juce::ListBox& destinationList() noexcept { return list; }
    SkinButton* button (int id) noexcept;

    /** Told of code 13 (CANCEL) and 1111 (written and read back, or kept in the library off line). */
    std::function<void (int code)> onFinished;

    void paint (juce::Graphics& g) override;
    void resized() override;

private:
    class Destinations;
    void showOnLcd();
    void readBack();
    void receiveStopped() override;
    void finish (int code);
    void storeOffLine();
    void setStatus (const juce::String& text);
    void showCategoryMenu (bool sub);

    MidiCntrState& controller;
    WriteTarget target;
    std::function<void (int)> saveBank;
    std::unique_ptr<ClockTimer> readBackTimer;
    int writeMode = modeStore;
    int number = 0;
    juce::String writtenName;
    bool readingBack = false;
    bool writing = false;
    int code = 0;

    juce::Rectangle<int> panel;
    juce::Label title, destinationLabel { {}, "Destination:" }, status;
    WriteLcd display;
    std::unique_ptr<Destinations> destinations;
    juce::ListBox list;
    SkinButton writeButton { "WRITE", writeId }, cancelButton { "CANCEL", cancelId }, renameButton { "RENAME", renameId },
               mainCategoryButton { "Main  Category", mainCategoryId }, subCategoryButton { "Sub  Category", subCategoryId };
    std::unique_ptr<NameKeyPad> pad;
    std::unique_ptr<ProgBar> progress;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (WriteSnd)
};

} // namespace zr9
