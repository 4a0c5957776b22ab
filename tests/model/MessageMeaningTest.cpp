// The monitor's decoder, from literal bytes: one test per group of messages,
// each text exact. The live rows are named by the real live table; object
// names come from a small table of the test's own.

#include "controller/LiveTable.h"
#include "model/MessageMeaning.h"
#include "model/ObjectTypes.h"

#include <gtest/gtest.h>

#include <map>

using namespace zr9;
using namespace zr9::monitor;
using Bytes = std::vector<std::uint8_t>;

namespace
{
class TableWords final : public Vocabulary
{
public:
    std::string rowName (int row) const override { return table.name (row); }
    int rowDisplayType (int row) const override { return table.info (row).displayCode; }
    std::string objectName (int typeId, int number) const override
    {
        const auto it = names.find ({ typeId, number });
        return it != names.end() ? it->second : std::string();
    }

    LiveTable table;
    std::map<std::pair<int, int>, std::string> names {
        { { typeProgram, 5 }, "Indie Piano 2" }, { { typeProgram, 261 }, "Bright Grand" },
        { { typeSetup, 5 }, "Night Set" }, { { typeFxChain, 12 }, "Little Booth" },
    };
};

struct Decoded : ::testing::Test
{
    Meaning decode (Bytes bytes, Direction direction = Direction::in)
    {
        MonitorMessage m;
        m.direction = direction;
        m.size = bytes.size();
        m.bytes = std::move (bytes);
        return decoder.decode (m);
    }
    std::string text (Bytes bytes, Direction direction = Direction::in) { return decode (std::move (bytes), direction).text; }

    /** The seven controllers of an address message on channel c (0-based), as the monitor joins them. */
    Meaning address (int c, std::array<int, 5> a, int value)
    {
        const auto status = (std::uint8_t) (0xB0 | c);
        const int v = value + 8192;
        MonitorMessage m;
        m.addressGroup = true;
        m.bytes = { status, 110, (std::uint8_t) a[0], status, 111, (std::uint8_t) a[1], status, 112, (std::uint8_t) a[2],
                    status, 113, (std::uint8_t) a[3], status, 114, (std::uint8_t) a[4],
                    status, 118, (std::uint8_t) (v / 128), status, 119, (std::uint8_t) (v % 128) };
        m.size = m.bytes.size();
        return decoder.decode (m);
    }

    /** A part message: the 12 head bytes given, then `packed` bytes of packed data, then 0xF7. */
    static Bytes part (Bytes head, std::size_t packed, const std::string& name = {})
    {
        head.insert (head.end(), name.begin(), name.end());
        head.insert (head.end(), packed, 0x11);
        head.push_back (0xF7);
        return head;
    }

    TableWords words;
    Decoder decoder { &words };
};
} // namespace

TEST_F (Decoded, IdentityAndOtherSystemExclusive)
{
    EXPECT_EQ (text ({ 0xF0, 0x7E, 0x7F, 0x06, 0x01, 0xF7 }, Direction::out), "Identity request to all devices");
    EXPECT_EQ (text ({ 0xF0, 0x7E, 0x10, 0x06, 0x01, 0xF7 }, Direction::out), "Identity request to device 16");
    EXPECT_EQ (text ({ 0xF0, 0x7E, 0x00, 0x06, 0x02, 0x07, 0x44, 0x00, 0x03, 0x00, 0x01, 0x00, 0x00, 0x00, 0xF7 }),
               "Identity reply from HALVORN ZR9: family 44 00, member 03 00, firmware 01 00 00 00");
    // Another member of the family: the codes, without a name.
    EXPECT_EQ (text ({ 0xF0, 0x7E, 0x00, 0x06, 0x02, 0x07, 0x44, 0x00, 0x04, 0x00, 0x02, 0x01, 0x00, 0x00, 0xF7 }),
               "Identity reply: family 44 00, member 04 00, firmware 02 01 00 00");
    // A reply cut short reads its missing codes as 0 and says it lacks its end.
    EXPECT_EQ (text ({ 0xF0, 0x7E, 0x00, 0x06, 0x02, 0x07, 0x44 }),
               "Identity reply: family 44 00, member 00 00, firmware 00 00 00 00, without its end");
    EXPECT_EQ (text ({ 0xF0, 0x7E, 0x7F, 0x09, 0x01, 0xF7 }), "Universal System Exclusive 09 01, 6 bytes");
    EXPECT_EQ (text ({ 0xF0, 0x41, 0x10, 0x42, 0x12, 0xF7 }), "System Exclusive of maker 41, 6 bytes");
    EXPECT_EQ (text ({ 0xF0, 0x00, 0x20, 0x33, 0x01, 0xF7 }), "System Exclusive of maker 00 20 33, 6 bytes");

    const auto identity = decode ({ 0xF0, 0x7E, 0x7F, 0x06, 0x01, 0xF7 });
    EXPECT_EQ (identity.kinds, kind::systemExclusive);
    EXPECT_EQ (identity.channel, -1);
}

TEST_F (Decoded, PartRequestsAndDumps)
{
    EXPECT_EQ (text ({ 0xF0, 0x07, 0x44, 0x03, 0x00, 0x02, 0x00, 0x00, 0x02, 0x00, 0x00, 0x00, 0xF7 }, Direction::out),
               "Request program part 0, slot 2");
    EXPECT_EQ (text ({ 0xF0, 0x07, 0x44, 0x03, 0x00, 0x04, 0x00, 0x00, 0x00, 0x03, 0x00, 0x00, 0xF7 }, Direction::out),
               "Request global part 3");
    EXPECT_EQ (text ({ 0xF0, 0x07, 0x44, 0x03, 0x00, 0x0B, 0x00, 0x00, 0x00, 0x02, 0x04, 0x00, 0xF7 }, Direction::out),
               "Request setup part 2, zone 4");

    // 364 packed bytes carry a layer's 318; the common part carries its name ahead of 152 packed bytes (133).
    EXPECT_EQ (text (part ({ 0xF0, 0x07, 0x44, 0x03, 0x00, 0x02, 0x00, 0x00, 0x01, 0x01, 0x02, 0x01 }, 364)),
               "Program part 1 dump, slot 1, layer 2, kind 1, 318 bytes");
    EXPECT_EQ (text (part ({ 0xF0, 0x07, 0x44, 0x03, 0x00, 0x02, 0x00, 0x00, 0x00, 0x00, 0x00, 0x01 }, 152,
                           "Grand Piano         ")),
               "Program part 0 dump, slot 0, \"Grand Piano\", kind 1, 133 bytes");
    // A write of program 1025 carries the number and no name.
    EXPECT_EQ (text (part ({ 0xF0, 0x07, 0x44, 0x03, 0x00, 0x02, 0x08, 0x01, 0x02, 0x04, 0x00, 0x03 }, 8), Direction::out),
               "Program part 4 dump, for program 1025, slot 2, kind 3, 7 bytes");
    EXPECT_EQ (text (part ({ 0xF0, 0x07, 0x44, 0x03, 0x00, 0x04, 0x00, 0x00, 0x00, 0x03, 0x00, 0x01 }, 16)),
               "Global part 3 dump, kind 1, 14 bytes");
    // Ten packed bytes: a group of eight gives seven, the two left give one more.
    EXPECT_EQ (text (part ({ 0xF0, 0x07, 0x44, 0x03, 0x00, 0x0B, 0x00, 0x00, 0x00, 0x02, 0x05, 0x01 }, 10), Direction::out),
               "Setup part 2 dump, zone 5, kind 1, 8 bytes");
    EXPECT_EQ (text ({ 0xF0, 0x07, 0x44, 0x03, 0x00, 0x05, 0x01, 0x02, 0xF7 }), "Instrument command 05, 9 bytes");
}

TEST_F (Decoded, StoreValueChannelProgramAndChannelSelect)
{
    Bytes store { 0xF0, 0x07, 0x44, 0x03, 0x00, 0x02, 0x08, 0x01, 0x03, 0x00, 0x00, 0x11 };
    for (const char c : std::string ("Grand           "))
        store.push_back ((std::uint8_t) c);
    store.push_back (0xF7);
    EXPECT_EQ (text (store, Direction::out), "Store program 1025 \"Grand\", slot 3");

    Bytes storeMulti { 0xF0, 0x07, 0x44, 0x03, 0x00, 0x0B, 0x01, 0x02, 0x00, 0x00, 0x00, 0x11 };
    for (const char c : std::string ("Night Set       "))
        storeMulti.push_back ((std::uint8_t) c);
    storeMulti.push_back (0xF7);
    EXPECT_EQ (text (storeMulti, Direction::out), "Store multi 130 \"Night Set\"");

    const auto value = decode ({ 0xF0, 0x07, 0x44, 0x03, 0x00, 0x11, 0x00, 0x05, 0xF7 }, Direction::out);
    EXPECT_EQ (value.text, "Multi = 5 Night Set");
    EXPECT_EQ (value.kinds, kind::systemExclusive | kind::liveRow);

    // Channel 3 (byte 2) plays program 2 * 128 + 5, named by its live row and the program bank.
    const auto program = decode ({ 0xF0, 0x07, 0x44, 0x03, 0x00, 0x20, 0x02, 0x02, 0x05, 0xF7 }, Direction::out);
    EXPECT_EQ (program.text, "Program Ch.3 = 261 Bright Grand");
    EXPECT_EQ (program.channel, 2);
    EXPECT_EQ (text ({ 0xF0, 0x07, 0x44, 0x03, 0x00, 0x20, 0x00, 0x00, 0x07, 0xF7 }, Direction::out), "Program Ch.1 = 7");

    const auto select = decode ({ 0xF0, 0x07, 0x44, 0x03, 0x00, 0x40, 0x02, 0xF7 }, Direction::out);
    EXPECT_EQ (select.text, "Channel select = Ch.3");
    EXPECT_EQ (select.channel, 2);
}

TEST_F (Decoded, ObjectTransfer)
{
    EXPECT_EQ (text ({ 0xF0, 0x07, 0x44, 0x03, 0x00, 0x5A, 0x20, 0x00, 0x0A, 0x01, 0x01, 0x08, 0xF7 }, Direction::out),
               "Object info request: Programs, number 1025");
    EXPECT_EQ (text ({ 0xF0, 0x07, 0x44, 0x03, 0x00, 0x5A, 0x00, 0x00, 0x0A, 0x01, 0x01, 0x08, 0x20, 0x1C, 0x01, 0x00,
                       0x10, 0x00, 0xF7 },
                     Direction::out),
               "Object data request: Programs, number 1025, offset 20000, length 2048");
    EXPECT_EQ (text ({ 0xF0, 0x07, 0x44, 0x03, 0x00, 0x5A, 0x01, 0x00, 0x0A, 0x01, 0x01, 0x08, 0x00, 0x10, 0x00, 0x0C,
                       0x00, 0x00, 0x01, 0x02, 0x03, 0x00, 0x00, 0xF7 }),
               "Object data: Programs, number 1025, offset 2048, length 12");
    EXPECT_EQ (text ({ 0xF0, 0x07, 0x44, 0x03, 0x00, 0x5A, 0x02, 0xF7 }), "Object transfer acknowledged");
    EXPECT_EQ (text ({ 0xF0, 0x07, 0x44, 0x03, 0x00, 0x5A, 0x03, 0x03, 0xF7 }),
               "Object transfer refused: Nack_bad_type_or_id (3)");
    EXPECT_EQ (text ({ 0xF0, 0x07, 0x44, 0x03, 0x00, 0x5A, 0x03, 0x05, 0xF7 }), "Object transfer refused: reason 5");

    Bytes info { 0xF0, 0x07, 0x44, 0x03, 0x00, 0x5A, 0x05, 0x00, 0x0A, 0x01, 0x01, 0x08, 0x52, 0x09, 0x00, 0x00 };
    for (const char c : std::string ("Bright Grand        "))
        info.push_back ((std::uint8_t) c);
    info.push_back (0xF7);
    EXPECT_EQ (text (info), "Object info: Programs, number 1025 \"Bright Grand\", 1234 bytes");
    // A type the transfer panels do not name is named by its number; the alternative command reads the same.
    EXPECT_EQ (text ({ 0xF0, 0x07, 0x44, 0x03, 0x00, 0x5B, 0x20, 0x00, 0x28, 0x01, 0x03, 0x00, 0xF7 }, Direction::out),
               "Object info request: type 168, number 3");
    EXPECT_EQ (text ({ 0xF0, 0x07, 0x44, 0x03, 0x00, 0x5A, 0x09, 0xF7 }), "Object transfer, sub-code 09");
}

TEST_F (Decoded, ControllerAddressesByLiveRowOrParameter)
{
    const auto pan = address (2, { 1, 0, 1, 0, 22 }, -20);
    EXPECT_EQ (pan.text, "Pan Ch.3 = L: 20");
    EXPECT_EQ (pan.kinds, kind::liveRow);
    EXPECT_EQ (pan.channel, 2);
    EXPECT_EQ (address (0, { 1, 0, 1, 0, 20 }, -6).text, "Level Ch.1 = -6 dB");
    EXPECT_EQ (address (15, { 1, 0, 5, 0, 2 }, 80).text, "Aux 1 Level Ch.16 = 80%");
    EXPECT_EQ (address (0, { 1, 0, 5, 0, 1 }, 12).text, "Insert FXC Ch.1 = 12 Little Booth");
    EXPECT_EQ (address (0, { 12, 0, 0, 0, 11 }, 2).text, "Playing Mode = MULTI");
    // The playing mode is only ever sent on channel 1; elsewhere the address names no row.
    EXPECT_EQ (address (1, { 12, 0, 0, 0, 11 }, 2).text, "Address 12 0 0 0 11 Ch.2 = 2");
    EXPECT_EQ (address (3, { 1, 0, 0, 0, 0 }, 1).text, "Category Ch.4 = PIANO");
    EXPECT_EQ (address (3, { 1, 0, 0, 0, 1 }, 2).text, "Sub-type Ch.4 = 2");
    EXPECT_EQ (address (0, { 1, 0, 1, 0, 22 }, -8192).text, "Pan Ch.1 = L: 8192");
}

TEST_F (Decoded, ChannelVoiceAndSystemMessages)
{
    EXPECT_EQ (text ({ 0x90, 0x3C, 0x64 }), "Note on Ch.1 C4 velocity 100");
    EXPECT_EQ (text ({ 0x91, 0x3D, 0x00 }), "Note off Ch.2 C#4");
    EXPECT_EQ (text ({ 0x80, 0x00, 0x40 }), "Note off Ch.1 C-1");
    EXPECT_EQ (text ({ 0xAF, 0x3C, 0x28 }), "Key pressure Ch.16 C4 = 40");
    EXPECT_EQ (text ({ 0xB0, 0x01, 0x40 }), "Controller Ch.1 Mod Wheel = 64");
    EXPECT_EQ (text ({ 0xB0, 0x03, 0x05 }), "Controller Ch.1 MIDI 3 = 5");
    EXPECT_EQ (text ({ 0xB4, 0x40, 0x7F }), "Controller Ch.5 Sustain = 127");
    EXPECT_EQ (text ({ 0xD0, 0x28 }), "Channel pressure Ch.1 = 40");
    EXPECT_EQ (text ({ 0xE0, 0x00, 0x40 }), "Pitch wheel Ch.1 = 0");
    EXPECT_EQ (text ({ 0xE0, 0x00, 0x44 }), "Pitch wheel Ch.1 = +512");
    EXPECT_EQ (text ({ 0xE0, 0x00, 0x00 }), "Pitch wheel Ch.1 = -8192");
    EXPECT_EQ (text ({ 0xE0, 0x7F, 0x7F }), "Pitch wheel Ch.1 = +8191");
    EXPECT_EQ (text ({ 0xF8 }), "Clock");
    EXPECT_EQ (text ({ 0xFE }), "Active sensing");
    EXPECT_EQ (text ({ 0xF2, 0x10, 0x01 }), "Song position 144");
    EXPECT_EQ (text ({ 0x40 }), "Data without a status, 1 byte");

    const auto note = decode ({ 0x93, 0x3C, 0x64 });
    EXPECT_EQ (note.kinds, kind::channel);
    EXPECT_EQ (note.channel, 3);

    // A program change selects the program of its channel's last bank select, per direction.
    EXPECT_EQ (text ({ 0xC1, 0x05 }), "Program change Ch.2 = 5 Indie Piano 2");
    EXPECT_EQ (text ({ 0xB1, 0x20, 0x02 }), "Controller Ch.2 Bank MSB = 2");
    EXPECT_EQ (text ({ 0xC1, 0x05 }), "Program change Ch.2 = 261 Bright Grand");
    EXPECT_EQ (text ({ 0xC1, 0x05 }, Direction::out), "Program change Ch.2 = 5 Indie Piano 2");
    EXPECT_EQ (text ({ 0xC2, 0x05 }), "Program change Ch.3 = 5 Indie Piano 2");
    EXPECT_EQ (text ({ 0xC0, 0x00 }), "Program change Ch.1 = NONE");
    decoder.reset();
    EXPECT_EQ (text ({ 0xC1, 0x05 }), "Program change Ch.2 = 5 Indie Piano 2");
}

TEST_F (Decoded, MessagesKeptOnlyInPartAreReadWithTheirWholeLength)
{
    // A data reply of 2362 bytes of which the monitor kept the first 32.
    MonitorMessage m;
    m.bytes = { 0xF0, 0x07, 0x44, 0x03, 0x00, 0x5A, 0x01, 0x00, 0x0A, 0x01, 0x01, 0x08, 0x00, 0x00, 0x00, 0x00, 0x10, 0x00 };
    m.bytes.resize (32, 0x22);
    m.size = 2362;
    EXPECT_EQ (decoder.decode (m).text, "Object data: Programs, number 1025, offset 0, length 2048");

    // A layer dump kept in part counts the data of the whole message, up to its unseen 0xF7.
    MonitorMessage dump;
    dump.bytes = { 0xF0, 0x07, 0x44, 0x03, 0x00, 0x02, 0x00, 0x00, 0x01, 0x01, 0x02, 0x01, 0x11 };
    dump.size = 12 + 364 + 1;
    EXPECT_EQ (decoder.decode (dump).text, "Program part 1 dump, slot 1, layer 2, kind 1, 318 bytes");
}
