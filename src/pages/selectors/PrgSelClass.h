#pragma once

#include "ui/ChannelChooser.h"
#include "ObjectSelector.h"
#include "ui/PageCommands.h"

namespace zr9
{

/**
    The program selector (page type 11): every program of the program bank
    with its number, name, category and mode, filtered by category and bank.
    It works on the controller's MIDI channel, chosen under the title: the
    program that channel plays is lit, and selecting sets the channel's
    program row with sending, so the instrument plays it at once.
    "FAVORITES" opens the favourites panel in program mode.

    "AUDITION" plays the library's copy of the lit program on the channel
    without storing it (the controller's ProgramAudition); a line over the
    list says so while it lasts, the button stays lit, and a press on it
    then ends it, putting the instrument's own program back. Choosing any program ends it too.
*/
class PrgSelClass : public ObjectSelector,
                    private ProgramAudition::Listener
{
public:
    static constexpr int pageType = selectortype::program;

    explicit PrgSelClass (MidiCntrState& controller, FavoritesFile* favoritesFile = nullptr);
    ~PrgSelClass() override;

    /** "AUDITION": starts an audition of the lit program, or ends the one on this channel. */
    void auditionPressed();

    /** The channel the page works on, 0 to 15. */
    int channel() const noexcept;
    ChannelChooser& channelChooser() noexcept { return chooser; }
    void channelChanged() override;
    /** Told after the user chose another channel on this page. */
    std::function<void()> onChannelChosen;

protected:
    int currentNumber() const override;
    void apply (int number) override;
    bool followsRow (int row) const override;
    std::vector<SelectorEntry> buildEntries() override;

private:
    int programRow() const noexcept;
    void auditionChanged() override;

    ChannelChooser chooser;
};

} // namespace zr9
