#include "ProgramLayersPage.h"

#include "model/DisplayTypes.h"
#include "model/ObjectTypes.h"
#include "model/ValueText.h"
#include "ui/SkinPalette.h"

namespace zr9
{

namespace
{
    namespace l = program::layer;
    constexpr int lastKeyMap = 8192;
    constexpr int layerRowHeight = 36, numberWidth = 28, layerNameWidth = 170;
    constexpr int controlWidths[] { 70, 70, 74, 80, 230, 76 };
    constexpr int headingHeight = 22;

} // namespace

const std::vector<ProgramFieldSpec>& ProgramLayersPage::fields()
{
    static const std::vector<ProgramFieldSpec> list {
        { { "Low Key", 0, 127, display::noteName, GskStyle::chainChooser }, l::lowKey },
        { { "High Key", 0, 127, display::noteName, GskStyle::chainChooser }, l::highKey },
        { { "Active", 0, 1, display::onOff, GskStyle::button }, l::switch7 },
        { { "Tune", -100, 100, display::cents, GskStyle::chainChooser }, l::word138 },
        { { "Key Map", 0, lastKeyMap, display::keyMapName, GskStyle::chainChooser }, l::keyMap },
        { { "Level", -96, 24, display::decibels, GskStyle::chainChooser }, l::summary208 },
    };
    return list;
}

ProgramLayersPage::ProgramLayersPage (ProgramEditSession& s, const ObjectNameSource& n) : session (s), names (n)
{
    editorlook::style (heading, 13.0f, true);
    heading.setColour (juce::Label::textColourId, skin::colours::accent);
    addAndMakeVisible (heading);

    for (int k = 0; k < program::maxEditLayers; ++k)
    {
        auto row = std::make_unique<Row>();
        editorlook::style (row->number, 13.0f, true, juce::Justification::centred);
        editorlook::style (row->name, 13.0f);
        row->number.setText (juce::String (k + 1), juce::dontSendNotification);
        row->addAndMakeVisible (row->number);
        row->addAndMakeVisible (row->name);
        for (const auto& spec : fields())
        {
            row->controls.push_back (makeLayerControl (session, k, spec, &names));
            row->addAndMakeVisible (*row->controls.back());
        }
        rowsHolder.addChildComponent (*row);
        rows.push_back (std::move (row));
    }
    viewport.setViewedComponent (&rowsHolder, false);
    viewport.setScrollBarsShown (true, false);
    addAndMakeVisible (viewport);
    refresh();
}

juce::String ProgramLayersPage::titleOf (int k) const
{
    const auto layer = session.object().layerObject (k);
    if (layer.hasOwnName())
        return juce::String (layer.name()).trimEnd();
    const auto keyMap = names.objectName (typeKeyMap, layer.keyMap());
    return keyMap.empty() ? juce::String ("Layer ") + juce::String (k + 1) : juce::String (keyMap).trimEnd();
}

juce::String ProgramLayersPage::layerTitle (int k) const
{
    return k >= 0 && k < (int) rows.size() ? rows[(size_t) k]->name.getText() : juce::String();
}

void ProgramLayersPage::refresh()
{
    shown = std::min (session.object().layerCount(), program::maxEditLayers);
    heading.setText ("LAYERS: " + juce::String (shown), juce::dontSendNotification);
    for (int k = 0; k < (int) rows.size(); ++k)
    {
        auto& row = *rows[(size_t) k];
        row.setVisible (k < shown);
        if (k >= shown)
            continue;
        row.name.setText (titleOf (k), juce::dontSendNotification);
        for (auto& c : row.controls)
            c->refresh();
    }
    resized();
}

GskCont* ProgramLayersPage::control (int layer, const juce::String& caption)
{
    if (layer < 0 || layer >= (int) rows.size())
        return nullptr;
    for (auto& c : rows[(size_t) layer]->controls)
        if (c->caption() == caption)
            return c.get();
    return nullptr;
}

void ProgramLayersPage::paint (juce::Graphics& g)
{
    g.fillAll (skin::colours::window);
}

void ProgramLayersPage::resized()
{
    auto area = getLocalBounds().reduced (editorlook::gap);
    heading.setBounds (area.removeFromTop (headingHeight));
    viewport.setBounds (area);
    const int width = std::max (0, area.getWidth() - viewport.getScrollBarThickness());
    rowsHolder.setSize (width, layerRowHeight * shown);
    for (int k = 0; k < (int) rows.size(); ++k)
        rows[(size_t) k]->setBounds (0, layerRowHeight * k, width, layerRowHeight);
}

void ProgramLayersPage::Row::resized()
{
    auto area = getLocalBounds().reduced (2, 3);
    number.setBounds (area.removeFromLeft (numberWidth));
    name.setBounds (area.removeFromLeft (layerNameWidth));
    for (std::size_t i = 0; i < controls.size(); ++i)
    {
        area.removeFromLeft (editorlook::gap);
        controls[i]->setBounds (area.removeFromLeft (controlWidths[i]));
    }
}

void ProgramLayersPage::Row::paint (juce::Graphics& g)
{
    g.setColour (skin::colours::sectionFace);
    g.fillRoundedRectangle (getLocalBounds().toFloat().reduced (1.0f), 4.0f);
}

} // namespace zr9
