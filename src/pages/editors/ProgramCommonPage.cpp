#include "ProgramCommonPage.h"

#include "model/DisplayTypes.h"
#include "model/ObjectTypes.h"
#include "model/ValueText.h"
#include "ui/SkinFonts.h"
#include "ui/SkinPalette.h"

namespace zr9
{

namespace
{
    using program::Field;
    namespace c = program::common;

    constexpr Field monoSampleXfade { 83, program::FieldKind::byte };
    constexpr Field portamentoRate { 80, program::FieldKind::byte };
    constexpr Field portamentoAttack { 82, program::FieldKind::byte };

    constexpr int knobWidth = 70, wideKnobWidth = 120, buttonWidth = 112, buttonHeight = 28;
    constexpr int bendFields = 2, outputFields = 3, playFields = 6;
    // The layer summary's columns: number, key range, level, key map; the layer's own name takes the rest.
    constexpr int columnWidths[] { 30, 90, 70, 260 };
} // namespace

const std::vector<ProgramFieldSpec>& ProgramCommonPage::fields()
{
    static const std::vector<ProgramFieldSpec> list {
        { { "Pitch Bend Range Up", 0, 24, display::semitones, GskStyle::knob }, c::word32 },
        { { "Pitch Bend Range Dn", 0, 24, display::semitones, GskStyle::knob }, c::byte62 },
        { { "Out Gain", 0, 24, display::decibels, GskStyle::knob }, c::byte63 },
        { { "Out Pan", -127, 0, display::panPosition, GskStyle::knob }, c::negated78 },
        { { "Out Pan Mode", 0, 2, display::outputMode, GskStyle::knob }, c::byte65 },
        { { "Globals", 0, 1, display::onOff, GskStyle::button }, c::switch61 (0) },
        { { "Song", 0, 1, display::onOff, GskStyle::button }, c::switch61 (1) },
        { { "Drum Remap", 0, 1, display::onOff, GskStyle::button }, c::switch61 (2) },
        { { "Monophonic", 0, 1, display::onOff, GskStyle::button }, c::switch61 (3) },
        { { "Legato Play", 0, 1, display::onOff, GskStyle::button }, c::switch61 (4) },
        { { "Mono Sample Xfade", 0, 1, display::onOff, GskStyle::button }, monoSampleXfade },
        { { "Attack", 0, 127, display::plainNumber, GskStyle::knob }, portamentoAttack },
        { { "Rate", 0, 127, display::rateScale, GskStyle::knob }, portamentoRate },
    };
    return list;
}

/** The layer summary's rows. */
class ProgramCommonPage::Summary : public juce::ListBoxModel
{
public:
    explicit Summary (ProgramCommonPage& p) : page (p) {}
    int getNumRows() override { return page.summaryCount; }
    void paintListBoxItem (int row, juce::Graphics& g, int width, int height, bool) override
    {
        g.fillAll (row % 2 == 0 ? skin::colours::sectionFace : skin::colours::sectionFace.brighter (0.04f));
        g.setColour (skin::colours::text);
        g.setFont (skin::font (12.5f));
        const auto columns = juce::StringArray::fromTokens (page.summaryLine (row), "\t", {});
        int x = 6;
        for (int c = 0; c < columns.size(); ++c)
        {
            const int w = c < (int) std::size (columnWidths) ? columnWidths[c] : width - x;
            g.drawText (columns[c], x, 0, std::max (0, std::min (w, width - x) - 4), height, juce::Justification::centredLeft, true);
            x += w;
        }
    }

private:
    ProgramCommonPage& page;
};

ProgramCommonPage::ProgramCommonPage (ProgramEditSession& s, const ObjectNameSource& n) : session (s), names (n)
{
    for (auto* section : { &bend, &output, &play, &portamento, &makeUp, &layerSummary })
        addAndMakeVisible (section);
    summaryModel = std::make_unique<Summary> (*this);
    summary.setModel (summaryModel.get());
    summary.setRowHeight (20);
    summary.setColour (juce::ListBox::backgroundColourId, skin::colours::sectionFace);
    summary.setTitle ("Layer summary");
    addAndMakeVisible (summary);
    for (const auto& spec : fields())
    {
        controls.push_back (makeProgramControl (session, spec));
        addAndMakeVisible (*controls.back());
    }
    for (auto* l : { &layers, &mode })
    {
        editorlook::style (*l, 14.0f);
        addAndMakeVisible (l);
    }
    refresh();
}

ProgramCommonPage::~ProgramCommonPage()
{
    summary.setModel (nullptr);
}

juce::String ProgramCommonPage::summaryLine (int k) const
{
    return k >= 0 && k < (int) summaryLines.size() ? summaryLines[(size_t) k] : juce::String();
}

GskCont* ProgramCommonPage::control (const juce::String& caption)
{
    for (auto& c : controls)
        if (c->caption() == caption)
            return c.get();
    return nullptr;
}

void ProgramCommonPage::refresh()
{
    for (auto& c : controls)
        c->refresh();
    auto& object = session.object();
    layers.setText ("Layers: " + juce::String (object.layerCount()), juce::dontSendNotification);
    mode.setText ("Mode: " + juce::String (object.modeText()), juce::dontSendNotification);

    // Per layer: its level (byte 208), its key range (bytes 2 and 3), its key map and its name.
    summaryCount = std::min (object.layerCount(), ObjProgramEditClass::maxLayers);
    summaryLines.clear();
    for (int k = 0; k < summaryCount; ++k)
    {
        const auto layer = object.layerObject (k);
        const auto keyMap = juce::String (names.objectName (typeKeyMap, layer.keyMap())).trimEnd();
        juce::String line;
        line << (k + 1) << "\t" << valueText (layer.lowKey(), display::noteName) << " - " << valueText (layer.highKey(), display::noteName)
             << "\t" << valueText (layer.summaryValue(), display::decibels) << "\tkey map " << layer.keyMap()
             << (keyMap.isEmpty() ? juce::String() : " " + keyMap) << "\t"
             << (layer.hasOwnName() ? juce::String (layer.name()).trimEnd() : juce::String());
        summaryLines.push_back (line);
    }
    summary.updateContent();
    summary.repaint();
}

void ProgramCommonPage::paint (juce::Graphics& g)
{
    g.fillAll (skin::colours::window);
}

void ProgramCommonPage::resized()
{
    constexpr int gap = editorlook::gap;
    auto area = getLocalBounds().reduced (gap);
    auto top = area.removeFromTop (editorlook::headingHeight + editorlook::knobHeight + gap);

    const auto sectionWidth = [] (int knobs, int width = knobWidth) { return knobs * width + 2 * gap; };
    bend.setBounds (top.removeFromLeft (sectionWidth (bendFields, wideKnobWidth)));
    top.removeFromLeft (gap);
    output.setBounds (top.removeFromLeft (sectionWidth (outputFields)));
    top.removeFromLeft (gap);
    portamento.setBounds (top.removeFromLeft (sectionWidth (2)));
    top.removeFromLeft (gap);
    makeUp.setBounds (top.removeFromLeft (200));

    area.removeFromTop (gap);
    play.setBounds (area.removeFromTop (editorlook::headingHeight + buttonHeight + 2 * gap)
                        .withWidth (playFields * (buttonWidth + gap) + gap));
    area.removeFromTop (gap);
    layerSummary.setBounds (area);
    summary.setBounds (layerSummary.content());

    // The controls in the order of fields(): bend 2, output 3, play 6, portamento 2.
    std::size_t i = 0;
    const auto placeKnobs = [&] (const EditorSection& s, int count, int width = knobWidth) {
        auto row = s.content();
        for (int k = 0; k < count; ++k)
            controls[i++]->setBounds (row.removeFromLeft (width).withHeight (editorlook::knobHeight));
    };
    placeKnobs (bend, bendFields, wideKnobWidth);
    placeKnobs (output, outputFields);
    auto row = play.content().withHeight (buttonHeight).translated (0, gap / 2);
    for (int k = 0; k < playFields; ++k)
    {
        controls[i++]->setBounds (row.removeFromLeft (buttonWidth));
        row.removeFromLeft (gap);
    }
    placeKnobs (portamento, 2);

    auto info = makeUp.content();
    layers.setBounds (info.removeFromTop (24));
    mode.setBounds (info.removeFromTop (24));
}

} // namespace zr9
