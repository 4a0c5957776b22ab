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
        d.canAudition = true;
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
        auditionChanged();
        if (onChannelChosen != nullptr)
            onChannelChosen();
    };
    setHeader (&chooser);
    onAudition = [this] { auditionPressed(); };
    updateActions();
    controllerState.audition().addListener (this);
}

PrgSelClass::~PrgSelClass()
{
    controllerState.audition().removeListener (this);
}

void PrgSelClass::auditionPressed()
{
    auto& audition = controllerState.audition();
    if (const auto now = audition.current(); now.has_value() && now->channel == channel())
    {
        audition.stop();
        return;
    }
    const int number = currentNumber();
    if (! audition.start (channel(), number))
        showStatus (controllerState.connection().isConnected() ? "Program " + juce::String (number) + " is not in the library."
                                                               : juce::String ("Nothing to audition on: the instrument is not on line."),
                    true);
}

void PrgSelClass::auditionChanged()
{
    const auto now = controllerState.audition().current();
    const bool here = now.has_value() && now->channel == channel();
    setBanner (here ? juce::String (ProgramAudition::describe (*now)) : juce::String());
    // Lit while it lasts; a press then ends it.
    actionButton (actionAudition).setSelected (here);
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
    auditionChanged();
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
