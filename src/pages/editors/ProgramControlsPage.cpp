#include "ProgramControlsPage.h"

#include "model/DisplayTypes.h"
#include "model/ObjectTypes.h"
#include "model/ValueText.h"
#include "model/ParameterNames.h"
#include "ui/SkinFonts.h"
#include "ui/SkinPalette.h"

namespace zr9
{

namespace
{
    constexpr int routeRowHeight = 32;
    constexpr int insertChainGroup = 0;

    /** The FX page's three chains, in the order of the decoded groups 0 to 2. */
    const program::Field chainFields[] { program::common::fxWord109, program::common::fxWord121, program::common::fxWord133 };
    const char* const chainOwners[] { "Insert FX", "Aux 1", "Aux 2" };

    const ControlSpec routeAmount { "Amount", 0, 255, display::plainNumber, GskStyle::chainChooser };
    const ControlSpec routeSwitch { "Switch", 0, 1, display::onOff, GskStyle::button };
} // namespace

/** A read-only table of named-control lines. */
class ProgramControlsPage::LineTable : public juce::TableListBox, private juce::TableListBoxModel
{
public:
    LineTable (const std::vector<Line>& l, bool withOwner) : lines (l)
    {
        setModel (this);
        setRowHeight (20);
        setColour (juce::ListBox::backgroundColourId, skin::colours::sectionFace);
        auto& h = getHeader();
        h.setColour (juce::TableHeaderComponent::backgroundColourId, skin::colours::window.brighter (0.12f));
        h.setColour (juce::TableHeaderComponent::textColourId, skin::colours::text);
        h.setColour (juce::TableHeaderComponent::outlineColourId, skin::colours::sectionFrame);
        h.setColour (juce::TableHeaderComponent::highlightColourId, skin::colours::window.brighter (0.2f));
        int id = 1;
        if (withOwner)
            h.addColumn ("Effect", id++, 150);
        h.addColumn ("Control", id++, 130);
        h.addColumn ("Value", id++, 50);
        h.addColumn ("Description", id++, 200);
        h.setStretchToFitActive (true);
        owner = withOwner;
    }

    int getNumRows() override { return (int) lines.size(); }

    void paintRowBackground (juce::Graphics& g, int row, int, int, bool rowSelected) override
    {
        const auto plain = row % 2 == 0 ? skin::colours::sectionFace : skin::colours::sectionFace.brighter (0.04f);
        g.fillAll (rowSelected ? skin::colours::tableRowChosen : plain);
    }

    void paintCell (juce::Graphics& g, int row, int column, int width, int height, bool) override
    {
        if (row < 0 || row >= (int) lines.size())
            return;
        const auto& line = lines[(size_t) row];
        const int field = owner ? column : column + 1;
        const juce::String text = field == 1 ? line.owner : field == 2 ? line.control : field == 3 ? line.value : line.description;
        g.setColour (field == 2 ? skin::colours::text : skin::colours::textDim.brighter (0.3f));
        g.setFont (skin::font (12.0f, field == 2));
        g.drawText (text, 4, 0, width - 6, height, juce::Justification::centredLeft, true);
    }

private:
    const std::vector<Line>& lines;
    bool owner = false;
};

ProgramControlsPage::ProgramControlsPage (ProgramEditSession& s, const ObjectNameSource& n) : session (s), names (n)
{
    for (auto* section : { &ownSection, &chainSection, &routeSection })
        addAndMakeVisible (section);
    ownTable = std::make_unique<LineTable> (own, false);
    chainTable = std::make_unique<LineTable> (chains, true);
    addAndMakeVisible (*ownTable);
    addAndMakeVisible (*chainTable);

    for (int a = 0; a < ProgramInfoLists::entries; ++a)
    {
        auto row = std::make_unique<RouteRow>();
        editorlook::style (row->number, 12.0f, true, juce::Justification::centred);
        editorlook::style (row->source, 12.0f);
        editorlook::style (row->target, 12.0f);
        row->number.setText (juce::String (a + 1), juce::dontSendNotification);
        for (auto* l : { &row->number, &row->source, &row->target })
            row->addAndMakeVisible (l);
        for (int byte : { 2, 3 })
        {
            const auto& spec = byte == 2 ? routeAmount : routeSwitch;
            row->controls.push_back (makeEditorControl (
                spec, [this, a, byte] { return session.routeByte (a, byte); },
                [this, a, byte] (int v) { session.setRouteByte (a, byte, v); }, [this] { session.beginGesture(); }, nullptr));
            row->addAndMakeVisible (*row->controls.back());
        }
        routeHolder.addChildComponent (*row);
        routeRows.push_back (std::move (row));
    }
    routeView.setViewedComponent (&routeHolder, false);
    routeView.setScrollBarsShown (true, false);
    addAndMakeVisible (routeView);
    editorlook::style (noRoutes, 13.0f, false, juce::Justification::centred);
    noRoutes.setText ("This program has no control routes.", juce::dontSendNotification);
    addChildComponent (noRoutes);
    refresh();
}

ProgramControlsPage::~ProgramControlsPage() = default;

std::vector<ProgramControlsPage::Line> ProgramControlsPage::linesOf (const ProgramInfoLists::Group& group, const juce::String& owner)
{
    std::vector<Line> out;
    const int count = std::min (group.count, ProgramInfoLists::entries);
    for (int k = 0; k < count; ++k)
    {
        const int a = group.valueA[(size_t) k];
        const int b = group.valueB[(size_t) k];
        out.push_back ({ owner, juce::String (physicalControlName (a)), b < 0 ? juce::String ("-") : juce::String (b),
                         juce::String (group.text[(size_t) k]).trim() });
    }
    return out;
}

void ProgramControlsPage::refresh()
{
    auto& object = session.object();
    object.decodeBlocks();
    for (int g = insertChainGroup; g < ProgramInfoLists::programGroup; ++g)
    {
        const int chain = object.get (chainFields[g]);
        object.decodeChainInfo (g, ByteView (session.state().model().fxChains().fxInfoBlock (chain)));
    }
    const auto lists = object.infoLists();

    own = linesOf (lists.group[ProgramInfoLists::programGroup], {});
    chains.clear();
    for (int g = insertChainGroup; g < ProgramInfoLists::programGroup; ++g)
    {
        const int chain = object.get (chainFields[g]);
        const auto chainName = juce::String (names.objectName (typeFxChain, chain)).trimEnd();
        for (auto line : linesOf (lists.group[(size_t) g], chainOwners[g]))
        {
            line.owner = juce::String (chainOwners[g]) + (chainName.isEmpty() ? juce::String() : ": " + chainName);
            chains.push_back (line);
        }
    }
    ownTable->updateContent();
    ownTable->repaint();
    chainTable->updateContent();
    chainTable->repaint();

    routeCount = std::min (lists.routeCount, ProgramInfoLists::entries);
    for (int a = 0; a < (int) routeRows.size(); ++a)
    {
        auto& row = *routeRows[(size_t) a];
        row.setVisible (a < routeCount);
        if (a >= routeCount)
            continue;
        row.source.setText (physicalControlName (lists.routeByte[0][(size_t) a]), juce::dontSendNotification);
        row.target.setText ("Target " + juce::String (lists.routeByte[1][(size_t) a]), juce::dontSendNotification);
        for (auto& c : row.controls)
            c->refresh();
    }
    noRoutes.setVisible (routeCount == 0);
    resized();
}

GskCont* ProgramControlsPage::routeControl (int a, const juce::String& caption)
{
    if (a < 0 || a >= (int) routeRows.size())
        return nullptr;
    for (auto& c : routeRows[(size_t) a]->controls)
        if (c->caption() == caption)
            return c.get();
    return nullptr;
}

void ProgramControlsPage::paint (juce::Graphics& g)
{
    g.fillAll (skin::colours::window);
}

void ProgramControlsPage::resized()
{
    constexpr int gap = editorlook::gap;
    auto area = getLocalBounds().reduced (gap);
    auto left = area.removeFromLeft (area.getWidth() / 2 - gap / 2);
    area.removeFromLeft (gap);

    ownSection.setBounds (left.removeFromTop (left.getHeight() / 2 - gap / 2));
    left.removeFromTop (gap);
    chainSection.setBounds (left);
    routeSection.setBounds (area);
    ownTable->setBounds (ownSection.content());
    chainTable->setBounds (chainSection.content());

    const auto routes = routeSection.content();
    routeView.setBounds (routes);
    noRoutes.setBounds (routes.withHeight (40));
    const int width = std::max (0, routes.getWidth() - routeView.getScrollBarThickness());
    routeHolder.setSize (width, routeRowHeight * routeCount);
    for (int a = 0; a < (int) routeRows.size(); ++a)
        routeRows[(size_t) a]->setBounds (0, routeRowHeight * a, width, routeRowHeight);
}

void ProgramControlsPage::RouteRow::resized()
{
    auto area = getLocalBounds().reduced (2, 3);
    number.setBounds (area.removeFromLeft (26));
    source.setBounds (area.removeFromLeft (130));
    target.setBounds (area.removeFromLeft (70));
    area.removeFromLeft (editorlook::gap);
    controls[0]->setBounds (area.removeFromLeft (90));
    area.removeFromLeft (editorlook::gap);
    controls[1]->setBounds (area.removeFromLeft (80));
}

void ProgramControlsPage::RouteRow::paint (juce::Graphics& g)
{
    g.setColour (skin::colours::window.brighter (0.06f));
    g.fillRoundedRectangle (getLocalBounds().toFloat().reduced (1.0f), 4.0f);
}

} // namespace zr9
