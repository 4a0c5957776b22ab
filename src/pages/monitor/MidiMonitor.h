#pragma once

#include "MonitorFeed.h"
#include "MonitorLog.h"

#include "controller/MonitorWords.h"
#include "library/FileMan.h"
#include "midi/Clock.h"
#include "ui/PanelLookAndFeel.h"
#include "ui/SkinButton.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <memory>

namespace zr9
{

class MidiCntrState;

/**
    The MIDI monitor: every message that leaves through the output and every
    message that arrives on the input, in order, with its time (milliseconds
    since the monitor opened), its direction, its port, its bytes (a long
    System Exclusive message folded to its start and length; the selected
    line shows every byte below the list) and what it means in the
    instrument's words.

    Filters choose the directions, the kinds (channel messages, System
    Exclusive, live rows) and one MIDI channel. PAUSE holds the list still
    while recording goes on; CLEAR forgets what was recorded; COPY puts the
    selected lines on the clipboard as text; SAVE TEXT writes the selected
    lines (or all shown) to a text file and SAVE .SYX the selected System
    Exclusive messages (or all shown) to a ".syx" file. The list follows the
    newest message unless the user scrolled away from it.

    The taps record only while a monitor is open. A timer on the message
    thread empties their queue: 25 times a second while messages arrive, ten
    times once it has been quiet for a second. When the queue had no room,
    the monitor says how many messages it could not show.
*/
class MidiMonitor : public juce::Component, private juce::TableListBoxModel
{
public:
    static constexpr int busyPollMs = 40;
    static constexpr int idlePollMs = 100;
    static constexpr int quietAfterMs = 1000;
    static constexpr int rowHeight = 20;
    static constexpr int defaultWidth = 1000;
    static constexpr int defaultHeight = 640;
    static constexpr int minimumWidth = 960; // every button of the bar and the channel box in one row
    static constexpr int minimumHeight = 320;

    enum Column { timeColumn = 1, directionColumn, portColumn, bytesColumn, meaningColumn };

    MidiMonitor (MidiCntrState& controller, std::shared_ptr<FileMan> files);
    ~MidiMonitor() override;

    /** Told when CLOSE is pressed; the owner takes the monitor down. */
    std::function<void()> onClose;

    /** What the timer does: takes what the taps recorded and shows it. */
    void poll();
    int pollIntervalMs() const noexcept { return interval; }

    void setPaused (bool paused);
    bool isPaused() const noexcept { return lines.isPaused(); }
    void clear();
    void setFilter (const MonitorFilter& filter);

    /** The selected lines as COPY puts them on the clipboard: one line of text each. */
    juce::String selectedText() const;
    void copySelection();
    /** Asks for a file and writes the selected lines (all shown when none is selected) as text. */
    void saveText();
    /** Asks for a file and writes the selected System Exclusive messages (all shown when none is selected). */
    void saveSysEx();

    MonitorLog& log() noexcept { return lines; }
    MonitorFeed& feed() noexcept { return recorder; }
    juce::TableListBox& list() noexcept { return table; }
    juce::String statusText() const { return status.getText(); }
    juce::String missedText() const { return missedNote.getText(); }
    juce::String detailText() const { return detail.getText(); }
    /** The port's name as the lines show it. */
    juce::String portName (monitor::Direction direction, int port) const;

    SkinButton& pauseButton() noexcept { return pause; }
    SkinButton& clearButton() noexcept { return clearAll; }
    SkinButton& filterButton (int index) noexcept { return *filters[(size_t) index]; }
    juce::ComboBox& channelChoice() noexcept { return channelBox; }

    void resized() override;
    void paint (juce::Graphics& g) override;
    bool keyPressed (const juce::KeyPress& key) override;

private:
    // juce::TableListBoxModel
    int getNumRows() override { return (int) lines.rowCount(); }
    void paintRowBackground (juce::Graphics& g, int row, int width, int height, bool selected) override;
    void paintCell (juce::Graphics& g, int row, int column, int width, int height, bool selected) override;
    void selectedRowsChanged (int lastRowSelected) override;

    std::vector<const MonitorLine*> chosenLines (bool allWhenNoneChosen) const;
    bool showsNewest() const;
    void rowsLeftTheTop (std::size_t count, bool following);
    void applyFilterButtons();
    void updateStatus();
    void writeFile (int kind, const juce::String& defaultName, juce::MemoryBlock data, const juce::String& what);

    MidiCntrState& controller;
    std::shared_ptr<FileMan> fileMan;
    MonitorWords words;
    MonitorLog lines;
    MonitorFeed recorder;
    std::unique_ptr<ClockTimer> timer;
    int interval = busyPollMs;
    double lastTrafficMs = 0.0;
    // The port lists, read again when a line names a port beyond them.
    mutable double lastNamesMs = -1.0e9;
    mutable juce::StringArray inputNames, outputNames;

    juce::SharedResourcePointer<PanelLookAndFeel> look;
    std::array<std::unique_ptr<SkinButton>, 5> filters; // IN, OUT, CHANNEL, SYSEX, LIVE ROWS: lit while shown
    juce::ComboBox channelBox;
    SkinButton pause { "PAUSE", 0 }, clearAll { "CLEAR", 0 }, copy { "COPY", 0 };
    SkinButton saveLines { "SAVE TEXT", 0 }, saveSysExButton { "SAVE .SYX", 0 }, close { "CLOSE", 0 };
    juce::TableListBox table;
    juce::Label emptyNote;
    juce::TextEditor detail;
    juce::Label status, missedNote;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (MidiMonitor)
};

} // namespace zr9
