#include "FieldControls.h"

namespace zr9
{

std::unique_ptr<GskCont> makeEditorControl (const ControlSpec& spec, std::function<int()> read, std::function<void (int)> write,
                                            std::function<void()> beginGesture, const ObjectNameSource* names)
{
    GskCont::Setup setup;
    setup.style = spec.style;
    setup.minimum = spec.minimum;
    setup.maximum = spec.maximum;
    setup.displayType = spec.displayType;
    setup.caption = spec.caption;

    GskBinding binding;
    binding.read = std::move (read);
    binding.write = std::move (write);
    // Each move of the user's (a drag, a wheel run, a typed value, a click on a switch) is one undo step.
    binding.beginGesture = std::move (beginGesture);
    auto control = std::make_unique<GskCont> (setup, std::move (binding), names);
    control->setAccessibleName (spec.caption);
    return control;
}

std::unique_ptr<GskCont> makeProgramControl (ProgramEditSession& session, const ProgramFieldSpec& spec, const ObjectNameSource* names)
{
    const auto field = spec.field;
    const juce::String what (spec.control.caption);
    return makeEditorControl (
        spec.control, [&session, field] { return session.get (field); },
        [&session, field, what] (int v) { session.set (field, v, what); }, [&session] { session.beginGesture(); }, names);
}

std::unique_ptr<GskCont> makeLayerControl (ProgramEditSession& session, int k, const ProgramFieldSpec& spec, const ObjectNameSource* names)
{
    const auto field = spec.field;
    const juce::String what = "Layer " + juce::String (k + 1) + " " + spec.control.caption;
    return makeEditorControl (
        spec.control, [&session, k, field] { return session.layerGet (k, field); },
        [&session, k, field, what] (int v) { session.layerSet (k, field, v, what); }, [&session] { session.beginGesture(); }, names);
}

} // namespace zr9
