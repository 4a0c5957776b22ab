// The MIDI monitor page on the emulator behind two fake port pairs, on a
// clock the test steps: the port scan and the connection as they travel,
// live changes as one line each, pause, filters, clear, the selected lines
// as text, a ".syx" that reads back byte for byte, a burst beyond the
// queue's room, following the newest line, and how often it looks.

#include "pages/monitor/MidiMonitor.h"
#include "pages/monitor/MonitorText.h"
#include "support/EmulatorWindow.h"
#include "support/ScriptedFileMan.h"

#include <algorithm>
#include <mutex>
#include <set>

using namespace zr9;
using namespace zr9::test;

namespace
{
struct MonitorFixture : EmulatorWindowFixture
{
    MonitorFixture()
    {
        // What reaches the instrument, as it receives it: the oracle for what the monitor shows.
        ports->emulator().setMonitor ([this] (const std::uint8_t* bytes, std::size_t size) {
            const std::lock_guard<std::mutex> sl (receivedLock);
            received.emplace_back (bytes, bytes + size);
        });
        monitor = std::make_unique<MidiMonitor> (controller(), files);
        monitor->setBounds (0, 0, 1000, 600);
    }

    /** Steps the port scan until the emulator answered, letting the monitor look after each step. */
    void scanToTheEmulator()
    {
        for (int tick = 0; tick < 50 && controller().scan().state() == PortScan::State::running; ++tick)
        {
            waitForReplies();
            clock->step (PortScan::tickMs);
        }
        settle();
    }

    /** Lets replies arrive and the monitor's timer run until nothing more comes. */
    void settle()
    {
        for (int i = 0; i < 5; ++i)
        {
            waitForReplies();
            clock->step (MidiMonitor::busyPollMs);
        }
    }

    std::vector<std::string> meanings() const
    {
        std::vector<std::string> out;
        for (std::size_t r = 0; r < monitor->log().rowCount(); ++r)
            out.push_back (monitor->log().row (r).meaning.text);
        return out;
    }

    /** The row of the last line with this meaning, or -1. */
    int lastRowOf (const std::string& meaning) const
    {
        const auto all = meanings();
        for (int r = (int) all.size() - 1; r >= 0; --r)
            if (all[(size_t) r] == meaning)
                return r;
        return -1;
    }

    std::shared_ptr<ScriptedFileMan> files = std::make_shared<ScriptedFileMan>();
    std::mutex receivedLock;
    std::vector<std::vector<std::uint8_t>> received;
    std::unique_ptr<MidiMonitor> monitor;
};

const std::string identityRequest = "Identity request to all devices";
const std::string identityReply = "Identity reply from HALVORN ZR9: family 44 00, member 03 00, firmware 01 00 00 00";
} // namespace

TEST_F (MonitorFixture, ThePortScanAndTheConnectionReadInTheInstrumentsWords)
{
    scanToTheEmulator();
    ASSERT_TRUE (controller().connection().isConnected());

    // Every pair asked in turn: the requests left through each output the scan opened.
    std::set<juce::String> asked;
    for (std::size_t r = 0; r < monitor->log().rowCount(); ++r)
    {
        const auto& line = monitor->log().row (r);
        if (line.meaning.text == identityRequest)
            asked.insert (monitor->portName (line.message.direction, line.message.port));
    }
    EXPECT_EQ (asked, (std::set<juce::String> { "Fake Out 1", "Fake Out 2", "ZR9 Emulator" }));

    // The answer and what it sets going, in order, each on the emulator's ports.
    const int reply = lastRowOf (identityReply);
    ASSERT_GE (reply, 0);
    const auto all = meanings();
    const std::vector<std::string> after (all.begin() + reply, all.end());
    ASSERT_GE (after.size(), 4u);
    EXPECT_EQ (after[1], "Level Ch.16 = -1 dB") << "the seven address controllers of row 250 as one line";
    EXPECT_EQ (after[2], "Request global part 3");
    EXPECT_EQ (after[3].rfind ("Global part 3 dump, kind 1, ", 0), 0u) << after[3];
    const auto& replyLine = monitor->log().row ((std::size_t) reply);
    EXPECT_EQ (replyLine.message.direction, monitor::Direction::in);
    EXPECT_EQ (monitor->portName (replyLine.message.direction, replyLine.message.port), "ZR9 Emulator");

    // Times count from the opening, in order, to a tenth of a millisecond as the text shows.
    for (std::size_t r = 1; r < monitor->log().rowCount(); ++r)
        EXPECT_LE (monitor->log().row (r - 1).message.timeMs, monitor->log().row (r).message.timeMs);
    EXPECT_EQ (monitor->missedText(), "");
}

TEST_F (MonitorFixture, ALiveChangeIsOneLineWithTheRowsNameAndValueText)
{
    scanToTheEmulator();
    const auto before = monitor->log().rowCount();
    // What the mixer does when channel 3's pan knob is turned to L: 20.
    controller().setLiveValue (-20, LiveTable::channelRow (2, LiveTable::slotPan), true);
    controller().setLiveValue (7, LiveTable::channelRow (0, LiveTable::slotProgram), true);
    settle();

    const auto all = meanings();
    ASSERT_EQ (all.size(), before + 3) << "the pan controller, the seven address controllers as one, the channel program";
    EXPECT_EQ (all[before], "Controller Ch.3 Pan = 43");
    EXPECT_EQ (all[before + 1], "Pan Ch.3 = L: 20");
    EXPECT_EQ (all[before + 2].rfind ("Program Ch.1 = 7 ", 0), 0u) << all[before + 2];
    EXPECT_TRUE (monitor->log().row (before + 1).message.addressGroup);
    EXPECT_EQ (monitor->log().row (before + 1).message.bytes.size(), 21u);
}

TEST_F (MonitorFixture, PauseHoldsTheListWhileRecordingGoesOn)
{
    scanToTheEmulator();
    monitor->setPaused (true);
    EXPECT_TRUE (monitor->pauseButton().isSelected());
    const auto shown = monitor->log().rowCount();
    const auto kept = monitor->log().lineCount();

    for (int c = 0; c < 4; ++c)
        controller().setLiveValue (c, LiveTable::channelRow (c, LiveTable::slotLevel), true);
    settle();
    EXPECT_EQ (monitor->log().rowCount(), shown);
    EXPECT_EQ (monitor->log().lineCount(), kept + 4);
    EXPECT_EQ (monitor->statusText().fromFirstOccurrenceOf ("PAUSED", true, false), "PAUSED: 4 messages recorded since");

    monitor->setPaused (false);
    EXPECT_EQ (monitor->log().rowCount(), shown + 4);
    EXPECT_EQ (meanings().back(), "Level Ch.4 = 3 dB");
}

TEST_F (MonitorFixture, FiltersChooseDirectionKindAndChannel)
{
    scanToTheEmulator();
    controller().setLiveValue (-20, LiveTable::channelRow (2, LiveTable::slotPan), true);
    controller().notes().noteOn (60, 1, 100);
    settle();

    MonitorFilter onlyIn;
    onlyIn.out = false;
    monitor->setFilter (onlyIn);
    ASSERT_GT (monitor->log().rowCount(), 0u);
    for (std::size_t r = 0; r < monitor->log().rowCount(); ++r)
        EXPECT_EQ (monitor->log().row (r).message.direction, monitor::Direction::in);

    MonitorFilter liveRowsOfChannel3;
    liveRowsOfChannel3.channelMessages = false;
    liveRowsOfChannel3.sysEx = false;
    liveRowsOfChannel3.channel = 2;
    monitor->setFilter (liveRowsOfChannel3);
    EXPECT_EQ (meanings(), (std::vector<std::string> { "Pan Ch.3 = L: 20" }));
    EXPECT_FALSE (monitor->filterButton (2).isSelected());
    EXPECT_EQ (monitor->channelChoice().getText(), "Channel 3");

    MonitorFilter channelMessagesOnly;
    channelMessagesOnly.sysEx = false;
    channelMessagesOnly.liveRows = false;
    monitor->setFilter (channelMessagesOnly);
    const auto all = meanings();
    EXPECT_NE (std::find (all.begin(), all.end(), "Note on Ch.1 C4 velocity 100"), all.end());
    EXPECT_EQ (std::find (all.begin(), all.end(), identityRequest), all.end());

    // Clicking a filter button shows its kind again.
    monitor->filterButton (3).triggerClick();
    runMessageLoopFor (20);
    EXPECT_TRUE (monitor->log().filter().sysEx);
}

TEST_F (MonitorFixture, SavedSystemExclusiveReadsBackByteForByte)
{
    scanToTheEmulator();
    // The setup's parts, and a message of 600 bytes that leaves in pieces; the monitor shows each whole.
    ASSERT_TRUE (controller().objectEditing().sendSetup());
    std::vector<std::uint8_t> longOne { 0xF0, 0x07, 0x44, 0x03, 0x00, 0x05 };
    longOne.resize (599, 0x21);
    longOne.push_back (0xF7);
    controller().connection().output().sendSysEx (longOne.data(), longOne.size());
    settle();

    // Everything that left for the emulator (the scan also asked the fake ports).
    MonitorFilter outOnly;
    outOnly.in = false;
    monitor->setFilter (outOnly);
    for (std::size_t r = 0; r < monitor->log().rowCount(); ++r)
    {
        const auto& m = monitor->log().row (r).message;
        if (monitor->portName (m.direction, m.port) == emulator::EmulatorPortProvider::portName)
            monitor->list().selectRow ((int) r, false, false);
    }

    const auto file = folder.path().getChildFile ("sent.syx");
    files->answers.push_back (file);
    monitor->saveSysEx();
    ASSERT_EQ (files->kindsAsked(), std::vector<int> { FileMan::kindSaveSysEx });
    juce::MemoryBlock saved;
    ASSERT_TRUE (file.loadFileAsData (saved));

    // What reached the emulator as System Exclusive: whole messages and the pieces of long ones, in order.
    std::vector<std::uint8_t> expected;
    std::size_t longest = 0;
    {
        const std::lock_guard<std::mutex> sl (receivedLock);
        bool inside = false;
        for (const auto& m : received)
        {
            if (m.front() == 0xF0 || (inside && m.front() < 0x80))
                expected.insert (expected.end(), m.begin(), m.end());
            inside = (m.front() == 0xF0 || (inside && m.front() < 0x80)) && m.back() != 0xF7;
        }
    }
    for (std::size_t r = 0; r < monitor->log().rowCount(); ++r)
        longest = std::max (longest, monitor->log().row (r).message.size);
    EXPECT_GT (longest, (std::size_t) MIDI_OUT_Control::sysExPieceSize);
    ASSERT_GT (expected.size(), 0u);
    EXPECT_EQ (std::vector<std::uint8_t> ((const std::uint8_t*) saved.getData(), (const std::uint8_t*) saved.getData() + saved.getSize()),
               expected);
}

TEST_F (MonitorFixture, SelectedLinesAsTextAndTheSelectedMessageUnfolded)
{
    scanToTheEmulator();
    const int dump = (int) monitor->log().rowCount() - 1;
    ASSERT_EQ (meanings().back().rfind ("Global part 3 dump", 0), 0u);
    const auto& line = monitor->log().row ((std::size_t) dump);

    monitor->list().selectRow (dump);
    // The list folds the long message; the selected one shows every byte below it.
    const auto hexAll = monitortext::hex (line.message, false);
    EXPECT_TRUE (monitor->detailText().contains (juce::String (hexAll)));
    EXPECT_EQ (juce::String (monitortext::hex (line.message, true)).fromLastOccurrenceOf ("(", true, false),
               "(" + juce::String ((int) line.message.size) + " bytes)");

    juce::StringArray fields;
    fields.addTokens (monitor->selectedText(), "\t", "");
    ASSERT_EQ (fields.size(), 5);
    EXPECT_EQ (fields[0], juce::String (monitortext::time (line.message.timeMs - monitor->feed().originMs())));
    EXPECT_EQ (fields[1], "IN");
    EXPECT_EQ (fields[2], "ZR9 Emulator");
    EXPECT_EQ (fields[3], juce::String (hexAll));
    EXPECT_EQ (fields[4], juce::String (line.meaning.text));

    // Saved as text: the heading, then each line shown when none is selected.
    monitor->list().deselectAllRows();
    const auto file = folder.path().getChildFile ("log.txt");
    files->answers.push_back (file);
    monitor->saveText();
    juce::StringArray saved;
    saved.addLines (file.loadFileAsString().trimEnd());
    EXPECT_EQ (saved.size(), (int) monitor->log().rowCount() + 1);
    EXPECT_EQ (saved[0], "Time (ms)\tDirection\tPort\tBytes\tMeaning");
}

TEST_F (MonitorFixture, ABurstBeyondTheQueueIsCountedAndTheRestKeptInOrder)
{
    scanToTheEmulator();
    monitor->clear();
    const auto room = controller().monitor().slotCount();
    const int burst = (int) room + 1000;
    for (int n = 0; n < burst; ++n)
        controller().input().handleIncomingMidiMessage (nullptr, juce::MidiMessage::noteOn (1, n % 128, (juce::uint8) (1 + (n / 128) % 127)));
    settle();

    EXPECT_EQ (monitor->log().lineCount(), room);
    EXPECT_EQ (monitor->missedText(), "1000 messages not shown");
    for (std::size_t r = 0; r < monitor->log().rowCount(); ++r)
    {
        const auto& b = monitor->log().row (r).message.bytes;
        ASSERT_EQ ((int) b[1] + 128 * ((int) b[2] - 1), (int) r) << "row " << r;
    }

    monitor->clear();
    EXPECT_EQ (monitor->missedText(), "");
    EXPECT_EQ (monitor->log().lineCount(), 0u);
}

TEST_F (MonitorFixture, FollowsTheNewestLineUnlessScrolledAway)
{
    scanToTheEmulator();
    const auto feedNotes = [this] (int count)
    {
        for (int n = 0; n < count; ++n)
            controller().input().handleIncomingMidiMessage (nullptr, juce::MidiMessage::noteOn (2, n % 128, (juce::uint8) 64));
        settle();
    };
    const auto lastVisibleRow = [this]
    {
        auto* viewport = monitor->list().getViewport();
        return (viewport->getViewPositionY() + viewport->getViewHeight() - 1) / MidiMonitor::rowHeight;
    };

    feedNotes (200);
    EXPECT_EQ (lastVisibleRow(), (int) monitor->log().rowCount() - 1);

    monitor->list().getViewport()->setViewPosition (0, 0);
    feedNotes (50);
    EXPECT_EQ (monitor->list().getViewport()->getViewPositionY(), 0) << "scrolled away: the view stays";

    monitor->list().scrollToEnsureRowIsOnscreen ((int) monitor->log().rowCount() - 1);
    feedNotes (50);
    EXPECT_EQ (lastVisibleRow(), (int) monitor->log().rowCount() - 1);
}

TEST_F (MonitorFixture, LooksLessOftenWhenQuietAndRecordsOnlyWhileOpen)
{
    EXPECT_TRUE (controller().monitor().isRecording());
    EXPECT_EQ (monitor->pollIntervalMs(), MidiMonitor::busyPollMs);
    scanToTheEmulator(); // the search sends something every tick
    clock->step (MidiMonitor::quietAfterMs + MidiMonitor::idlePollMs);
    EXPECT_EQ (monitor->pollIntervalMs(), MidiMonitor::idlePollMs);
    EXPECT_GE (MidiMonitor::idlePollMs, 1000 / 60) << "never faster than a screen refreshes";

    controller().input().handleIncomingMidiMessage (nullptr, juce::MidiMessage::noteOn (1, 60, (juce::uint8) 64));
    clock->step (MidiMonitor::idlePollMs);
    EXPECT_EQ (monitor->pollIntervalMs(), MidiMonitor::busyPollMs);

    const int timers = clock->runningTimers();
    monitor.reset();
    EXPECT_FALSE (controller().monitor().isRecording()) << "closed, the taps are off";
    EXPECT_EQ (clock->runningTimers(), timers - 1);
}

TEST_F (MonitorFixture, AtItsNarrowestEveryControlOfTheBarHasARoomOfItsOwn)
{
    for (const int width : { MidiMonitor::minimumWidth, MidiMonitor::defaultWidth })
    {
        monitor->setSize (width, MidiMonitor::minimumHeight);
        // Lines that arrive after the size was set, more than the list shows at once.
        for (int n = 0; n < 40; ++n)
            controller().input().handleIncomingMidiMessage (nullptr, juce::MidiMessage::noteOn (1, 60, (juce::uint8) 64));
        settle();
        ASSERT_GT ((int) monitor->log().rowCount() * MidiMonitor::rowHeight, monitor->list().getHeight());

        std::vector<juce::Component*> bar { &monitor->pauseButton(), &monitor->clearButton(), &monitor->channelChoice() };
        for (int i = 0; i < 5; ++i)
            bar.push_back (&monitor->filterButton (i));
        for (auto* child : monitor->getChildren())
            if (dynamic_cast<juce::Button*> (child) != nullptr && std::find (bar.begin(), bar.end(), child) == bar.end())
                bar.push_back (child); // COPY, SAVE TEXT, SAVE .SYX, CLOSE
        ASSERT_EQ (bar.size(), 12u);
        for (size_t i = 0; i < bar.size(); ++i)
        {
            EXPECT_GE (bar[i]->getWidth(), 40) << width;
            EXPECT_TRUE (monitor->getLocalBounds().contains (bar[i]->getBounds())) << width;
            for (size_t j = i + 1; j < bar.size(); ++j)
                EXPECT_FALSE (bar[i]->getBounds().intersects (bar[j]->getBounds()))
                    << width << ": " << bar[i]->getName() << " and " << bar[j]->getName();
        }
    }
}
