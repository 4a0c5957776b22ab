#pragma once

#include "ObjectSelector.h"
#include "ui/PageCommands.h"

namespace zr9
{

/**
    The setup selector (page type 114): every setup of the setup bank with
    its number, name and zone count. The current multi (live row 2304) is
    lit; selecting sets it with sending. "FAVORITES" opens the favourites
    panel in setup mode.
*/
class StpSelClass : public ObjectSelector
{
public:
    static constexpr int pageType = selectortype::setup;

    explicit StpSelClass (MidiCntrState& controller, FavoritesFile* favoritesFile = nullptr);

protected:
    int currentNumber() const override;
    void apply (int number) override;
    bool followsRow (int row) const override { return row == LiveTable::rowMulti; }
    std::vector<SelectorEntry> buildEntries() override;
};

} // namespace zr9
