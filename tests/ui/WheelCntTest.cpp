#include "support/PointerEvents.h"
#include "ui/WheelCnt.h"

#include <gtest/gtest.h>

using namespace zr9;
using namespace zr9::test;

namespace
{
/** Writes down the value each broadcast carried, as the owner sees it. */
struct WheelWatcher : juce::ChangeListener
{
    explicit WheelWatcher (WheelCnt& w) : wheel (w) { wheel.addChangeListener (this); }
    ~WheelWatcher() override { wheel.removeChangeListener (this); }
    void changeListenerCallback (juce::ChangeBroadcaster*) override { values.push_back (wheel.position()); }

    WheelCnt& wheel;
    std::vector<int> values;
};

void drag (WheelCnt& wheel, float fromY, std::initializer_list<float> throughY, bool letGo = true)
{
    const juce::Point<float> press (20.0f, fromY);
    wheel.mouseDown (pointerEvent (wheel, press, press));
    for (const float y : throughY)
        wheel.mouseDrag (pointerEvent (wheel, { 20.0f, y }, press));
    if (letGo)
        wheel.mouseUp (pointerEvent (wheel, { 20.0f, *(throughY.end() - 1) }, press));
}
} // namespace

TEST (WheelCnt, PitchWheelBendsOneStepPerPixelAndSpringsBackToItsCentre)
{
    WheelCnt pitch (WheelCnt::Kind::pitch);
    WheelWatcher watcher (pitch);
    EXPECT_EQ (pitch.position(), 64);

    drag (pitch, 100.0f, { 90.0f, 60.0f, 60.0f }, false);
    EXPECT_EQ (pitch.position(), 104);
    EXPECT_EQ (watcher.values, (std::vector<int> { 74, 104 })) << "a drag that stays put broadcasts nothing more";

    pitch.mouseUp (pointerEvent (pitch, { 20.0f, 60.0f }, { 20.0f, 100.0f }));
    EXPECT_EQ (pitch.position(), 64) << "the wheel's own centre, so the instrument is not left detuned";
    EXPECT_EQ (watcher.values.back(), 64);

    drag (pitch, 100.0f, { 300.0f, -200.0f });
    EXPECT_EQ (watcher.values, (std::vector<int> { 74, 104, 64, 0, 127, 64 })) << "held within 0 to 127";
}

TEST (WheelCnt, ModulationWheelStaysWhereItIsLeftAndCountsWheelNotches)
{
    WheelCnt modulation (WheelCnt::Kind::modulation);
    WheelWatcher watcher (modulation);
    EXPECT_EQ (modulation.position(), 0);

    drag (modulation, 150.0f, { 110.0f });
    EXPECT_EQ (modulation.position(), 40);
    drag (modulation, 150.0f, { 160.0f });
    EXPECT_EQ (modulation.position(), 30) << "a new drag starts from where the wheel stands";

    const auto at = juce::Point<float> (20.0f, 20.0f);
    modulation.mouseWheelMove (pointerEvent (modulation, at, at, false), wheelNotch (0.2f));
    modulation.mouseWheelMove (pointerEvent (modulation, at, at, false), wheelNotch (0.2f));
    modulation.mouseWheelMove (pointerEvent (modulation, at, at, false), wheelNotch (-0.2f));
    EXPECT_EQ (modulation.position(), 31);
    EXPECT_EQ (watcher.values, (std::vector<int> { 40, 30, 31, 32, 31 }));

    modulation.showPosition (0);
    watcher.values.clear();
    modulation.mouseWheelMove (pointerEvent (modulation, at, at, false), wheelNotch (-0.2f));
    EXPECT_EQ (modulation.position(), 0);
    EXPECT_TRUE (watcher.values.empty()) << "a notch against the end changes nothing and sends nothing";
}

TEST (WheelCnt, ValuesFromOutsideAreDrawnWithoutBroadcastAndBadOnesIgnored)
{
    WheelCnt pitch (WheelCnt::Kind::pitch);
    WheelWatcher watcher (pitch);
    pitch.showPosition (127);
    EXPECT_EQ (pitch.position(), 127);
    EXPECT_EQ (pitch.frame(), 34);
    pitch.showPosition (128);
    pitch.showPosition (-1);
    EXPECT_EQ (pitch.position(), 127);
    pitch.showPosition (64);
    EXPECT_EQ (pitch.frame(), 17);
    EXPECT_TRUE (watcher.values.empty());
}

TEST (WheelCnt, DrawsTheFrameOfItsValue)
{
    WheelCnt modulation (WheelCnt::Kind::modulation);
    const auto snapshot = [&]
    {
        juce::Image image (juce::Image::RGB, WheelCnt::wheelWidth, WheelCnt::wheelHeight, true);
        juce::Graphics g (image);
        modulation.paintEntireComponent (g, false);
        return image;
    };
    const auto atRest = snapshot();
    modulation.showPosition (127);
    const auto atTop = snapshot();
    int differing = 0;
    for (int y = 0; y < WheelCnt::wheelHeight; ++y)
        differing += atRest.getPixelAt (22, y) != atTop.getPixelAt (22, y) ? 1 : 0;
    EXPECT_GT (differing, 20) << "the wheel turns in the picture";
}
