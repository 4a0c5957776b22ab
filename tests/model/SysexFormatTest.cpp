#include "model/PartData.h"
#include "model/SysexAssembler.h"
#include "model/SevenBitPacking.h"
#include "model/SysexFormat.h"

#include <gtest/gtest.h>

#include <random>

using namespace zr9::sysex;
using Bytes = std::vector<std::uint8_t>;

namespace
{
Bytes packed (const Bytes& data)
{
    Bytes out;
    pack (data.data(), data.size(), out);
    return out;
}

Bytes unpacked (const Bytes& m) { return unpack (m.data(), m.size()); }
} // namespace

TEST (SevenBitPacking, KnownBlocks)
{
    EXPECT_EQ (packed (Bytes (7, 0xFF)), (Bytes { 0x7F, 0x7F, 0x7F, 0x7F, 0x7F, 0x7F, 0x7F, 0x7F, 0xF7 }));
    EXPECT_EQ (packed ({ 0x80 }), (Bytes { 0x00, 0x01, 0xF7 }));
    EXPECT_EQ (unpacked ({ 0x00, 0x01, 0xF7 }), (Bytes { 0x80 }));
    EXPECT_EQ (packed ({}), (Bytes { 0xF7 }));
    // A single byte left over after the full groups gives nothing.
    EXPECT_EQ (unpacked ({ 0x7F, 0x7F, 0x7F, 0x7F, 0x7F, 0x7F, 0x7F, 0x7F, 0x55 }), Bytes (7, 0xFF));
}

TEST (SevenBitPacking, RoundTripsEveryLengthUpTo64WithSevenBitOutput)
{
    std::mt19937 random (7);
    for (std::size_t n = 0; n <= 64; ++n)
    {
        Bytes data (n);
        for (auto& b : data)
            b = (std::uint8_t) random();
        const auto m = packed (data);
        ASSERT_EQ (m.size(), packedSize (n) + 1) << n;
        EXPECT_EQ (m.back(), 0xF7);
        for (std::size_t i = 0; i + 1 < m.size(); ++i)
            ASSERT_LT (m[i], 0x80) << "byte " << i << " of " << n;
        EXPECT_EQ (unpacked (m), data) << n;
    }
}

TEST (SysexFormat, NumberEncodings)
{
    Bytes m;
    appendNumber14Hi (m, 300);
    appendNumber14Lo (m, 300);
    appendNumber21Lo (m, 20000);
    appendNumber21Lo (m, 2048);
    EXPECT_EQ (m, (Bytes { 2, 44, 44, 2, 0x20, 0x1C, 0x01, 0x00, 0x10, 0x00 }));
    const Reader r (m);
    EXPECT_EQ (r.number14Hi (0), 300);
    EXPECT_EQ (r.number14Lo (2), 300);
    EXPECT_EQ (r.number21Lo (4), 20000);
    EXPECT_EQ (r[100], 0) << "beyond the end reads 0";
}

TEST (SysexFormat, BuiltMessagesByteForByte)
{
    EXPECT_EQ (identityRequest(), (Bytes { 0xF0, 0x7E, 0x7F, 0x06, 0x01, 0xF7 }));
    EXPECT_EQ (shortCommand (0, commandGlobalPart, 0, 0, 3, 0),
               (Bytes { 0xF0, 0x07, 0x44, 0x03, 0x00, 0x04, 0, 0, 0, 3, 0, 0, 0xF7 }));
    EXPECT_EQ (shortCommand (0, commandSetupPart, 0, 0, 2, 5).size(), 13u);
    EXPECT_EQ (valueMessage (0, 2),
               (Bytes { 0xF0, 0x07, 0x44, 0x03, 0x00, 0x11, 0, 2, 0xF7 }));
    EXPECT_EQ (channelProgram (0, 2, 1025),
               (Bytes { 0xF0, 0x07, 0x44, 0x03, 0x00, 0x20, 2, 8, 1, 0xF7 }));
    EXPECT_EQ (channelSelect (0, 16), (Bytes { 0xF0, 0x07, 0x44, 0x03, 0x00, 0x40, 15, 0xF7 }));
    EXPECT_EQ (objectInfoRequest (0, 138, 1025),
               (Bytes { 0xF0, 0x07, 0x44, 0x03, 0x00, 0x5A, 0x20, 0, 10, 1, 1, 8, 0xF7 }));
    const auto data = objectDataRequest (0, 156, 3, 20000, 2048);
    ASSERT_EQ (data.size(), 19u);
    EXPECT_EQ (Bytes (data.begin() + 12, data.begin() + 18), (Bytes { 0x20, 0x1C, 0x01, 0x00, 0x10, 0x00 }));

    const Bytes part { 1, 2, 3, 0x80 };
    const auto dump = partDump (0, commandProgramPart, 3, 4, 0, 3, part.data(), part.size());
    EXPECT_EQ (Bytes (dump.begin(), dump.begin() + 12), (Bytes { 0xF0, 0x07, 0x44, 0x03, 0, 0x02, 0, 0, 3, 4, 0, 3 }));
    EXPECT_EQ (dump.size(), 12 + packedSize (part.size()) + 1);
    EXPECT_EQ (unpack (dump.data() + 12, dump.size() - 12), part);
}

TEST (SysexFormat, WriteSequenceSendsParts450WithTheirKinds)
{
    const auto sequence = programWriteSequence (0, 2, 1031, Bytes (10, 1), Bytes (3, 2), Bytes (20, 3));
    ASSERT_EQ (sequence.size(), 3u);
    const std::vector<std::pair<int, int>> partAndKind { { 4, 3 }, { 5, 3 }, { 0, 1 } };
    for (size_t i = 0; i < 3; ++i)
    {
        EXPECT_EQ (sequence[i][6] * 128 + sequence[i][7], 1031) << "the destination number";
        EXPECT_EQ (sequence[i][8], 2) << "slot";
        EXPECT_EQ (sequence[i][9], partAndKind[i].first);
        EXPECT_EQ (sequence[i][11], partAndKind[i].second);
    }
    EXPECT_EQ (unpack (sequence[2].data() + 12, sequence[2].size() - 12), Bytes (20, 3));
    EXPECT_TRUE (programWriteSequence (0, 2, 0, Bytes (10, 1), Bytes (3, 2), Bytes (20, 3)).empty()) << "number 0 is never stored";
}

TEST (SysexFormat, StoreWithNamePadsCutsAndBlanksOddCharacters)
{
    const auto m = storeWithName (0, commandProgramPart, 1025, 4, "Grand");
    ASSERT_EQ (m.size(), 29u);
    EXPECT_EQ (Bytes (m.begin(), m.begin() + 12), (Bytes { 0xF0, 0x07, 0x44, 0x03, 0, 0x02, 8, 1, 4, 0, 0, 0x11 }));
    EXPECT_EQ (std::string (m.begin() + 12, m.begin() + 28), "Grand           ");
    EXPECT_EQ (m.back(), 0xF7);

    const auto longName = storeWithName (0, commandSetupPart, 7, 0, "A very long setup name\x01");
    EXPECT_EQ (std::string (longName.begin() + 12, longName.begin() + 28), "A very long setu");
    const auto odd = storeWithName (0, commandSetupPart, 7, 0, std::string ("a\x13" "b\xC8", 4));
    EXPECT_EQ (std::string (odd.begin() + 12, odd.begin() + 16), "a b ");
    EXPECT_TRUE (storeWithName (0, commandProgramPart, 0, 0, "x").empty()) << "number 0 is never stored";
}

TEST (SysexFormat, IdentityRepliesNameTheirDeviceAndEchoedRequestsAreNoReplies)
{
    const Bytes zr9 { 0xF0, 0x7E, 0x00, 0x06, 0x02, 0x07, 0x44, 0x00, 0x03, 0x00, 0x01, 0x00, 0x00, 0x00, 0xF7 };
    ASSERT_TRUE (isIdentityReply (Reader (zr9)));
    auto reply = readIdentityReply (Reader (zr9));
    EXPECT_EQ (reply.connectionText, "HALVORN ZR9");
    EXPECT_FALSE (reply.unsupported);

    auto other = zr9;
    other[8] = 4;
    reply = readIdentityReply (Reader (other));
    EXPECT_EQ (reply.connectionText, "Connected - Device Unknown");
    EXPECT_TRUE (reply.unsupported);

    // A later family overrides an earlier one; unknown codes keep the text.
    Bytes mixed { 0xF0, 0x7E, 0x00, 0x06, 0x02, 0x07, 0x41, 0x40, 0x01, 10, 0xF7 };
    EXPECT_EQ (readIdentityReply (Reader (mixed)).connectionText, "HALVORN FL5");
    mixed[6] = 0x10;
    EXPECT_EQ (readIdentityReply (Reader (mixed)).connectionText, "HALVORN K120");
    mixed[7] = 0x10;
    EXPECT_FALSE (readIdentityReply (Reader (mixed)).namesDevice);

    EXPECT_FALSE (isIdentityReply (Reader (identityRequest()))) << "a loop-back port echoes the request";
    EXPECT_FALSE (isIdentityReply (Reader (Bytes { 0xF0, 0x7E, 0x00, 0x07, 0x02, 0xF7 })));
}

TEST (SysexFormat, TransferRepliesOfEveryKind)
{
    const Bytes chunk { 10, 20, 30, 200 };
    Bytes data { 0xF0, 0x07, 0x44, 0x03, 0, 0x5A, 1, 0 };
    appendNumber14Lo (data, 138);
    appendNumber14Lo (data, 1025);
    appendNumber21Lo (data, 2048);
    appendNumber21Lo (data, 4);
    pack (chunk.data(), chunk.size(), data);
    data.pop_back();
    data.insert (data.end(), { 0x11, 0x22, 0xF7 });
    auto r = readTransferReply (Reader (data));
    EXPECT_EQ (r.kind, TransferReply::Kind::data);
    EXPECT_EQ (r.typeId, 138);
    EXPECT_EQ (r.objectNumber, 1025);
    EXPECT_EQ (r.offset, 2048);
    EXPECT_EQ (r.size, 4);
    EXPECT_EQ (r.data, chunk);

    r = readTransferReply (Reader (Bytes { 0xF0, 0x07, 0x44, 0x03, 0, 0x5A, 3, 4, 0xF7 }));
    EXPECT_EQ (r.kind, TransferReply::Kind::refusal);
    EXPECT_EQ (r.reason, 4);
    EXPECT_EQ (refusalText (r.reason), "Nack_object_not_found");
    EXPECT_EQ (refusalText (5), "");

    Bytes info { 0xF0, 0x07, 0x44, 0x03, 0, 0x5A, 5, 0, 10, 1, 1, 8, 0x10, 0x22, 0x00, 0 };
    for (const char c : std::string ("Grand\x01"))
        info.push_back ((std::uint8_t) c);
    info.push_back (0xF7);
    r = readTransferReply (Reader (info));
    EXPECT_EQ (r.kind, TransferReply::Kind::information);
    EXPECT_EQ (r.size, 0x10 + 0x22 * 128);
    EXPECT_EQ (r.name, "Grand               ");
    EXPECT_EQ (readTransferReply (Reader (Bytes { 0xF0, 0x07, 0x44, 0x03, 0, 0x5A, 2, 0xF7 })).kind,
               TransferReply::Kind::acknowledgement);
    EXPECT_EQ (readTransferReply (Reader (Bytes { 0xF0, 0x07, 0x44, 0x03, 0, 0x5A, 9, 0xF7 })).kind,
               TransferReply::Kind::ignored);
}

TEST (PartData, LengthRulesDecideWhatIsKept)
{
    auto message = [] (std::uint8_t command, int slot, int part, int element, std::size_t length, int kind = 1) {
        Bytes m { 0xF0, 0x07, 0x44, 0x03, 0, command, 0, 0, (std::uint8_t) slot, (std::uint8_t) part,
                  (std::uint8_t) element, (std::uint8_t) kind };
        m.resize (length - 1, 0x01);
        m.push_back (0xF7);
        return m;
    };

    const auto layer = readPartData (Reader (message (0x02, 3, 1, 7, 377)));
    ASSERT_TRUE (layer.has_value());
    EXPECT_EQ (layer->target, PartTarget::programLayer);
    EXPECT_EQ (layer->slot, 3);
    EXPECT_EQ (layer->element, 7);
    EXPECT_EQ (layer->data.size(), 318u) << "364 packed bytes from byte 12: exactly one layer";

    EXPECT_FALSE (readPartData (Reader (message (0x02, 3, 1, 7, 376)))) << "a layer must be 377 bytes";
    EXPECT_FALSE (readPartData (Reader (message (0x04, 0, 3, 0, 13)))) << "exactly 13 bytes is a request";
    EXPECT_FALSE (readPartData (Reader (message (0x04, 0, 3, 0, 40, 0)))) << "kind 0";
    EXPECT_FALSE (readPartData (Reader (message (0x04, 0x20, 3, 0, 40)))) << "number-addressed";
    EXPECT_FALSE (readPartData (Reader (message (0x02, 16, 4, 0, 40)))) << "no 17th program edit object";
    EXPECT_FALSE (readPartData (Reader (message (0x02, 0, 3, 0, 40)))) << "program part 3 is not received";
    EXPECT_FALSE (readPartData (Reader (message (0x5B, 0, 0, 0, 40))));

    const auto global = readPartData (Reader (message (0x04, 0, 3, 0, 140)));
    ASSERT_TRUE (global.has_value());
    EXPECT_EQ (global->target, PartTarget::masterPart);
    EXPECT_EQ (global->data.size(), 15u * 7 + 6) << "127 packed bytes: 15 groups of eight and one of seven";

    const auto common = readPartData (Reader (message (0x0B, 0, 0, 0, 85)));
    ASSERT_TRUE (common.has_value());
    EXPECT_EQ (common->target, PartTarget::setupCommon);
    EXPECT_EQ (common->name, std::string (20, 0x01)) << "the name lies between the head and the packed data";
    EXPECT_EQ (common->data.size(), 45u);

    const auto programCommon = readPartData (Reader (message (0x02, 5, 0, 0, 185)));
    ASSERT_TRUE (programCommon.has_value());
    EXPECT_EQ (programCommon->target, PartTarget::programCommon);
    EXPECT_EQ (programCommon->data.size(), 133u) << "the common block, bytes 25 to 157";
    EXPECT_EQ (readPartData (Reader (message (0x02, 5, 2, 0, 119)))->data.size(), 92u) << "91 further bytes and one more";
    EXPECT_EQ (readPartData (Reader (message (0x0D, 0, 17, 0, 30)))->target, PartTarget::none);
}

TEST (SysexAssembler, CapsAnUnterminatedMessageAndStartsAfreshOnTheNextStart)
{
    int complete = 0;
    Assembler assembler ([&] (const Bytes&) { ++complete; });
    const Bytes head { 0xF0, 0x01 };
    const Bytes piece (1000, 0x22);
    assembler.add (head.data(), head.size());
    for (int i = 0; i < 200; ++i)
    {
        assembler.add (piece.data(), piece.size());
        ASSERT_LE (assembler.collected(), Assembler::maxMessageBytes);
    }
    EXPECT_FALSE (assembler.isCollecting()) << "the over-long message was dropped";
    const Bytes tail { 0x33, 0xF7 };
    assembler.add (tail.data(), tail.size());
    EXPECT_EQ (complete, 0) << "its remainder is ignored";

    const Bytes whole { 0xF0, 0x01, 0xF7 };
    assembler.add (whole.data(), whole.size());
    EXPECT_EQ (complete, 1);
}

TEST (SysexFormat, StoreWithNameSendsNoByteThatWouldEndTheMessage)
{
    // "Über" in UTF-8: 0xC3 0x9C, the second of which is a status byte on the cable.
    const auto m = storeWithName (0, commandProgramPart, 1031, 2, "\xC3\x9C" "ber\x7F" "Alles\x80\x9F\x1F");
    ASSERT_EQ (m.size(), 29u);
    for (std::size_t i = 1; i + 1 < m.size(); ++i)
        EXPECT_LT (m[i], 0x80) << "byte " << i;
    EXPECT_EQ (std::string (m.begin() + 12, m.begin() + 28), "  ber Alles     ");
    EXPECT_EQ (storedName ("A twenty char name!!"), "A twenty char na");
    EXPECT_EQ (storedName ("Grand"), "Grand           ");
    EXPECT_EQ (storedName ("~ok~", 4), "~ok~") << "0x7E is the last character kept";
}
