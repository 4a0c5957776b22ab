#pragma once

#include "ProgramEditSession.h"

#include "model/ProgramFields.h"
#include "ui/GskCont.h"

#include <memory>

namespace zr9
{

/** A value control of an editor page: its caption, range, display type and style. */
struct ControlSpec
{
    const char* caption;
    int minimum;
    int maximum;
    int displayType;
    GskStyle style;
};

/** A program field with the control that edits it. */
struct ProgramFieldSpec
{
    ControlSpec control;
    program::Field field;
};

/**
    A value control bound to an editor's value: it reads with `read` and
    hands each value the user chooses to `write`; each move of the user's
    (a drag, a wheel run, a typed value, a click) begins a new undo step
    (`beginGesture`).
*/
std::unique_ptr<GskCont> makeEditorControl (const ControlSpec& spec, std::function<int()> read, std::function<void (int)> write,
                                            std::function<void()> beginGesture, const ObjectNameSource* names);

/** A value control bound to a common field of the session's program. */
std::unique_ptr<GskCont> makeProgramControl (ProgramEditSession& session, const ProgramFieldSpec& spec,
                                             const ObjectNameSource* names = nullptr);

/** A value control bound to a field of layer k of the session's program. */
std::unique_ptr<GskCont> makeLayerControl (ProgramEditSession& session, int k, const ProgramFieldSpec& spec,
                                           const ObjectNameSource* names = nullptr);

} // namespace zr9
