// Draws the skin pictures of the program into PNG files at build time.
// usage: zr9_draw_pictures OUTPUT_DIR

#include "KeyboardPictures.h"
#include "MixerPictures.h"
#include "PictureFile.h"

#include <juce_events/juce_events.h>
#include <juce_graphics/juce_graphics.h>

#include <functional>
#include <iostream>

namespace
{
using juce::Colour;
using juce::Graphics;

// The maker's name and the instrument's, side by side, in the band above the pages.
void drawLogo (Graphics& g)
{
    const juce::Rectangle<float> area (0.0f, 0.0f, 225.0f, 24.0f);
    g.setColour (Colour (0xffd8d2c4));
    g.setFont (juce::Font ("Arial", 20.0f, juce::Font::bold).withExtraKerningFactor (0.18f));
    g.drawText ("HALVORN", area.withWidth (150.0f), juce::Justification::centredLeft);
    g.setColour (Colour (0xffe0462e));
    g.fillRoundedRectangle (158.0f, 2.0f, 66.0f, 20.0f, 4.0f);
    g.setColour (Colour (0xff111111));
    g.setFont (juce::Font ("Arial", 17.0f, juce::Font::bold));
    g.drawText ("ZR9", juce::Rectangle<float> (158.0f, 2.0f, 66.0f, 20.0f), juce::Justification::centred);
}

// The strip under the pages; its grip shows that the keyboard panel can be pulled up from here.
void drawFooterStrip (Graphics& g)
{
    const int w = 1028, h = 20;
    g.setGradientFill (juce::ColourGradient (Colour (0xff3a3a3a), 0.0f, 0.0f, Colour (0xff1c1c1c), 0.0f, (float) h, false));
    g.fillRect (0, 0, w, h);
    g.setColour (Colour (0xff5a5a5a));
    g.drawHorizontalLine (0, 0.0f, (float) w);
    g.setColour (Colour (0xff8a8a8a));
    for (int i = 0; i < 3; ++i)
        g.fillRoundedRectangle ((float) (w / 2 - 30), (float) (5 + 4 * i), 60.0f, 2.0f, 1.0f);
}

// A dark, slightly brushed panel that pages may draw behind their controls.
void drawPageBackdrop (Graphics& g)
{
    const int w = 256, h = 256;
    g.fillAll (Colour (0xff262626));
    juce::Random random (9);
    for (int y = 0; y < h; ++y)
    {
        g.setColour (Colour (0xff262626).brighter (random.nextFloat() * 0.08f));
        g.drawHorizontalLine (y, 0.0f, (float) w);
    }
}

void drawNameSlot (Graphics& g, int h)
{
    const float w = 58.0f;
    g.setGradientFill (juce::ColourGradient (Colour (0xff23303a), 0.0f, 0.0f, Colour (0xff10161b), 0.0f, (float) h, false));
    g.fillRoundedRectangle (0.0f, 0.0f, w, (float) h, 3.0f);
    g.setColour (Colour (0xff3d5566));
    g.drawRoundedRectangle (0.5f, 0.5f, w - 1.0f, (float) h - 1.0f, 3.0f, 1.0f);
}
} // namespace

int main (int argc, char** argv)
{
    // Fonts and their caches are framework singletons; this releases them before the tool ends.
    const juce::ScopedJuceInitialiser_GUI framework;
    if (argc != 2)
    {
        std::cerr << "usage: zr9_draw_pictures OUTPUT_DIR\n";
        return 2;
    }
    const juce::File dir (juce::File::getCurrentWorkingDirectory().getChildFile (juce::String (argv[1])));
    if (! dir.createDirectory())
        return 1;

    // Every picture is drawn at twice its size on screen, so it stays sharp when the program is scaled up.
    constexpr int scale = 2;
    bool ok = writePicture (dir, "logo", 225, 24, drawLogo, scale);
    ok = ok && writePicture (dir, "footer_strip", 1028, 20, drawFooterStrip, scale);
    ok = ok && writePicture (dir, "page_backdrop", 256, 256, drawPageBackdrop, scale);
    ok = ok && writePicture (dir, "name_slot", 58, 44, [] (Graphics& g) { drawNameSlot (g, 44); }, scale);
    ok = ok && writePicture (dir, "name_slot_compact", 58, 18, [] (Graphics& g) { drawNameSlot (g, 18); }, scale);
    ok = ok && drawKeyboardPictures (dir);
    ok = ok && drawMixerPictures (dir);

    if (! ok)
    {
        std::cerr << "zr9_draw_pictures: could not write the pictures into " << argv[1] << "\n";
        return 1;
    }
    return 0;
}
