#pragma once

#include "EditorSection.h"
#include "FieldControls.h"

#include <memory>
#include <vector>

namespace zr9
{

/**
    The program editor's common page: the common values of bytes 32 to 83
    and the five switches of byte 61, grouped as the instrument groups them
    (pitch bend, output, play switches, portamento), what the program is
    made of (its layer count and mode), and the layer summary: each layer's
    name, key range, key map and level. Message thread.
*/
class ProgramCommonPage : public juce::Component
{
public:
    ProgramCommonPage (ProgramEditSession& session, const ObjectNameSource& names);
    ~ProgramCommonPage() override;

    /** Reads every value from the edit object again. */
    void refresh();

    /** The control with this caption, or nullptr. */
    GskCont* control (const juce::String& caption);
    /** The fields the page edits, in the order of its controls. */
    static const std::vector<ProgramFieldSpec>& fields();

    /** The layer summary's line for layer k as the page shows it, its columns apart by tabs. */
    juce::String summaryLine (int k) const;
    int summaryRows() const noexcept { return summaryCount; }

    void resized() override;
    void paint (juce::Graphics& g) override;

private:
    class Summary;
    ProgramEditSession& session;
    const ObjectNameSource& names;
    EditorSection bend { "Pitch Bend" }, output { "Output" }, play { "Play" }, portamento { "Portamento" }, makeUp { "Program" },
                  layerSummary { "Layer Summary" };
    std::vector<std::unique_ptr<GskCont>> controls;
    juce::Label layers, mode;
    std::unique_ptr<Summary> summaryModel;
    juce::ListBox summary;
    std::vector<juce::String> summaryLines;
    int summaryCount = 0;
};

} // namespace zr9
