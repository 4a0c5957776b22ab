#include "PlugBank.h"

#include "LiveValues.h"
#include "Notifications.h"
#include "PlayingMode.h"

#include "model/FactoryBanks.h"

namespace zr9
{

namespace
{
    constexpr const char* untitled = "Untitled";

    std::u32string toName (const juce::String& text)
    {
        std::u32string s;
        for (auto c : text)
            s.push_back ((char32_t) c);
        return s;
    }

    std::size_t offsetOf (int slot) noexcept { return (std::size_t) slot * (std::size_t) arrangement::recordSize; }
} // namespace

PlugBank::PlugBank (LiveValues& l, InputPause& p, Notifications& n)
    : live (l), pause (p), notifications (n), bank ((std::size_t) arrangement::bankSize, 0)
{
    loadFactoryBank();
}

void PlugBank::loadFactoryBank()
{
    const auto factory = Factory_Banks_ZR9::arrangementBank();
    const std::lock_guard<std::mutex> sl (lock);
    for (std::size_t i = 0; i < bank.size(); ++i)
        bank[i] = (std::uint8_t) factory.byte ((long long) i);
}

Bytes PlugBank::record (int slot) const
{
    if (! isSlot (slot))
        return Bytes ((std::size_t) arrangement::recordSize, 0);
    const std::lock_guard<std::mutex> sl (lock);
    const auto at = bank.begin() + (long) offsetOf (slot);
    return Bytes (at, at + arrangement::recordSize);
}

void PlugBank::storeRecord (int slot, ByteView r)
{
    if (! isSlot (slot))
        return;
    const auto normal = arrangement::normalised (r);
    const std::lock_guard<std::mutex> sl (lock);
    std::copy (normal.begin(), normal.end(), bank.begin() + (long) offsetOf (slot));
}

juce::String PlugBank::name (int slot) const
{
    if (! isSlot (slot))
        return {};
    const auto n = arrangement::readName (ByteView (record (slot)));
    juce::String s;
    for (auto c : n)
        s += juce::String::charToString ((juce::juce_wchar) c);
    return s;
}

void PlugBank::setName (int slot, const juce::String& text)
{
    if (! isSlot (slot))
        return;
    auto r = record (slot);
    arrangement::writeName (r, toName (text));
    storeRecord (slot, ByteView (r));
}

Bytes PlugBank::bankState() const
{
    return BankState::make (ByteView (bankBytes()));
}

int PlugBank::loadBankState (ByteView blob)
{
    const std::lock_guard<std::mutex> sl (lock);
    return BankState::readInto (blob, bank);
}

Bytes PlugBank::bankBytes() const
{
    const std::lock_guard<std::mutex> sl (lock);
    return bank;
}

bool PlugBank::replaceBankIf (const Bytes& expected, const Bytes& replacement)
{
    const std::lock_guard<std::mutex> sl (lock);
    if (bank != expected || replacement.size() != bank.size())
        return false;
    bank = replacement;
    return true;
}

Bytes PlugBank::buildCurrent (const juce::String& text, int slot)
{
    auto r = currentRecord (text, slot);
    const std::lock_guard<std::mutex> sl (lock);
    scratchRecord = r;
    return r;
}

Bytes PlugBank::currentRecord (const juce::String& text, int slot) const
{
    Bytes r = scratch();
    if (r.size() != (std::size_t) arrangement::recordSize)
        r = record (slot);
    arrangement::writeName (r, toName (text.isEmpty() ? juce::String (untitled) : text));
    for (const auto& field : arrangement::liveFields())
        arrangement::writeField (r, field, live.get (field.row));
    return r;
}

Bytes PlugBank::scratch() const
{
    const std::lock_guard<std::mutex> sl (lock);
    return scratchRecord;
}

int PlugBank::apply (ByteView given)
{
    const auto r = arrangement::normalised (given);
    {
        const std::lock_guard<std::mutex> sl (lock);
        scratchRecord = r;
    }

    for (const auto& field : arrangement::liveFields())
        live.set (arrangement::readField (ByteView (r), field), field.row, false);

    // A blank record carries mode 0; anything but the multi plays in program mode.
    const int mode = live.get (LiveTable::rowPlayingMode) == 2 ? 2 : 1;
    switchPlayingMode (pause, live, mode);
    if (mode == 2)
        live.set (live.get (LiveTable::rowMulti), LiveTable::rowMulti, true);

    // Every channel's program goes out, also where the instrument already plays it.
    for (int c = 0; c < channelCount; ++c)
    {
        const int row = arrangement::programRow (c);
        live.set (live.get (row), row, true);
    }
    live.changes().clear();
    notifications.postStateCode (statecode::refreshPages);
    return mode;
}

void PlugBank::postNote (std::uint8_t note)
{
    const std::lock_guard<std::mutex> sl (lock);
    notes.push_back (note);
}

std::vector<std::uint8_t> PlugBank::takeNotes()
{
    std::vector<std::uint8_t> taken;
    const std::lock_guard<std::mutex> sl (lock);
    std::swap (taken, notes);
    return taken;
}

} // namespace zr9
