#include "controller/MidiCntrState.h"
#include "controller/PortScan.h"
#include "support/TestController.h"
#include "support/TestHelpers.h"

#include <gtest/gtest.h>

using namespace zr9;
using namespace zr9::test;

namespace
{
const juce::uint8 identityReply[] { 0xF0, 0x7E, 0x00, 0x06, 0x02, 0x07, 0x44, 0x00, 0x03, 0x00, 0x01, 0x00, 0x00, 0x00, 0xF7 };

struct PortScanFixture : ::testing::Test
{
    explicit PortScanFixture (int inputs = 2, int outputs = 3)
        : ports (inputs, outputs), test (ports)
    {
    }

    /** Runs scan steps until it stops or `limit` steps were taken, answering as an
        instrument sitting on the given pair would: the request that goes out while
        that pair is open gets a reply before the next step. Returns the steps taken. */
    int runScan (PortScan& scan, std::pair<int, int> instrument, int limit = 100)
    {
        size_t requestsSeen = identityRequests();
        int steps = 0;
        while (scan.state() == PortScan::State::running && steps < limit)
        {
            scan.step();
            ++steps;
            const auto requests = identityRequests();
            if (requests == requestsSeen)
                continue;
            requestsSeen = requests;
            const std::pair<int, int> pair { ports.log->openedInputs.back() + 1, ports.log->openedOutputs.back() + 1 };
            tried.push_back (pair);
            if (pair == instrument)
                ports.feed (juce::MidiMessage (identityReply, (int) sizeof (identityReply)));
        }
        return steps;
    }

    size_t identityRequests() const
    {
        const std::vector<juce::uint8> request { 0xF0, 0x7E, 0x7F, 0x06, 0x01, 0xF7 };
        const auto all = ports.log->sysEx();
        return (size_t) std::count (all.begin(), all.end(), request);
    }

    TempFolder folder;
    FakeMidiPorts ports;
    TestController test;
    MidiCntrState& controller = test.controller;
    std::vector<std::pair<int, int>> tried;
};

struct PortScanWithoutDevices : PortScanFixture
{
    PortScanWithoutDevices() : PortScanFixture (0, 0) {}
};
} // namespace

TEST_F (PortScanFixture, TriesEveryOutputOfAnInputBeforeTheNextInputAndStopsOnTheStepAfterTheReply)
{
    auto& scan = controller.scan();
    scan.start();
    const int steps = runScan (scan, { 2, 3 });

    const std::vector<std::pair<int, int>> expected { { 1, 1 }, { 1, 2 }, { 1, 3 }, { 2, 1 }, { 2, 2 }, { 2, 3 } };
    EXPECT_EQ (tried, expected);
    EXPECT_EQ (steps, 8) << "six tries, one step moving to the second input, one step seeing the reply";
    EXPECT_EQ (scan.state(), PortScan::State::connected);
    EXPECT_EQ (controller.settings().text (Setting::inputPort), "2") << "the reply remembered the pair";
    EXPECT_EQ (controller.settings().text (Setting::outputPort), "3");
    EXPECT_EQ (controller.connection().connectionText(), "HALVORN ZR9");
    EXPECT_EQ (controller.connection().inputPortNumber(), 2);
    EXPECT_EQ (controller.connection().outputPortNumber(), 3);
}

TEST_F (PortScanFixture, GivesUpAfterEveryPairWasTriedOnce)
{
    auto& scan = controller.scan();
    scan.start();
    const int steps = runScan (scan, { 0, 0 });
    EXPECT_EQ (scan.state(), PortScan::State::notFound);
    EXPECT_EQ (tried.size(), 6u);
    EXPECT_EQ (steps, 2 * (3 + 1) + 1);
    EXPECT_EQ (scan.step(), PortScan::State::notFound) << "a finished scan stays finished";
}

TEST_F (PortScanFixture, StartAsksThePortsOpenNowWithTheRememberedPair)
{
    controller.settings().set (Setting::inputPort, "2");
    controller.settings().set (Setting::outputPort, "1");
    controller.connection().openOutputPort (1);
    controller.connection().identityReplied ({ true, "HALVORN ZR9", false });

    auto& scan = controller.scan();
    scan.start();
    EXPECT_FALSE (controller.connection().isConnected());
    EXPECT_EQ (controller.connection().scannedPorts().first, 2);
    EXPECT_EQ (controller.connection().scannedPorts().second, 1);
    ASSERT_EQ (ports.log->sysEx().size(), 1u);
    EXPECT_EQ (ports.log->sysEx()[0], (std::vector<juce::uint8> { 0xF0, 0x7E, 0x7F, 0x06, 0x01, 0xF7 }));

    // An instrument that answers on the remembered pair ends the scan at once.
    controller.connection().openInputPort (2);
    ports.log->openedInputs.clear();
    ports.feed (juce::MidiMessage (identityReply, (int) sizeof (identityReply)));
    EXPECT_EQ (scan.step(), PortScan::State::connected);
    EXPECT_TRUE (ports.log->openedInputs.empty()) << "no other pair was tried";
}

TEST_F (PortScanWithoutDevices, GivesUpOnTheFirstStep)
{
    auto& scan = controller.scan();
    scan.start();
    EXPECT_EQ (scan.step(), PortScan::State::notFound);
}
