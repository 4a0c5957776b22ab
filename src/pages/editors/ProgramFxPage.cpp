#include "ProgramFxPage.h"

#include "model/DisplayTypes.h"
#include "ui/SkinPalette.h"

namespace zr9
{

namespace
{
    namespace c = program::common;
    constexpr int lastChain = 8192;
    constexpr int columnWidth = 300;
} // namespace

const std::vector<ProgramFxPage::Column>& ProgramFxPage::columns()
{
    static const std::vector<Column> list {
        { "Insert FX",
          { { { "Insert FX", 0, lastChain, display::fxChainName, GskStyle::chainChooser }, c::fxWord109 },
            { { "Insert Output Main/Sec.", 0, 1, display::mainOrSecondary, GskStyle::chainChooser }, c::fxSwitch108 (0) } } },
        { "Aux 1",
          { { { "Aux 1", 0, lastChain, display::fxChainName, GskStyle::chainChooser }, c::fxWord121 },
            { { "Send", 0, 127, display::plainNumber, GskStyle::knob }, c::fxValue111 },
            { { "Mod:", 0, 1, display::onOff, GskStyle::button }, c::fxSwitch111 },
            { { "Type", 0, 127, display::controllerDestination, GskStyle::chainChooser }, c::fxByte115 },
            { { "Aux 1 Output Main/Sec.", 0, 1, display::mainOrSecondary, GskStyle::chainChooser }, c::fxSwitch108 (1) },
            { { "Aux 1 Output Pre/Post", 0, 1, display::preOrPost, GskStyle::chainChooser }, c::fxSwitch120 } } },
        { "Aux 2",
          { { { "Aux 2", 0, lastChain, display::fxChainName, GskStyle::chainChooser }, c::fxWord133 },
            { { "Send", 0, 127, display::plainNumber, GskStyle::knob }, c::fxValue112 },
            { { "Mod:", 0, 1, display::onOff, GskStyle::button }, c::fxSwitch112 },
            { { "Type", 0, 127, display::controllerDestination, GskStyle::chainChooser }, c::fxByte116 },
            { { "Aux 2 Output Main/Sec.", 0, 1, display::mainOrSecondary, GskStyle::chainChooser }, c::fxSwitch108 (2) },
            { { "Aux 2 Output Pre/Post", 0, 1, display::preOrPost, GskStyle::chainChooser }, c::fxSwitch132 } } },
    };
    return list;
}

ProgramFxPage::ProgramFxPage (ProgramEditSession& s, const ObjectNameSource& names) : session (s)
{
    for (const auto& column : columns())
    {
        sections.push_back (std::make_unique<EditorSection> (column.heading));
        addAndMakeVisible (*sections.back());
        controls.emplace_back();
        for (const auto& spec : column.fields)
        {
            controls.back().push_back (makeProgramControl (session, spec, &names));
            addAndMakeVisible (*controls.back().back());
        }
    }
    refresh();
}

void ProgramFxPage::refresh()
{
    for (auto& column : controls)
        for (auto& c : column)
            c->refresh();
}

GskCont* ProgramFxPage::control (int column, const juce::String& caption)
{
    if (column < 0 || column >= (int) controls.size())
        return nullptr;
    for (auto& c : controls[(size_t) column])
        if (c->caption() == caption)
            return c.get();
    return nullptr;
}

void ProgramFxPage::paint (juce::Graphics& g)
{
    g.fillAll (skin::colours::window);
}

void ProgramFxPage::resized()
{
    constexpr int gap = editorlook::gap;
    auto area = getLocalBounds().reduced (gap);
    const int height = editorlook::headingHeight + gap + (editorlook::chooserHeight + gap) * 5 + editorlook::knobHeight + 2 * gap;
    area = area.removeFromTop (height);
    for (std::size_t col = 0; col < sections.size(); ++col)
    {
        sections[col]->setBounds (area.removeFromLeft (columnWidth));
        area.removeFromLeft (gap);

        auto inside = sections[col]->content();
        inside.removeFromTop (gap / 2);
        for (auto& c : controls[col])
        {
            const auto style = c->style();
            const int h = style == GskStyle::knob ? editorlook::knobHeight : editorlook::chooserHeight;
            auto row = inside.removeFromTop (h);
            inside.removeFromTop (gap);
            if (style == GskStyle::knob)
                row = row.withSizeKeepingCentre (80, h);
            else if (style == GskStyle::button)
                row = row.withSizeKeepingCentre (120, 26);
            c->setBounds (row);
        }
    }
}

} // namespace zr9
