#include "EffectSelection.h"

#include "model/BankIndex.h"

namespace zr9
{

void EffectSelection::rebuild (int c, const std::array<int, 3>& chains, const BankIndex& fxChainBank)
{
    if (c < 0 || c >= channelCount)
        return;
    ChannelEffects selection;
    selection.chains = chains;
    for (size_t i = 0; i < chains.size(); ++i)
        if (chains[i] >= 1 && chains[i] <= fxChainBank.cap())
            selection.names[i] = fxChainBank.name (chains[i]);

    const std::lock_guard<std::mutex> sl (lock);
    channels[(size_t) c] = std::move (selection);
}

ChannelEffects EffectSelection::channel (int c) const
{
    if (c < 0 || c >= channelCount)
        return {};
    const std::lock_guard<std::mutex> sl (lock);
    return channels[(size_t) c];
}

} // namespace zr9
