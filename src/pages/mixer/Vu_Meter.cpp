#include "Vu_Meter.h"

#include "ui/ControlPictures.h"

#include <algorithm>

namespace zr9
{

Vu_Meter::Vu_Meter (Clock& clock)
    : decay (clock.makeTimer ([this] { tick(); })), lit (skin::meterLit()), unlit (skin::meterUnlit())
{
    setInterceptsMouseClicks (false, false);
}

void Vu_Meter::showVelocity (int velocity)
{
    velocity = std::clamp (velocity, 0, maxLevel);
    if (velocity == 0 || velocity < currentLevel)
        return;
    currentLevel = velocity;
    repaint();
    decay->start (decayMs);
}

void Vu_Meter::tick()
{
    currentLevel -= decayStep;
    if (currentLevel < floorLevel)
    {
        currentLevel = 0;
        decay->stop();
    }
    repaint();
}

void Vu_Meter::paint (juce::Graphics& g)
{
    const auto area = getLocalBounds().toFloat();
    g.drawImage (unlit, area, juce::RectanglePlacement::stretchToFit);
    const int h = litHeight();
    if (h <= 0)
        return;
    // The lit part is the bottom of the lit picture, so its colours stay where they belong.
    const int scale = skin::pictureScale;
    g.drawImage (lit, 0, getHeight() - h, getWidth(), h, 0, lit.getHeight() - h * scale, lit.getWidth(), h * scale);
}

} // namespace zr9
