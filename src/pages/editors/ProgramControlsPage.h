#pragma once

#include "EditorSection.h"
#include "FieldControls.h"

#include "model/ProgramInfoLists.h"

#include <memory>
#include <vector>

namespace zr9
{

/**
    The program editor's page of named controls and routes: what each of
    the program's named controls does (the instrument's physical control, its
    value and its description), the named controls of the three FX chains of
    the FX page, and the program's control routes, whose amount and switch
    bytes can be changed. Message thread.
*/
class ProgramControlsPage : public juce::Component
{
public:
    ProgramControlsPage (ProgramEditSession& session, const ObjectNameSource& names);
    ~ProgramControlsPage() override;

    void refresh();

    /** One line of a named-control list as the page shows it: the list, the control, the value, the description. */
    struct Line
    {
        juce::String owner, control, value, description;
    };
    const std::vector<Line>& programLines() const noexcept { return own; }
    const std::vector<Line>& chainLines() const noexcept { return chains; }
    int routesShown() const noexcept { return routeCount; }
    /** The control of route entry a: "Amount" (byte 2) or "Switch" (byte 3). */
    GskCont* routeControl (int a, const juce::String& caption);

    void resized() override;
    void paint (juce::Graphics& g) override;

private:
    class LineTable;
    struct RouteRow : juce::Component
    {
        juce::Label number, source, target;
        std::vector<std::unique_ptr<GskCont>> controls;
        void resized() override;
        void paint (juce::Graphics& g) override;
    };

    static std::vector<Line> linesOf (const ProgramInfoLists::Group& group, const juce::String& owner);

    ProgramEditSession& session;
    const ObjectNameSource& names;
    EditorSection ownSection { "Named Controls" }, chainSection { "FX Chain Controls" }, routeSection { "Control Routes" };
    std::vector<Line> own, chains;
    std::unique_ptr<LineTable> ownTable, chainTable;
    juce::Viewport routeView;
    juce::Component routeHolder;
    std::vector<std::unique_ptr<RouteRow>> routeRows;
    juce::Label noRoutes;
    int routeCount = 0;
};

} // namespace zr9
