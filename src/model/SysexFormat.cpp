#include "SysexFormat.h"

#include "SevenBitPacking.h"

namespace zr9::sysex
{

namespace
{
    constexpr std::size_t infoNameLength = 20;
    constexpr std::uint8_t subInfoRequest = 0x20;
    constexpr std::uint8_t kindStoreWithName = 0x11;

    std::uint8_t seven (int v) noexcept { return (std::uint8_t) (v & 0x7F); }
} // namespace

void append (Message& m, std::initializer_list<std::uint8_t> bytes)
{
    // One byte at a time: inserting a list makes this compiler warn about bounds it has not got right.
    for (const auto b : bytes)
        m.push_back (b);
}

Message frame (int device, std::uint8_t command, std::initializer_list<std::uint8_t> fields)
{
    Message m;
    m.reserve (32);
    append (m, { start, manufacturerId, familyCode, memberCode, (std::uint8_t) (device & 0x7F), command });
    append (m, fields);
    return m;
}

void appendNumber14Hi (Message& m, int value)
{
    m.push_back (seven (value / 128));
    m.push_back (seven (value % 128));
}

void appendNumber14Lo (Message& m, int value)
{
    m.push_back (seven (value % 128));
    m.push_back (seven (value / 128));
}

void appendNumber21Lo (Message& m, int value)
{
    m.push_back (seven (value % 128));
    m.push_back (seven ((value % 16384) / 128));
    m.push_back (seven (value / 16384));
}

Message identityRequest()
{
    return { start, 0x7E, 0x7F, 0x06, 0x01, end };
}

Message shortCommand (int device, std::uint8_t command, int number, int a, int b, int c)
{
    auto m = frame (device, command);
    appendNumber14Hi (m, number);
    append (m, { seven (a), seven (b), seven (c), 0, end });
    return m;
}

Message partDump (int device, std::uint8_t command, int slot, int part, int element, int kind,
                  const std::uint8_t* data, std::size_t size)
{
    return partDump (device, command, 0, slot, part, element, kind, data, size);
}

Message partDump (int device, std::uint8_t command, int number, int slot, int part, int element, int kind,
                  const std::uint8_t* data, std::size_t size)
{
    auto m = frame (device, command);
    appendNumber14Hi (m, number);
    append (m, { seven (slot), seven (part), seven (element), seven (kind) });
    pack (data, size, m);
    return m;
}

std::vector<Message> programWriteSequence (int device, int slot, int number, const std::vector<std::uint8_t>& part4,
                                           const std::vector<std::uint8_t>& part5, const std::vector<std::uint8_t>& part0)
{
    if (number < 1)
        return {};
    constexpr int kindFollowing = 3, kindLast = 1;
    return { partDump (device, commandProgramPart, number, slot, 4, 0, kindFollowing, part4.data(), part4.size()),
             partDump (device, commandProgramPart, number, slot, 5, 0, kindFollowing, part5.data(), part5.size()),
             partDump (device, commandProgramPart, number, slot, 0, 0, kindLast, part0.data(), part0.size()) };
}

std::string storedName (const std::string& name, std::size_t length)
{
    std::string out;
    for (std::size_t i = 0; i < length; ++i)
        out.push_back ((char) nameByte (i < name.size() ? (unsigned char) name[i] : ' '));
    return out;
}

std::vector<std::uint8_t> withStoredName (std::vector<std::uint8_t> record, const std::string& name)
{
    constexpr std::size_t recordNameLength = 20;
    const auto stored = storedName (name) + std::string (recordNameLength - storedNameLength, ' ');
    for (std::size_t i = 0; i < recordNameLength && i < record.size(); ++i)
        record[i] = (std::uint8_t) stored[i];
    return record;
}

Message storeWithName (int device, std::uint8_t command, int number, int slot, const std::string& name)
{
    if (number < 1)
        return {};
    auto m = frame (device, command);
    appendNumber14Hi (m, number);
    append (m, { seven (slot), 0, 0, kindStoreWithName });
    // Only printable ASCII: a byte of 0x80 and up inside the message would end it on the cable.
    for (const char c : storedName (name))
        m.push_back ((std::uint8_t) c);
    m.push_back (end);
    return m;
}

Message valueMessage (int device, int value)
{
    auto m = frame (device, commandValue);
    appendNumber14Hi (m, value);
    m.push_back (end);
    return m;
}

Message channelProgram (int device, int channel0to15, int program)
{
    auto m = frame (device, commandChannelProgram);
    m.push_back (seven (channel0to15));
    appendNumber14Hi (m, program);
    m.push_back (end);
    return m;
}

Message channelSelect (int device, int channel1to16)
{
    auto m = frame (device, commandChannelSelect);
    m.push_back (seven (channel1to16 - 1));
    m.push_back (end);
    return m;
}

Message objectInfoRequest (int device, int typeId, int objectNumber)
{
    auto m = frame (device, commandTransfer);
    append (m, { subInfoRequest, 0 });
    appendNumber14Lo (m, typeId);
    appendNumber14Lo (m, objectNumber);
    m.push_back (end);
    return m;
}

Message objectDataRequest (int device, int typeId, int objectNumber, int offset, int size)
{
    auto m = frame (device, commandTransfer);
    append (m, { 0, 0 });
    appendNumber14Lo (m, typeId);
    appendNumber14Lo (m, objectNumber);
    appendNumber21Lo (m, offset);
    appendNumber21Lo (m, size);
    m.push_back (end);
    return m;
}

// ------------------------------------------------------------------- parsers

bool isIdentityReply (Reader m) noexcept
{
    return m.size() >= 5 && m[1] == 0x7E && m[3] == 0x06 && m[4] == 0x02;
}

IdentityReply readIdentityReply (Reader m)
{
    constexpr const char* unknown = "Connected - Device Unknown";
    IdentityReply reply;
    auto name = [&reply] (const char* text) { reply.namesDevice = true; reply.connectionText = text; };

    // The families are checked in order; a later match overrides an earlier one.
    if (m[7] == 0x40)
    {
        switch (m[9])
        {
            case 10: name ("HALVORN K120"); break;
            case 11: name ("HALVORN K250"); break;
            case 15: name ("HALVORN KX6"); break;
            case 16: name ("HALVORN KX8"); break;
            case 19: name ("HALVORN SP76"); break;
            case 64: name ("HALVORN MR8"); break;
            default: name (unknown); break;
        }
    }
    if (m[6] == 0x41)
        name (m[8] == 1 ? "HALVORN FL5" : unknown);
    if (m[6] == 0x42)
        name (m[8] == 1 ? "HALVORN AR3" : unknown);
    if (m[6] == 0x44)
        name (m[8] == 3 ? "HALVORN ZR9" : unknown);

    reply.unsupported = m[8] != 3;
    return reply;
}

std::string refusalText (int reason)
{
    switch (reason)
    {
        case 2: return "Nack_bad_checksum";
        case 3: return "Nack_bad_type_or_id";
        case 4: return "Nack_object_not_found";
        case 6: return "Nack_object_not_prepared";
        case 7: return "Nack_size_or_offset_bad";
        case 8: return "Nack_no_mem_to_process";
        case 9: return "Nack_object_being_edited";
        case 10: return "Nack_mismatched_type_id";
        default: return {};
    }
}

TransferReply readTransferReply (Reader m)
{
    TransferReply r;
    if (m[at::command] != commandTransfer && m[at::command] != commandTransferAlt)
        return r;

    switch (m[at::subCode])
    {
        case 1:
        {
            r.kind = TransferReply::Kind::data;
            r.typeId = m.number14Lo (at::typeId);
            r.objectNumber = m.number14Lo (at::objectNumber);
            r.offset = m.number21Lo (at::offset);
            r.size = m.number21Lo (at::size);
            // The packed chunk ends three bytes before the end: two unexamined bytes, then 0xF7.
            if (m.size() > at::transferData + 3)
                r.data = unpack (m.bytes() + at::transferData, m.size() - 3 - at::transferData);
            break;
        }
        case 2:
            r.kind = TransferReply::Kind::acknowledgement;
            break;
        case 3:
            r.kind = TransferReply::Kind::refusal;
            r.reason = m[at::subCode + 1];
            break;
        case 5:
        {
            r.kind = TransferReply::Kind::information;
            r.typeId = m.number14Lo (at::typeId);
            r.objectNumber = m.number14Lo (at::objectNumber);
            r.size = m.number21Lo (at::offset);
            // The name stops at byte 35 or at the closing 0xF7, whichever comes first.
            const std::size_t last = m.size() > 0 && m[m.size() - 1] == end ? m.size() - 1 : m.size();
            for (std::size_t i = 0; i < infoNameLength; ++i)
            {
                const std::size_t p = at::infoName + i;
                const int c = p < last ? m[p] : ' ';
                r.name.push_back ((char) (c < 20 ? ' ' : c));
            }
            break;
        }
        default:
            break;
    }
    return r;
}

} // namespace zr9::sysex
