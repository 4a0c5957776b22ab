#pragma once

#include "ObjectSelector.h"
#include "ui/PageCommands.h"

#include <functional>

namespace zr9
{

/**
    A selector over a bank the system carries by name and number: no live
    row plays its objects, so a selection is kept as the page's choice, lit,
    and handed to `onChosen` for the editor that asked for it.
*/
class PlainSelector : public ObjectSelector
{
public:
    using Builder = std::function<std::vector<SelectorEntry> (ObjBankHolder&)>;

    PlainSelector (MidiCntrState& controller, ObjBankHolder& holder, Description description, Builder build);

protected:
    std::vector<SelectorEntry> buildEntries() override { return build (holder); }

private:
    Builder build;
};

/** Key maps (page type 133). */
class KmpSelClass final : public PlainSelector
{
public:
    static constexpr int pageType = selectortype::keyMap;
    explicit KmpSelClass (MidiCntrState& controller);
};

/** Intonation tables (page type 103). */
class IntSelClass final : public PlainSelector
{
public:
    static constexpr int pageType = selectortype::intonation;
    explicit IntSelClass (MidiCntrState& controller);
};

/** Shift patterns (page type 163). */
class PatShiftSelClass final : public PlainSelector
{
public:
    static constexpr int pageType = selectortype::shiftPattern;
    explicit PatShiftSelClass (MidiCntrState& controller);
};

/** Velocity patterns (page type 164). */
class PatVelSelClass final : public PlainSelector
{
public:
    static constexpr int pageType = selectortype::velocityPattern;
    explicit PatVelSelClass (MidiCntrState& controller);
};

/** Arpeggiator settings with their mode (page type 168). */
class ArpSelClass final : public PlainSelector
{
public:
    static constexpr int pageType = selectortype::arpeggiator;
    explicit ArpSelClass (MidiCntrState& controller);
};

/** Songs (page type 112): what was fetched from the instrument. */
class SongSelClass final : public PlainSelector
{
public:
    static constexpr int pageType = selectortype::song;
    explicit SongSelClass (MidiCntrState& controller);
};

/** Algorithms (page type 787): what was fetched, by number, since they carry no name. */
class AlgSelClass final : public PlainSelector
{
public:
    static constexpr int pageType = selectortype::algorithm;
    explicit AlgSelClass (MidiCntrState& controller);
};

} // namespace zr9
