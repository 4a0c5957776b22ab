#pragma once

#include "EditorSection.h"
#include "FieldControls.h"

#include <array>
#include <memory>
#include <vector>

namespace zr9
{

/**
    The program editor's layers page: every layer of the program (up to 32)
    as a row with its name (or its key map's name, for a layer without a
    name of its own), its key range, its switch, its tuning, its key map and
    its level. Rows scroll when the program has more layers than fit.
    Message thread.
*/
class ProgramLayersPage : public juce::Component
{
public:
    ProgramLayersPage (ProgramEditSession& session, const ObjectNameSource& names);

    void refresh();

    /** Rows shown: the program's layer count, at most 32. */
    int rowsShown() const noexcept { return shown; }
    GskCont* control (int layer, const juce::String& caption);
    /** The name a layer row shows. */
    juce::String layerTitle (int layer) const;

    static const std::vector<ProgramFieldSpec>& fields();

    void resized() override;
    void paint (juce::Graphics& g) override;

private:
    struct Row : juce::Component
    {
        juce::Label number, name;
        std::vector<std::unique_ptr<GskCont>> controls;
        void resized() override;
        void paint (juce::Graphics& g) override;
    };

    juce::String titleOf (int layer) const;

    ProgramEditSession& session;
    const ObjectNameSource& names;
    juce::Label heading;
    juce::Viewport viewport;
    juce::Component rowsHolder;
    std::vector<std::unique_ptr<Row>> rows;
    int shown = 0;
};

} // namespace zr9
