#include "PlainSelectors.h"

#include "SelectorSources.h"

#include "controller/MidiCntrState.h"

namespace zr9
{

namespace
{
    ObjectSelector::Description described (const char* title, const char* singular, const char* plural, const char* emptyText)
    {
        ObjectSelector::Description d;
        d.title = title;
        d.singular = singular;
        d.plural = plural;
        d.emptyText = emptyText;
        return d;
    }

    std::vector<SelectorEntry> named (ObjBankHolder& h) { return selectorsource::named (h); }

    RK2Class& model (MidiCntrState& c) { return c.model(); }
} // namespace

PlainSelector::PlainSelector (MidiCntrState& p, ObjBankHolder& h, Description d, Builder b)
    : ObjectSelector (p, h, std::move (d)), build (std::move (b))
{
}

KmpSelClass::KmpSelClass (MidiCntrState& p)
    : PlainSelector (p, model (p).keyMap, described ("KEY MAPS", "key map", "key maps", "The key map bank holds no key maps"), named)
{
}

IntSelClass::IntSelClass (MidiCntrState& p)
    : PlainSelector (p, model (p).intonation,
                     described ("INTONATION", "intonation table", "intonation tables", "The bank holds no intonation tables"), named)
{
}

PatShiftSelClass::PatShiftSelClass (MidiCntrState& p)
    : PlainSelector (p, model (p).shiftPattern,
                     described ("SHIFT PATTERNS", "shift pattern", "shift patterns", "The bank holds no shift patterns"), named)
{
}

PatVelSelClass::PatVelSelClass (MidiCntrState& p)
    : PlainSelector (p, model (p).velocityPattern,
                     described ("VELOCITY PATTERNS", "velocity pattern", "velocity patterns", "The bank holds no velocity patterns"), named)
{
}

ArpSelClass::ArpSelClass (MidiCntrState& p)
    : PlainSelector (p, model (p).arpeggiator,
                     [] {
                         auto d = described ("ARPEGGIATORS", "arpeggiator", "arpeggiators", "The bank holds no arpeggiator settings");
                         d.extraColumns = { { "Mode", 140 } };
                         d.hasEditor = true;
                         return d;
                     }(),
                     [] (ObjBankHolder& h) { return selectorsource::arpeggiators (static_cast<ObjArpClass&> (h)); })
{
}

SongSelClass::SongSelClass (MidiCntrState& p)
    : PlainSelector (p, model (p).song,
                     described ("SONGS", "song", "songs", "No songs fetched yet: receive them from the instrument first"), named)
{
}

AlgSelClass::AlgSelClass (MidiCntrState& p)
    : PlainSelector (p, model (p).algorithm,
                     described ("ALGORITHMS", "algorithm", "algorithms", "No algorithms fetched yet: receive them from the instrument first"),
                     [] (ObjBankHolder& h) { return selectorsource::algorithms (h); })
{
}

} // namespace zr9
