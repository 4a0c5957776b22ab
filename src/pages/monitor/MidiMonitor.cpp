#include "MidiMonitor.h"

#include "MonitorText.h"

#include "controller/MidiCntrState.h"
#include "library/LibraryFolder.h"
#include "ui/SkinImages.h"
#include "ui/SkinFonts.h"
#include "ui/SkinPalette.h"

namespace zr9
{

namespace
{
    constexpr int margin = 8, gap = 6;
    constexpr int barHeight = 28;
    constexpr int detailHeight = 66;
    constexpr int statusHeight = 22;
    constexpr int channelBoxWidth = 124;
    constexpr int namesRefreshMs = 1000; // the port lists are read again at most this often
    constexpr int allChannelsId = 1, firstChannelId = 2; // combo ids must not be 0

    enum FilterIndex { filterIn, filterOut, filterChannel, filterSysEx, filterLiveRows };

    juce::Font monospace (float height)
    {
        return juce::Font (juce::Font::getDefaultMonospacedFontName(), height, juce::Font::plain);
    }

    juce::String count (std::uint64_t n, const char* one, const char* many)
    {
        return juce::String ((juce::int64) n) + " " + (n == 1 ? one : many);
    }

    juce::String text (const std::string& s) { return juce::String::fromUTF8 (s.c_str(), (int) s.size()); }
} // namespace

MidiMonitor::MidiMonitor (MidiCntrState& c, std::shared_ptr<FileMan> files)
    : controller (c), fileMan (std::move (files)), words (c), recorder (c.monitor(), &words, lines),
      timer (c.clock().makeTimer ([this] { poll(); }))
{
    setLookAndFeel (&look.get());
    setOpaque (true);
    setWantsKeyboardFocus (true);

    const std::array<const char*, 5> filterNames { "IN", "OUT", "CHANNEL", "SYSEX", "LIVE ROWS" };
    for (size_t i = 0; i < filters.size(); ++i)
    {
        filters[i] = std::make_unique<SkinButton> (filterNames[i], 0);
        filters[i]->setSelected (true);
        filters[i]->setTooltip ("Shows or hides these messages");
        auto* b = filters[i].get();
        b->onClick = [this, b] { b->setSelected (! b->isSelected()); applyFilterButtons(); };
        addAndMakeVisible (*b);
    }

    channelBox.setTitle ("MIDI channel");
    channelBox.addItem ("All channels", allChannelsId);
    for (int ch = 0; ch < channelCount; ++ch)
        channelBox.addItem ("Channel " + juce::String (ch + 1), firstChannelId + ch);
    channelBox.setSelectedId (allChannelsId, juce::dontSendNotification);
    channelBox.onChange = [this] { applyFilterButtons(); };
    addAndMakeVisible (channelBox);

    pause.onClick = [this] { setPaused (! isPaused()); };
    clearAll.onClick = [this] { clear(); };
    copy.onClick = [this] { copySelection(); };
    saveLines.onClick = [this] { saveText(); };
    saveSysExButton.onClick = [this] { saveSysEx(); };
    close.onClick = [this] { if (onClose != nullptr) onClose(); };
    for (auto* b : { &pause, &clearAll, &copy, &saveLines, &saveSysExButton, &close })
        addAndMakeVisible (*b);

    table.setModel (this);
    table.setRowHeight (rowHeight);
    table.setMultipleSelectionEnabled (true);
    table.setTitle ("MIDI messages");
    auto& head = table.getHeader();
    const int fixed = juce::TableHeaderComponent::notSortable;
    head.addColumn ("Time (ms)", timeColumn, 84, 60, 140, fixed);
    head.addColumn ("Dir", directionColumn, 40, 36, 60, fixed);
    head.addColumn ("Port", portColumn, 130, 60, 300, fixed);
    head.addColumn ("Bytes", bytesColumn, 330, 100, -1, fixed);
    head.addColumn ("Meaning", meaningColumn, 380, 100, -1, fixed);
    head.setStretchToFitActive (true);
    // The vertical bar is always there, so the columns that fit the width never need a horizontal one.
    table.getViewport()->setScrollBarsShown (true, false);
    addAndMakeVisible (table);

    emptyNote.setText ("Nothing has travelled since the monitor opened. Every message sent to the instrument and every "
                       "message that arrives shows here, also while the program looks for the instrument.",
                       juce::dontSendNotification);
    emptyNote.setFont (skin::font (15.0f));
    emptyNote.setJustificationType (juce::Justification::centred);
    emptyNote.setColour (juce::Label::textColourId, skin::colours::textDim);
    emptyNote.setInterceptsMouseClicks (false, false);
    addAndMakeVisible (emptyNote);

    detail.setMultiLine (true, true);
    detail.setReadOnly (true);
    detail.setCaretVisible (false);
    detail.setScrollbarsShown (true);
    detail.setFont (monospace (13.0f));
    detail.setTitle ("Selected message");
    addAndMakeVisible (detail);

    status.setFont (skin::font (13.0f));
    status.setColour (juce::Label::textColourId, skin::colours::textDim);
    addAndMakeVisible (status);
    missedNote.setFont (skin::font (13.0f, true));
    missedNote.setColour (juce::Label::textColourId, skin::colours::warning);
    missedNote.setJustificationType (juce::Justification::centredRight);
    addAndMakeVisible (missedNote);

    setSize (defaultWidth, defaultHeight);

    const double now = controller.clock().preciseMs();
    lastTrafficMs = now;
    recorder.start (now);
    timer->start (interval);
    updateStatus();
}

MidiMonitor::~MidiMonitor()
{
    timer->stop();
    recorder.stop();
    table.setModel (nullptr);
    setLookAndFeel (nullptr);
}

// ----------------------------------------------------------------------- updating

void MidiMonitor::poll()
{
    const double now = controller.clock().preciseMs();
    const bool following = showsNewest();
    const auto rowsBefore = lines.rowCount();
    const auto missedBefore = recorder.missed();

    const auto taken = recorder.pump (now);
    const auto dropped = lines.takeRowsDroppedAtTop();

    if (lines.rowCount() != rowsBefore || dropped > 0)
    {
        table.updateContent();
        if (dropped > 0)
            rowsLeftTheTop (dropped, following);
        if (following && lines.rowCount() > 0)
            table.scrollToEnsureRowIsOnscreen ((int) lines.rowCount() - 1);
        table.repaint();
    }
    if (taken > 0 || recorder.missed() != missedBefore)
        updateStatus();

    // Busy while messages arrive; once quiet, the list is looked at less often.
    if (taken > 0)
        lastTrafficMs = now;
    const int wanted = now - lastTrafficMs < quietAfterMs ? busyPollMs : idlePollMs;
    if (wanted != interval)
    {
        interval = wanted;
        timer->start (interval);
    }
}

bool MidiMonitor::showsNewest() const
{
    const auto* viewport = table.getViewport();
    const auto* rows = viewport != nullptr ? viewport->getViewedComponent() : nullptr;
    if (rows == nullptr || lines.rowCount() == 0)
        return true;
    return viewport->getViewPositionY() + viewport->getViewHeight() >= rows->getHeight() - rowHeight / 2;
}

void MidiMonitor::rowsLeftTheTop (std::size_t count, bool following)
{
    // The selection and, for a user who scrolled away, the view stay on the same lines.
    const auto n = (int) count;
    juce::SparseSet<int> moved;
    const auto chosen = table.getSelectedRows();
    for (int i = 0; i < chosen.getNumRanges(); ++i)
    {
        const auto r = chosen.getRange (i);
        const auto kept = juce::Range<int> (r.getStart() - n, r.getEnd() - n).getIntersectionWith ({ 0, (int) lines.rowCount() });
        if (! kept.isEmpty())
            moved.addRange (kept);
    }
    table.setSelectedRows (moved, juce::dontSendNotification);
    if (! following)
        if (auto* viewport = table.getViewport())
            viewport->setViewPosition (viewport->getViewPositionX(), std::max (0, viewport->getViewPositionY() - n * rowHeight));
}

void MidiMonitor::updateStatus()
{
    juce::String s = count (lines.rowCount(), "line", "lines");
    if (lines.rowCount() != lines.lineCount())
        s << " of " << count (lines.lineCount(), "line", "lines") << " kept";
    if (lines.isPaused())
        s << "   PAUSED: " << count (lines.recordedWhilePaused(), "message", "messages") << " recorded since";
    status.setText (s, juce::dontSendNotification);

    const auto missed = recorder.missed();
    missedNote.setText (missed > 0 ? count (missed, "message", "messages") + " not shown" : juce::String(), juce::dontSendNotification);
    emptyNote.setVisible (lines.lineCount() == 0);
    pause.setSelected (lines.isPaused());
}

// ------------------------------------------------------------------------ actions

void MidiMonitor::setPaused (bool paused)
{
    lines.setPaused (paused);
    if (! paused)
    {
        table.updateContent();
        if (lines.rowCount() > 0)
            table.scrollToEnsureRowIsOnscreen ((int) lines.rowCount() - 1);
    }
    table.repaint();
    updateStatus();
}

void MidiMonitor::clear()
{
    recorder.clear();
    table.deselectAllRows();
    table.updateContent();
    table.repaint();
    detail.clear();
    updateStatus();
}

void MidiMonitor::setFilter (const MonitorFilter& f)
{
    const std::array<bool, 5> shown { f.in, f.out, f.channelMessages, f.sysEx, f.liveRows };
    for (size_t i = 0; i < filters.size(); ++i)
        filters[i]->setSelected (shown[i]);
    channelBox.setSelectedId (f.channel == MonitorFilter::allChannels ? allChannelsId : firstChannelId + f.channel,
                              juce::dontSendNotification);
    applyFilterButtons();
}

void MidiMonitor::applyFilterButtons()
{
    MonitorFilter f;
    f.in = filters[filterIn]->isSelected();
    f.out = filters[filterOut]->isSelected();
    f.channelMessages = filters[filterChannel]->isSelected();
    f.sysEx = filters[filterSysEx]->isSelected();
    f.liveRows = filters[filterLiveRows]->isSelected();
    const int id = channelBox.getSelectedId();
    f.channel = id >= firstChannelId ? id - firstChannelId : MonitorFilter::allChannels;
    if (f == lines.filter())
        return;
    lines.setFilter (f);
    table.deselectAllRows();
    table.updateContent();
    if (lines.rowCount() > 0)
        table.scrollToEnsureRowIsOnscreen ((int) lines.rowCount() - 1);
    table.repaint();
    updateStatus();
}

std::vector<const MonitorLine*> MidiMonitor::chosenLines (bool allWhenNoneChosen) const
{
    std::vector<const MonitorLine*> chosen;
    const auto selected = table.getSelectedRows();
    if (selected.isEmpty() && allWhenNoneChosen)
    {
        for (std::size_t r = 0; r < lines.rowCount(); ++r)
            chosen.push_back (&lines.row (r));
        return chosen;
    }
    for (int i = 0; i < selected.size(); ++i)
        if (juce::isPositiveAndBelow (selected[i], (int) lines.rowCount()))
            chosen.push_back (&lines.row ((std::size_t) selected[i]));
    return chosen;
}

juce::String MidiMonitor::selectedText() const
{
    juce::StringArray out;
    for (const auto* line : chosenLines (false))
        out.add (text (monitortext::lineText (*line, recorder.originMs(),
                                              portName (line->message.direction, line->message.port).toStdString())));
    return out.joinIntoString ("\n");
}

void MidiMonitor::copySelection()
{
    const auto chosen = selectedText();
    if (chosen.isNotEmpty())
        juce::SystemClipboard::copyTextToClipboard (chosen);
}

void MidiMonitor::saveText()
{
    juce::String all = text (monitortext::heading()) + "\n";
    for (const auto* line : chosenLines (true))
        all << text (monitortext::lineText (*line, recorder.originMs(),
                                            portName (line->message.direction, line->message.port).toStdString()))
            << "\n";
    juce::MemoryBlock data (all.toRawUTF8(), all.getNumBytesAsUTF8());
    writeFile (FileMan::kindSaveMidiLog, "MIDI log", std::move (data), "lines");
}

void MidiMonitor::saveSysEx()
{
    const auto file = monitortext::sysExFile (chosenLines (true));
    if (file.messages == 0)
    {
        status.setText (file.leftOut > 0 ? "No whole System Exclusive message to save: each was kept only in part or lacks its end"
                                         : "No System Exclusive message to save",
                        juce::dontSendNotification);
        return;
    }
    juce::String what = count ((std::uint64_t) file.messages, "System Exclusive message", "System Exclusive messages");
    if (file.leftOut > 0)
        what << " (" << count ((std::uint64_t) file.leftOut, "message", "messages") << " kept only in part left out)";
    writeFile (FileMan::kindSaveSysEx, "MIDI monitor", juce::MemoryBlock (file.bytes.data(), file.bytes.size()), what);
}

void MidiMonitor::writeFile (int kind, const juce::String& defaultName, juce::MemoryBlock data, const juce::String& what)
{
    if (fileMan == nullptr)
        return;
    juce::Component::SafePointer<MidiMonitor> self (this);
    fileMan->chooseFile (kind, defaultName, [self, data = std::move (data), what] (std::optional<juce::File> chosen)
    {
        if (self == nullptr || ! chosen.has_value())
            return;
        const bool written = writeDataFile (*chosen, data.getData(), data.getSize());
        self->status.setText (written ? "Saved " + what + " to " + chosen->getFullPathName()
                                      : "Could not write " + chosen->getFullPathName(),
                              juce::dontSendNotification);
    });
}

bool MidiMonitor::keyPressed (const juce::KeyPress& key)
{
    if (key == juce::KeyPress ('c', juce::ModifierKeys::commandModifier, 0))
    {
        copySelection();
        return true;
    }
    return false;
}

juce::String MidiMonitor::portName (monitor::Direction direction, int port) const
{
    const auto* names = direction == monitor::Direction::in ? &inputNames : &outputNames;
    const double now = controller.clock().preciseMs();
    if (port > names->size() && now - lastNamesMs >= namesRefreshMs)
    {
        inputNames = controller.connection().inputNames();
        outputNames = controller.connection().outputNames();
        lastNamesMs = now;
    }
    if (port < 1)
        return "-";
    return port <= names->size() ? (*names)[port - 1] : "Port " + juce::String (port);
}

// ------------------------------------------------------------------------ drawing

void MidiMonitor::paintRowBackground (juce::Graphics& g, int row, int width, int height, bool selected)
{
    g.fillAll (selected ? skin::colours::chosenFace : (row % 2 == 0 ? skin::colours::rowEven : skin::colours::track));
    if (selected)
    {
        g.setColour (skin::colours::accent);
        g.drawRect (0, 0, width, height);
    }
}

void MidiMonitor::paintCell (juce::Graphics& g, int row, int column, int width, int height, bool selected)
{
    if (! juce::isPositiveAndBelow (row, (int) lines.rowCount()))
        return;
    const auto& line = lines.row ((std::size_t) row);
    const auto& m = line.message;
    const bool in = m.direction == monitor::Direction::in;

    juce::String cell;
    auto colour = selected ? juce::Colours::white : skin::colours::listText;
    auto font = skin::font (13.0f);
    switch (column)
    {
        case timeColumn:
            cell = text (monitortext::time (m.timeMs - recorder.originMs()));
            colour = selected ? colour : skin::colours::textDim;
            break;
        case directionColumn:
            cell = text (monitortext::direction (m.direction));
            colour = in ? skin::colours::monitorIncoming : skin::colours::number;
            font = skin::font (13.0f, true);
            break;
        case portColumn:
            cell = portName (m.direction, m.port);
            break;
        case bytesColumn:
            cell = text (monitortext::hex (m, true));
            font = monospace (12.5f);
            break;
        default:
            cell = text (line.meaning.text);
            break;
    }
    g.setColour (colour);
    g.setFont (font);
    g.drawText (cell, 4, 0, width - 6, height, column == timeColumn ? juce::Justification::centredRight
                                                                      : juce::Justification::centredLeft, true);
}

void MidiMonitor::selectedRowsChanged (int)
{
    const auto chosen = chosenLines (false);
    if (chosen.size() == 1)
    {
        const auto& line = *chosen.front();
        detail.setText (text (line.meaning.text) + "\n" + text (monitortext::hex (line.message, false)), false);
    }
    else
    {
        detail.setText (chosen.empty() ? juce::String() : count (chosen.size(), "line", "lines") + " selected", false);
    }
}

void MidiMonitor::paint (juce::Graphics& g)
{
    g.fillAll (skin::colours::window);
}

void MidiMonitor::resized()
{
    auto area = getLocalBounds().reduced (margin);
    auto bar = area.removeFromTop (barHeight);
    const std::array<int, 5> filterWidths { 44, 52, 84, 66, 88 };
    for (size_t i = 0; i < filters.size(); ++i)
    {
        filters[i]->setBounds (bar.removeFromLeft (filterWidths[i]));
        bar.removeFromLeft (i == filterOut ? gap * 2 : gap);
    }

    for (auto* b : { &close, &saveSysExButton, &saveLines, &copy, &clearAll, &pause })
    {
        const int w = b == &pause || b == &close ? 64 : b == &copy ? 56 : b == &clearAll ? 60 : 84;
        b->setBounds (bar.removeFromRight (w));
        bar.removeFromRight (b == &close ? gap * 2 : gap);
    }
    // The channel box takes what the buttons leave, up to its full width.
    bar.removeFromLeft (gap);
    channelBox.setBounds (bar.removeFromLeft (juce::jlimit (0, channelBoxWidth, bar.getWidth() - gap)));

    area.removeFromTop (gap);
    auto bottom = area.removeFromBottom (statusHeight);
    missedNote.setBounds (bottom.removeFromRight (bottom.getWidth() / 3));
    status.setBounds (bottom);
    area.removeFromBottom (gap);
    detail.setBounds (area.removeFromBottom (detailHeight));
    area.removeFromBottom (gap);
    table.setBounds (area);
    emptyNote.setBounds (area.reduced (40, 60));
}

} // namespace zr9
