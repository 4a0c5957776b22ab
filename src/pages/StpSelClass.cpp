#include "StpSelClass.h"

#include "SelectorSources.h"

#include "library/RevuDIAudioProcessor.h"

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

StpSelClass::StpSelClass (RevuDIAudioProcessor& p)
    : ObjectSelector (p, p.controller().model().setupBank(), setupDescription())
{
}

int StpSelClass::currentNumber() const
{
    return std::max (1, processor.controller().getLiveValue (LiveTable::rowMulti));
}

void StpSelClass::apply (int number)
{
    processor.setLiveValue (number, LiveTable::rowMulti, true);
}

std::vector<SelectorEntry> StpSelClass::buildEntries()
{
    return selectorsource::setups (processor.controller().model().setupBank());
}

} // namespace zr9
