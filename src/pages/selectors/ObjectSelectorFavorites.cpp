// The selector's side of the favourites panel: opening and closing it, and
// what a press, a hold and an assignment do (recall, light, reassign).

#include "ObjectSelector.h"

#include "controller/MidiCntrState.h"

namespace zr9
{

void ObjectSelector::showFavorites (bool shown)
{
    if (! shown || desc.favoritesMode < 0)
    {
        favorites.reset();
        favoritesButton.setSelected (false);
        return;
    }
    if (favorites != nullptr)
        return;
    favorites = std::make_unique<FavoriteCont> (controller(), favoritesFile,
                                                desc.favoritesMode);
    favorites->onEvent = [this] (int code, int slot) { favoriteEvent (code, slot); };
    favorites->onAssignChosen = [this] (int n) { favoriteAssigned (n); };
    favorites->onClose = [this]
    {
        // The panel goes after its own button's click has ended.
        favorites->setVisible (false);
        juce::MessageManager::callAsync ([self = SafePointer<ObjectSelector> (this)]
        {
            if (self != nullptr)
                self->showFavorites (false);
        });
    };
    favorites->setBounds (getLocalBounds());
    addAndMakeVisible (*favorites);
    favoritesButton.setSelected (true);
}

void ObjectSelector::favoriteEvent (int code, int slot)
{
    if (favorites == nullptr)
        return;
    if (code == FavBut::codePressed)
    {
        // A press recalls; only a hold picks the slot to reassign.
        favorites->setAssignTarget (-1);
        favorites->highlightOnly (slot);
        const auto s = controller().favorites().slot (slot);
        if (! s.isEmpty())
            recall (s.kind, s.number);
    }
    else if (code == FavBut::codeHeld)
    {
        favorites->setAssignTarget (slot);
    }
}

void ObjectSelector::favoriteAssigned (int n)
{
    if (favorites == nullptr)
        return;
    const int slot = favorites->assignTarget();
    if (slot < 0 || ! favorites->assign (slot, favorites->assignKind(), n))
        return;
    if (n > 0)
        recall (favorites->assignKind(), n);
    favorites->highlightOnly (slot);
}

void ObjectSelector::recall (int kind, int n)
{
    auto& c = controller();
    if (kind == FavoritesBlock::kindProgram)
    {
        // Only an object the bank holds is sent: a favourite may name one that is gone.
        if (! c.model().programBank().exists (n))
            return;
        c.chooseLiveValue (n, LiveTable::channelRow (c.midiChannel() - 1, LiveTable::slotProgram));
    }
    else if (kind == FavoritesBlock::kindSetup)
    {
        if (! c.model().setupBank().bank().exists (n))
            return;
        // A multi sounds only in multi mode.
        if (c.playingMode() != 2)
        {
            const ScopedLiveGesture gesture (c.gestures(), LiveTable::rowPlayingMode);
            c.switchPlayingMode (2);
        }
        c.chooseLiveValue (n, LiveTable::rowMulti);
    }
    else
    {
        return;
    }
    const int type = kind == FavoritesBlock::kindProgram ? typeProgram : typeSetup;
    if (type == objectType())
    {
        lastChosen = n;
        showCurrent();
        if (onChosen != nullptr)
            onChosen (n);
    }
}

} // namespace zr9
