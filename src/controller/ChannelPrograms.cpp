#include "ChannelPrograms.h"

#include "model/MidiChannels.h"
#include "model/RK2Class.h"

namespace zr9
{

namespace
{
    constexpr int programDataNeeded = 30; // a program shorter than this leaves the channel block alone
    constexpr int noProgram = -1;

    bool isChannel (int c) noexcept { return c >= 0 && c < channelCount; }
} // namespace

ChannelPrograms::ChannelPrograms (RK2Class& m, LiveTable& t) : model (m), table (t)
{
    for (auto& p : currentPrograms)
        p = noProgram;
}

bool ChannelPrograms::set (int program, int c)
{
    if (! isChannel (c) || program < 1)
        return false;

    const std::lock_guard<std::mutex> sl (lock);
    if (program == currentPrograms[(size_t) c].load())
        return false;
    currentPrograms[(size_t) c] = program;

    auto& edit = model.programEdit (c);
    const auto bank = model.programBank().snapshot();
    const auto stored = bank->record (program);
    if (! stored.empty())
    {
        edit.load (ByteView (stored));
        // An editor of this channel now edits another program.
        edit.broadcastChange (ObjProgramEditClass::codeLoaded);
    }

    const auto data = edit.record();
    if ((int) data.size() >= programDataNeeded)
        fillChannelBlock (c, program, ByteView (data));
    rebuildEffects (c, -1, 0);
    return true;
}

void ChannelPrograms::fillChannelBlock (int c, int program, ByteView d)
{
    const auto put = [this, c] (int slot, int value) { table.store (LiveTable::channelRow (c, slot), value); };

    put (LiveTable::slotInsertChain, d.byte (84) * 256 + d.byte (85));
    put (LiveTable::slotInsertOut, d.byte (83) & 1);
    put (LiveTable::slotAux1Chain, d.byte (96) * 256 + d.byte (97));
    put (LiveTable::slotAux1Level, d.byte (86) & 0x7F);
    put (LiveTable::slotAux1Out, d.byte (86) >> 7);
    put (LiveTable::slotAux2Chain, d.byte (108) * 256 + d.byte (109));
    put (LiveTable::slotAux2Level, d.byte (87) & 0x7F);
    put (LiveTable::slotAux2Out, d.byte (87) >> 7);
    put (LiveTable::slotPan, d.signedByte (58)); // -64 to 64, as the program stores it
    put (LiveTable::slotLevel, d.signedByte (55));
    put (LiveTable::slotProgram, program);
    put (LiveTable::slotProgramBank, program / programsPerBank);
    put (LiveTable::slotProgramNumber, program % programsPerBank);
}

int ChannelPrograms::current (int c) const noexcept
{
    if (! isChannel (c))
        return 1;
    const int p = currentPrograms[(size_t) c].load();
    return p < 1 ? 1 : p;
}

void ChannelPrograms::rebuildEffects (int c, int changedSlot, int value)
{
    if (! isChannel (c))
        return;
    const auto chain = [&] (int slot) { return slot == changedSlot ? value : table.get (LiveTable::channelRow (c, slot)); };
    const auto chains = model.fxChains().snapshot();
    selection.rebuild (c, { chain (LiveTable::slotInsertChain), chain (LiveTable::slotAux1Chain), chain (LiveTable::slotAux2Chain) }, *chains);
}

void ChannelPrograms::setBankSelect (int c, int value)
{
    if (! isChannel (c))
        return;
    const std::lock_guard<std::mutex> sl (lock);
    channels[(size_t) c].bankSelect = value;
}

std::optional<int> ChannelPrograms::combineProgramChange (int c, int program)
{
    if (! isChannel (c))
        return std::nullopt;
    const std::lock_guard<std::mutex> sl (lock);
    auto& ch = channels[(size_t) c];
    const int combined = ch.bankSelect * programsPerBank + program;
    if (combined == ch.combinedProgram)
        return std::nullopt;
    ch.combinedProgram = combined;
    return combined;
}

} // namespace zr9
