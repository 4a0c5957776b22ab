#pragma once

#include "EditorSection.h"
#include "FieldControls.h"
#include "SetupEditSession.h"

#include <array>
#include <memory>
#include <vector>

namespace zr9
{

/** A setup common value with the control that edits it. */
struct SetupCommonSpec
{
    ControlSpec control;
    setup::CommonValueField field;
};

/** A zone value: a field of the zone's head, or the zone's entry (3000 + z ... 3400 + z) of a common run. */
struct SetupZoneSpec
{
    ControlSpec control;
    setup::ZoneValueField field;   // used when `run` is 0
    int run = 0;                   // 3000, 3100, ... 3400: the common value run + z
};

/**
    The setup editor's common page: the setup's values that belong to no
    zone (the header values and the common values reached by number), each
    with the instrument's text. Message thread.
*/
class SetupCommonPage : public juce::Component
{
public:
    explicit SetupCommonPage (SetupEditSession& session);
    void refresh();
    GskCont* control (const juce::String& caption);
    static const std::vector<SetupCommonSpec>& fields();
    void resized() override;
    void paint (juce::Graphics& g) override;

private:
    SetupEditSession& session;
    EditorSection header { "Setup" }, tempo { "Tempo and Arpeggiator" }, panel { "Panel" };
    std::vector<std::unique_ptr<GskCont>> controls;
    juce::Label facts;
};

/**
    The setup editor's zones page: a button per zone (up to the setup's zone
    count), and for the chosen zone its head values, its entries of the
    common value runs, and where the zone walk found its parts (start and
    length, list A and list B with their entry counts, segments C, D, F).
    Message thread.
*/
class SetupZonesPage : public juce::Component
{
public:
    SetupZonesPage (SetupEditSession& session, const ObjectNameSource& names);
    void refresh();
    void showZone (int z);
    int shownZone() const noexcept { return zone; }
    GskCont* control (const juce::String& caption);
    /** The walked lists of the shown zone as the page writes them. */
    juce::String walkText() const { return walk.getText(); }
    static const std::vector<SetupZoneSpec>& fields();
    void resized() override;
    void paint (juce::Graphics& g) override;

private:
    SetupEditSession& session;
    int zone = 0;
    std::array<std::unique_ptr<juce::TextButton>, 16> zoneButtons;
    EditorSection play { "Zone" }, keys { "Keys and Velocity" }, controllersSection { "Controllers" },
                  zoneCommon { "Zone Settings" }, walked { "Zone Data" };
    std::vector<std::unique_ptr<GskCont>> controls;
    juce::Label walk, empty;
};

} // namespace zr9
