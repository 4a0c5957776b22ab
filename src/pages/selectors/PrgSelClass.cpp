#include "PrgSelClass.h"

#include "SelectorSources.h"

#include "controller/MidiCntrState.h"

namespace zr9
{

namespace
{
    ObjectSelector::Description programDescription()
    {
        ObjectSelector::Description d;
        d.title = "PROGRAMS";
        d.singular = "program";
        d.plural = "programs";
        d.extraColumns = { { "Category", 160 }, { "Mode", 70 } };
        d.categories = selectorsource::programCategories();
        d.factoryAndUser = true;
        d.hasEditor = true;
        d.favoritesMode = FavoriteCont::modePrograms;
        d.emptyText = "The program bank holds no programs";
        return d;
    }
} // namespace

PrgSelClass::PrgSelClass (MidiCntrState& p, FavoritesFile* favourites)
    : ObjectSelector (p, p.model().programBank(), programDescription(), favourites), chooser (p)
{
    chooser.onChosen = [this] (int)
    {
        showCurrent();
        if (onChannelChosen != nullptr)
            onChannelChosen();
    };
    setHeader (&chooser);
}

int PrgSelClass::channel() const noexcept
{
    return controllerState.midiChannel() - 1;
}

int PrgSelClass::programRow() const noexcept
{
    return LiveTable::channelRow (channel(), LiveTable::slotProgram);
}

void PrgSelClass::channelChanged()
{
    chooser.showChannel();
    showCurrent();
}

int PrgSelClass::currentNumber() const
{
    const int shown = controllerState.getLiveValue (programRow());
    return shown >= 1 ? shown : controllerState.currentProgram (channel());
}

void PrgSelClass::apply (int number)
{
    controllerState.chooseLiveValue (number, programRow());
}

bool PrgSelClass::followsRow (int row) const
{
    return row == programRow();
}

std::vector<SelectorEntry> PrgSelClass::buildEntries()
{
    return selectorsource::programs (controllerState.model().programBank());
}

} // namespace zr9
