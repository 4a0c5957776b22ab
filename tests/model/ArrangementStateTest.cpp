#include "model/ArrangementState.h"
#include "model/FactoryBanks.h"

#include <gtest/gtest.h>

using namespace zr9;

namespace
{
Bytes recordNamed (const char* name)
{
    Bytes r (arrangement::recordSize, 0);
    std::u32string n;
    for (const char* c = name; *c != 0; ++c)
        n.push_back ((char32_t) *c);
    arrangement::writeName (r, n);
    return r;
}

const arrangement::LiveField& fieldFor (int row)
{
    for (const auto& f : arrangement::liveFields())
        if (f.row == row)
            return f;
    throw std::runtime_error ("no field");
}

Bytes bankWithSlotsNumbered()
{
    Bytes bank (arrangement::bankSize, 0);
    for (int s = 0; s < arrangement::slotCount; ++s)
        bank[(size_t) (s * arrangement::recordSize)] = (std::uint8_t) (s + 1);
    return bank;
}
} // namespace

TEST (ArrangementState, TheEdmStateAndTheBankStateHaveTheirTagsAndSizes)
{
    const auto state = ArrangementState::make (ByteView (recordNamed ("EDM")));
    ASSERT_EQ (state.size(), 330u);
    EXPECT_EQ (std::string (state.begin(), state.begin() + 30), "ZR9PianoRevuDittingsVersion100");
    EXPECT_EQ (std::string (state.begin() + 30, state.begin() + 54), "EDM" + std::string (21, ' '));

    const auto bank = BankState::make (Factory_Banks_ZR9::arrangementBank());
    ASSERT_EQ (bank.size(), 19226u);
    EXPECT_EQ (std::string (bank.begin(), bank.begin() + 26), "ZR9PianoPlugBankVersion100");
    EXPECT_EQ (std::string (bank.begin() + 26, bank.begin() + 29), "EDM");
}

TEST (ArrangementState, FieldsAreBigEndianWordsAndSignedBytes)
{
    Bytes r (arrangement::recordSize, 0);
    arrangement::writeField (r, fieldFor (arrangement::programRow (0)), 261);
    arrangement::writeField (r, fieldFor (2309), 32512);
    arrangement::writeField (r, fieldFor (2308), -1);
    EXPECT_EQ (r[24], 0x01);
    EXPECT_EQ (r[25], 0x05);
    EXPECT_EQ (r[63], 0x7F);
    EXPECT_EQ (r[64], 0x00);
    EXPECT_EQ (r[62], 0xFF);
    EXPECT_EQ (arrangement::readField (ByteView (r), fieldFor (2308)), -1);
    EXPECT_EQ (arrangement::readField (ByteView (r), fieldFor (2309)), 32512);
    // Channel 16's program is the last word before the globals.
    EXPECT_EQ (fieldFor (arrangement::programRow (15)).offset, 54);
    // A field beyond a short record reads 0.
    EXPECT_EQ (arrangement::readField (ByteView (r.data(), 60), fieldFor (2309)), 0);
}

TEST (ArrangementState, NamesAreCutPaddedAndKeepOnlyCodes20To159)
{
    Bytes r (arrangement::recordSize, 0x55);
    arrangement::writeName (r, U"A\u00e9\u0013B\u009f123456789012345678901234567890");
    const auto name = arrangement::readName (ByteView (r));
    ASSERT_EQ (name.size(), 24u);
    EXPECT_EQ (name.substr (0, 5), std::u32string (U"A  B\u009f"));
    EXPECT_EQ (r[24], 0x55); // the name never runs into the programs

    arrangement::writeName (r, U"");
    EXPECT_EQ (arrangement::readName (ByteView (r)), std::u32string (24, U' '));
}

TEST (ArrangementState, ReadingTakesTheRecordOnlyFromAWholeTaggedState)
{
    auto state = ArrangementState::make (ByteView (recordNamed ("Keep")));
    const auto read = [] (const Bytes& b, std::size_t n) { return ArrangementState::read (ByteView (b.data(), n)); };

    for (std::size_t n : { 0u, 1u, 19u, 20u, 30u, 329u })
        EXPECT_FALSE (read (state, n).has_value()) << n << " bytes";
    ASSERT_TRUE (read (state, 330).has_value());
    EXPECT_EQ ((*read (state, 330))[0], 'K');

    // Another version is taken; another tag is not; bytes after the record are ignored.
    std::copy_n ("Version999", 10, state.begin() + 20);
    EXPECT_TRUE (read (state, 330).has_value());
    state.resize (400, 0xEE);
    EXPECT_EQ (read (state, 400)->size(), 300u);
    state[5] = 'x';
    EXPECT_FALSE (read (state, 400).has_value());
}

TEST (ArrangementState, ABankStateReplacesOnlyTheWholeRecordsItCarries)
{
    const auto original = bankWithSlotsNumbered();
    Bytes bank = original;
    Bytes blob = BankState::make (ByteView (Bytes (arrangement::bankSize, 0xAA)));

    // One record: slot 1 replaced, slots 2 to 64 as they were.
    EXPECT_EQ (BankState::readInto (ByteView (blob.data(), 26 + 300), bank), 1);
    EXPECT_EQ (bank[0], 0xAA);
    EXPECT_EQ (bank[299], 0xAA);
    EXPECT_EQ (bank[300], 2);

    // A second record cut short is left out whole.
    bank = original;
    EXPECT_EQ (BankState::readInto (ByteView (blob.data(), 26 + 450), bank), 1);
    EXPECT_EQ (bank[300], 2);
    EXPECT_EQ (bank[301], 0);

    // No whole record, or no tag: nothing changes.
    for (std::size_t n : { 0u, 10u, 16u, 26u, 325u })
    {
        bank = original;
        EXPECT_EQ (BankState::readInto (ByteView (blob.data(), n), bank), 0) << n;
        EXPECT_EQ (bank, original);
    }
    blob[0] = 'z';
    EXPECT_EQ (BankState::readInto (ByteView (blob), bank), 0);
    EXPECT_EQ (bank, original);

    // Records beyond slot 64 are not taken; an empty bank grows to what was carried.
    blob = BankState::make (ByteView (Bytes (arrangement::bankSize, 0x11)));
    blob.resize (blob.size() + 900, 0x22);
    Bytes empty;
    EXPECT_EQ (BankState::readInto (ByteView (blob), empty), 64);
    EXPECT_EQ (empty.size(), (size_t) arrangement::bankSize);
    EXPECT_EQ (empty.back(), 0x11);
}

TEST (ArrangementState, TheFactoryBankHoldsTheThreeArrangementsAndBlankSlots)
{
    const auto bank = Factory_Banks_ZR9::arrangementBank();
    ASSERT_EQ (bank.size(), (size_t) arrangement::bankSize);
    const auto slot = [&] (int s) { return bank.slice (s * 300, 300); };
    const auto programs = [&] (int s)
    {
        std::vector<int> p;
        for (int c = 0; c < 16; ++c)
            p.push_back (arrangement::readField (slot (s), fieldFor (arrangement::programRow (c))));
        return p;
    };
    const auto name = [&] (int s) { return nameFromBytes (slot (s), 0, 24); };

    EXPECT_EQ (name (0), "EDM" + std::string (21, ' '));
    EXPECT_EQ (name (1), "Hip Hop" + std::string (17, ' '));
    EXPECT_EQ (name (2), "Rock" + std::string (20, ' '));
    EXPECT_EQ (programs (0), (std::vector<int> { 261, 99, 375, 330, 327, 124, 354, 112, 449, 239, 331, 182, 492, 102, 68, 74 }));
    EXPECT_EQ (programs (1), (std::vector<int> { 17, 206, 115, 69, 341, 135, 148, 193, 354, 229, 233, 11, 239, 289, 132, 244 }));
    EXPECT_EQ (programs (2), (std::vector<int> { 3, 277, 201, 449, 454, 56, 146, 300, 273, 225, 511, 195, 466, 141, 130, 331 }));

    const std::vector<int> factoryGlobals { 0, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0 };
    const std::vector<int> blankGlobals { 0, 0, 0, 0, 0, 0, 0, 0x7F, 0, 0, 0x40 };
    const std::vector<std::pair<int, int>> carried { { 69, 0x40 }, { 78, 0x6F }, { 79, 0x22 }, { 80, 0x65 }, { 82, 0x1F }, { 84, 0x14 },
                                                     { 191, 0x7F }, { 194, 0x40 }, { 207, 0x02 }, { 210, 0x2D }, { 212, 0x31 } };
    for (int s = 0; s < 64; ++s)
    {
        std::vector<int> globals;
        for (int i = 56; i <= 66; ++i)
            globals.push_back (slot (s).byte (i));
        EXPECT_EQ (globals, s < 3 ? factoryGlobals : blankGlobals) << "slot " << s + 1;
        if (s == 0)
            continue; // slot 1 may carry other uninterpreted bytes
        for (int i = 67; i < 300; ++i)
        {
            int expected = 0;
            for (const auto& [at, v] : carried)
                if (at == i)
                    expected = v;
            ASSERT_EQ (slot (s).byte (i), expected) << "slot " << s + 1 << " byte " << i;
        }
        if (s >= 3)
        {
            EXPECT_EQ (name (s), std::string (24, '-'));
            EXPECT_EQ (programs (s), std::vector<int> (16, 1));
        }
    }
}
