#include "StpSelClass.h"

#include "SelectorSources.h"

#include "controller/MidiCntrState.h"

namespace zr9
{

namespace
{
    ObjectSelector::Description setupDescription()
    {
        ObjectSelector::Description d;
        d.title = "MULTIS";
        d.singular = "multi";
        d.plural = "multis";
        d.extraColumns = { { "Zones", 70 } };
        d.factoryAndUser = true;
        d.hasEditor = true;
        d.favoritesMode = FavoriteCont::modeSetups;
        d.emptyText = "The setup bank holds no multis";
        return d;
    }
} // namespace

StpSelClass::StpSelClass (MidiCntrState& p, FavoritesFile* favourites)
    : ObjectSelector (p, p.model().setupBank(), setupDescription(), favourites)
{
}

int StpSelClass::currentNumber() const
{
    return std::max (1, controllerState.getLiveValue (LiveTable::rowMulti));
}

void StpSelClass::apply (int number)
{
    controllerState.chooseLiveValue (number, LiveTable::rowMulti);
}

std::vector<SelectorEntry> StpSelClass::buildEntries()
{
    return selectorsource::setups (controllerState.model().setupBank());
}

} // namespace zr9
