#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include <functional>

namespace zr9
{

/**
    The octave strip above the on-screen keys: a miniature 128-note keyboard
    (269 x 18 pixels at scale 1) with the two octaves the keys play shaded. A
    click or drag along it picks the first note of the keys' window; the
    octave the keys play is that note divided by 12.
*/
class OctaveKeyClass : public juce::Component
{
public:
    static constexpr int notesInWindow = 24;
    static constexpr int highestNote = 127;

    explicit OctaveKeyClass (float scale = 1.0f, int firstNote = 48);

    int firstNote() const noexcept { return note; }
    int octave() const noexcept { return note / 12; }
    float scale() const noexcept { return drawingScale; }

    /** Makes `note` (held to 0 to 127) the window's first note; a change calls onWindowChanged. */
    void setFirstNote (int note);
    /** The note at a horizontal position inside the strip. */
    int noteAtX (float x) const noexcept;

    /** Called after every change of the window. */
    std::function<void()> onWindowChanged;

    void paint (juce::Graphics& g) override;
    void mouseDown (const juce::MouseEvent& e) override { setFirstNote (noteAtX (e.position.x)); }
    void mouseDrag (const juce::MouseEvent& e) override { setFirstNote (noteAtX (e.position.x)); }

private:
    float drawingScale;
    int note;
    juce::Image picture;
};

} // namespace zr9
