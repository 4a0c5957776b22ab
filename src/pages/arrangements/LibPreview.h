#pragma once

#include "model/ByteView.h"
#include "model/MidiChannels.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <vector>

namespace zr9
{

class ObjProgramBankClass;

/**
    What the selected library entry plays: the entry's name as the title and
    one row per MIDI channel ("1." to "16.") with the program number as four
    digits, the program's name from the program bank, and its category and
    sub-type. An entry whose data is not an arrangement state shows its
    title and no program rows. Message thread.
*/
class LibPreview : public juce::Component
{
public:
    static constexpr int width = 280;
    static constexpr int height = 520;

    struct Row
    {
        juce::String channel;  // "1." to "16."
        juce::String number;   // "0261"
        juce::String name;     // from the program bank; empty when the bank has no such program
        juce::String category; // the category's name, empty when the bank has no such program
        juce::String subType;
    };

    /** Fills the panel from an entry's name and arrangement data. */
    void show (const juce::String& title, ByteView arrangementData, const ObjProgramBankClass& programs);

    const juce::String& title() const noexcept { return heading; }
    const std::vector<Row>& rows() const noexcept { return programRows; }

    void paint (juce::Graphics& g) override;

private:
    juce::String heading;
    std::vector<Row> programRows;
};

} // namespace zr9
