// The receive/transmit selection panel and the progress panel, driven by
// their handlers against a controller on fake ports.

#include "pages/midisetup/RecTrn.h"
#include "support/TestController.h"
#include "support/TestHelpers.h"
#include "support/TransferReplies.h"

#include <gtest/gtest.h>

using namespace zr9;
using namespace zr9::test;

namespace
{
struct TransferPanels : ::testing::Test
{
    TransferPanels() : test (ports)
    {
        controller.connection().openOutputPort (1);
        controller.connection().openInputPort (1);
        ports.log->clear();
    }

    void answer (const Bytes& reply)
    {
        ports.feed (juce::MidiMessage (reply.data(), (int) reply.size()));
        controller.bulkReceive().deliverNow();
    }

    size_t transferRequests() const
    {
        size_t n = 0;
        for (const auto& m : ports.log->sysEx())
            n += sysex::Reader (m)[sysex::at::command] == sysex::commandTransfer ? 1u : 0u;
        return n;
    }

    FakeMidiPorts ports;
    TestController test;
    MidiCntrState& controller = test.controller;
};
} // namespace

TEST_F (TransferPanels, TheSelectionPanelHasItsButtonsInAColumnWithCloseBesideTheLast)
{
    RecTrn panel (controller, 2012);
    const char* texts[] = { "All Objects", "Programs", "Multi", "FX Chains", "Key Maps" };
    for (size_t i = 0; i < RecTrn::objectIds.size(); ++i)
    {
        auto* b = panel.objectButton (RecTrn::objectIds[i]);
        ASSERT_NE (b, nullptr);
        EXPECT_EQ (b->getButtonText(), texts[i]);
        EXPECT_EQ (b->number(), RecTrn::objectIds[i]);
        EXPECT_EQ (b->getBounds(), juce::Rectangle<int> (234, 100 + 50 * (int) i, 140, 30));
    }
    EXPECT_EQ (panel.closeButton().number(), 1111);
    EXPECT_EQ (panel.closeButton().getBounds(), juce::Rectangle<int> (394, 300, 100, 30));
    EXPECT_EQ (panel.progressPanel(), nullptr);
}

TEST_F (TransferPanels, ChoosingATypePreparesTheProgressPanelAndSendsProtocolMessagesToTheTransfer)
{
    RecTrn panel (controller, 2012);
    panel.objectButtonPressed (156);
    auto* progress = panel.progressPanel();
    ASSERT_NE (progress, nullptr);
    EXPECT_EQ (progress->title(), "Receive FX Chains");
    EXPECT_EQ (progress->fromField().getText(), "1025");
    EXPECT_EQ (progress->toField().getText(), "2048");
    EXPECT_FALSE (panel.closeButton().isVisible());
    EXPECT_TRUE (controller.transfers().isFifoMode());

    panel.objectButtonPressed (999);
    EXPECT_EQ (panel.progressPanel(), progress) << "the same panel, prepared again";
    EXPECT_EQ (progress->title(), "Receive Programs");
    EXPECT_TRUE (progress->isAllTypes());
    EXPECT_EQ (transferRequests(), 0u) << "nothing is asked before START";
}

TEST_F (TransferPanels, StartClampsAndLocksTheRangeShowsProgressAndAFinishedRunClosesItself)
{
    RecTrn panel (controller, 2012);
    panel.objectButtonPressed (138);
    auto* progress = panel.progressPanel();
    progress->fromField().setText ("0");
    progress->toField().setText ("-5");
    const auto startBounds = progress->startButton().getBounds();
    progress->startPressed();

    EXPECT_EQ (progress->fromField().getText(), "1");
    EXPECT_EQ (progress->toField().getText(), "1");
    EXPECT_TRUE (progress->fromField().isReadOnly());
    EXPECT_FALSE (progress->startButton().isVisible());
    EXPECT_EQ (progress->cancelButton().getBounds(), startBounds);
    EXPECT_FALSE (panel.objectButton (155)->isEnabled()) << "no other type while a run goes on";
    EXPECT_EQ (progress->statusText(), "Checking...  ID#: 1");
    EXPECT_EQ (transferRequests(), 1u);

    answer (informationReply (typeProgram, 1, 30, "Tiny Grand"));
    EXPECT_EQ (progress->statusText(), "Receiving ID#: 1 Tiny Grand");
    EXPECT_EQ (progress->barWidth(), 0) << "a run over one number has not come far yet";
    answer (dataReply (typeProgram, 1, 0, objectBytes (30)));

    // Finished: the panel says what happened and ends itself 200 ms later.
    EXPECT_EQ (progress->statusText(), "Finished: 1 received, 0 refused, 0 failed.");
    EXPECT_EQ (progress->barWidth(), progress->fullBarWidth());
    test.clock->step (RecTrn::closeDelayMs - 1);
    EXPECT_NE (panel.progressPanel(), nullptr);
    EXPECT_TRUE (controller.transfers().isFifoMode()) << "late replies still go to the transfer";
    test.clock->step (1);
    EXPECT_EQ (panel.progressPanel(), nullptr);
    EXPECT_FALSE (controller.transfers().isFifoMode());
    EXPECT_TRUE (panel.closeButton().isVisible());
    EXPECT_TRUE (panel.objectButton (155)->isEnabled());
    EXPECT_TRUE (panel.summaryText().startsWith ("Programs, ID# 1 to 1\nFinished: 1 received, 0 refused, 0 failed."))
        << panel.summaryText();
    EXPECT_EQ (controller.model().programBank().name (1), "Tiny Grand          ");
}

TEST_F (TransferPanels, TheBarMovesOnlyWithObjectsThatHaveANameAndIsDrawn)
{
    RecTrn panel (controller, 2012);
    panel.setSize (1024, 680);
    panel.objectButtonPressed (133);
    auto* progress = panel.progressPanel();
    progress->fromField().setText ("1");
    progress->toField().setText ("11");
    progress->startPressed();
    for (int i = 0; i < 5; ++i)
        answer (refusalReply());
    EXPECT_EQ (progress->statusText(), "Checking...  ID#: 6");
    EXPECT_EQ (progress->barWidth(), 0);

    answer (informationReply (typeKeyMap, 6, 100, "Split Map"));
    EXPECT_EQ (progress->statusText(), "Receiving ID#: 6 Split Map");
    EXPECT_EQ (progress->barWidth(), juce::roundToInt (progress->fullBarWidth() * 0.5));

    juce::Image image (juce::Image::ARGB, 1024, 680, true);
    {
        juce::Graphics g (image);
        panel.paintEntireComponent (g, true);
    }
    const auto bar = progress->getBounds().getPosition() + juce::Point<int> (16, 182 + 12);
    const auto filled = image.getPixelAt (bar.x + 10, bar.y);
    const auto empty = image.getPixelAt (bar.x + progress->fullBarWidth() - 10, bar.y);
    EXPECT_GT (filled.getRed(), 150);
    EXPECT_LT (empty.getRed(), 60);
}

TEST_F (TransferPanels, ATransmitPanelGreysWhatCannotBeSentSaysWhyAndSendsProgramsWithTheirSummary)
{
    RecTrn panel (controller, 2013);
    for (const int id : { 999, 155, 156, 133 })
    {
        EXPECT_FALSE (panel.objectButton (id)->isEnabled()) << id;
        EXPECT_TRUE (panel.refusalsText().contains (RecTrn::transmitRefusalFor (id))) << id;
    }
    EXPECT_TRUE (panel.objectButton (138)->isEnabled());
    EXPECT_TRUE (panel.refusalsText().contains ("Multi: Multis cannot be sent"));

    // A greyed type is never started.
    panel.objectButtonPressed (155);
    EXPECT_EQ (panel.progressPanel(), nullptr);
    EXPECT_TRUE (ports.log->sysEx().empty());

    // Programs: refused while the instrument is off line, sent once it is on line.
    panel.objectButtonPressed (138);
    auto* progress = panel.progressPanel();
    ASSERT_NE (progress, nullptr);
    EXPECT_EQ (progress->title(), "Transmit Programs");
    EXPECT_TRUE (progress->verifyToggle().isVisible());
    EXPECT_FALSE (controller.transfers().isFifoMode()) << "a transmit leaves the model its messages";
    progress->fromField().setText ("1");
    progress->toField().setText ("2");
    progress->startPressed();
    EXPECT_EQ (progress->statusText(), "Nothing was sent: the instrument is not on line.");
    EXPECT_TRUE (ports.log->sysEx().empty());

    ports.feed (juce::MidiMessage (zr9Reply.data(), (int) zr9Reply.size()));
    ports.log->clear();
    progress->startPressed();
    ASSERT_TRUE (controller.bulkTransmit().isActive());
    EXPECT_TRUE (progress->statusText().startsWith ("Sending ID#: 1 "));
    EXPECT_TRUE (progress->fromField().isReadOnly());
    EXPECT_EQ (ports.log->wholeSysEx().size(), 3u);

    test.clock->step (5000);
    test.clock->step (5000);
    EXPECT_FALSE (controller.bulkTransmit().isActive());
    test.clock->step (RecTrn::closeDelayMs);
    EXPECT_EQ (panel.progressPanel(), nullptr);
    EXPECT_TRUE (panel.summaryText().contains ("Programs, ID# 1 to 2"));
    EXPECT_TRUE (panel.summaryText().contains ("Finished: 2 sent, 0 failed."));
    EXPECT_TRUE (panel.summaryText().contains ("Nothing in the library was changed."));
    EXPECT_FALSE (panel.objectButton (155)->isEnabled()) << "still greyed after the run";
    EXPECT_TRUE (panel.objectButton (138)->isEnabled());
}

TEST (TransferSummaries, ReceiveAndTransmitSayWhatHappened)
{
    BulkReceive::Summary received;
    received.received = 3;
    received.reason = FIFO_Class::StopReason::finished;
    received.skippedTypes = { typeAlgorithm, typeSample };
    EXPECT_EQ (ProgBar::summaryText (received),
               "Finished: 3 received, 0 refused, 0 failed. Left out, as the instrument did not answer: Algs, Samples.");

    BulkTransmit::Summary sent;
    sent.sent = 24;
    sent.reason = BulkTransmit::StopReason::finished;
    EXPECT_EQ (ProgBar::summaryText (sent), "Finished: 24 sent, 0 failed.");
    sent.verify = true;
    sent.verified = 22;
    sent.differed = 2;
    sent.differedNumbers = { 1031, 1040 };
    EXPECT_EQ (ProgBar::summaryText (sent), "Finished: 24 sent, 22 verified, 2 differed (1031, 1040), 0 failed.");
    sent.reason = BulkTransmit::StopReason::noAnswer;
    sent.sent = 3;
    sent.verified = sent.differed = 0;
    sent.differedNumbers.clear();
    sent.failed = 3;
    EXPECT_EQ (ProgBar::summaryText (sent), "Stopped: the instrument did not answer for 3 objects in a row. 3 sent, 0 verified, 0 differed, 3 failed.");
}

TEST_F (TransferPanels, CancelEndsTheRunAndClosingThePanelEndsOneThatStillRuns)
{
    {
        RecTrn panel (controller, 2012);
        panel.objectButtonPressed (138);
        panel.progressPanel()->startPressed();
        answer (refusalReply());
        panel.progressPanel()->cancelPressed();
        EXPECT_FALSE (controller.bulkReceive().isActive());
        EXPECT_EQ (controller.bulkReceive().summary().reason, FIFO_Class::StopReason::cancelled);
        test.clock->step (RecTrn::closeDelayMs);
        EXPECT_TRUE (panel.summaryText().contains ("Cancelled: 0 received, 1 refused, 0 failed."));

        bool closed = false;
        panel.onClose = [&] { closed = true; };
        panel.closeButton().onClick();
        EXPECT_TRUE (closed);

        panel.objectButtonPressed (155);
        panel.progressPanel()->startPressed();
        ASSERT_TRUE (controller.bulkReceive().isActive());
    }
    EXPECT_FALSE (controller.bulkReceive().isActive());
    EXPECT_FALSE (controller.transfers().isFifoMode());
    test.clock->step (10 * BulkReceive::replyTimeoutMs);
    EXPECT_EQ (test.clock->runningTimers(), 0);
}

TEST_F (TransferPanels, TheReducedFormFollowsASingleFetchWithStatusAndBarOnly)
{
    ProgBar bar (controller.bulkReceive(), 2012, ProgBar::Form::reduced);
    EXPECT_EQ (bar.getWidth(), 300);
    EXPECT_EQ (bar.getHeight(), 50);
    EXPECT_FALSE (bar.fromField().isVisible());
    EXPECT_FALSE (bar.startButton().isVisible());
    EXPECT_FALSE (bar.cancelButton().isVisible());

    bool cancelled = false;
    bar.onCancel = [&] { cancelled = true; };
    ASSERT_TRUE (controller.bulkReceive().fetchSingle (2, 1200));
    EXPECT_EQ (bar.statusText(), "Checking...  ID#: 1200");
    answer (refusalReply());
    EXPECT_EQ (bar.statusText(), "Finished: 0 received, 1 refused, 0 failed.");
    EXPECT_FALSE (cancelled) << "the dialog that made it decides what follows";
}
