#pragma once

#include "EditorSection.h"
#include "FieldControls.h"

#include <memory>
#include <vector>

namespace zr9
{

/**
    The program editor's FX page (bytes 108 to 134): the program's insert
    effect and its two aux effects side by side, each with its FX chain (by
    number and name from the FX chain bank) and its output, the aux effects
    with their send, modulation switch and type, and the aux outputs' place
    before or after the fader. Message thread.
*/
class ProgramFxPage : public juce::Component
{
public:
    ProgramFxPage (ProgramEditSession& session, const ObjectNameSource& names);

    void refresh();
    GskCont* control (int column, const juce::String& caption);

    struct Column
    {
        const char* heading;
        std::vector<ProgramFieldSpec> fields;
    };
    /** The three columns: "Insert FX", "Aux 1", "Aux 2". */
    static const std::vector<Column>& columns();

    void resized() override;
    void paint (juce::Graphics& g) override;

private:
    ProgramEditSession& session;
    std::vector<std::unique_ptr<EditorSection>> sections;
    std::vector<std::vector<std::unique_ptr<GskCont>>> controls;
};

} // namespace zr9
