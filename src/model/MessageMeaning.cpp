#include "MessageMeaning.h"

#include "DisplayTypes.h"
#include "LiveRowAddresses.h"
#include "MidiChannels.h"
#include "ParameterNames.h"
#include "PartMessages.h"
#include "ProgramCategories.h"
#include "SysexFormat.h"
#include "TransferTypes.h"

namespace zr9::monitor
{

namespace
{
    using std::string;

    constexpr std::uint8_t sysExStart = 0xF0;
    constexpr std::uint8_t sysExEnd = 0xF7;
    constexpr std::uint8_t firstStatus = 0x80;
    constexpr std::uint8_t universalNonRealTime = 0x7E;
    constexpr std::uint8_t universalRealTime = 0x7F;
    constexpr std::uint8_t allDevices = 0x7F;
    constexpr int wheelCentre = 8192;
    constexpr std::size_t shortCommandLength = 13;
    constexpr std::uint8_t kindRequest = 0;
    constexpr std::uint8_t kindStoreWithName = 0x11;
    constexpr int commonPart = 0;
    constexpr int programLayerPart = 1;
    constexpr int setupZonePart = 2;
    constexpr std::size_t storedNameAt = 12;
    constexpr std::size_t infoNameLength = 20;

    // Object-transfer sub-codes (byte 6).
    constexpr int subDataRequest = 0x00;
    constexpr int subData = 0x01;
    constexpr int subAcknowledgement = 0x02;
    constexpr int subRefusal = 0x03;
    constexpr int subInformation = 0x05;
    constexpr int subInformationRequest = 0x20;

    string decimal (long long v) { return std::to_string (v); }

    string hexByte (int b)
    {
        constexpr const char* digits = "0123456789ABCDEF";
        return { digits[(b >> 4) & 0x0F], digits[b & 0x0F] };
    }

    /** "44 00": `count` bytes from `from`, each in hexadecimal. */
    string hexBytes (const sysex::Reader& m, std::size_t from, std::size_t count)
    {
        string s;
        for (std::size_t i = 0; i < count; ++i)
            s += (i > 0 ? " " : "") + hexByte (m[from + i]);
        return s;
    }

    string channelText (int c) { return "Ch." + decimal (c + 1); }

    string bytesText (std::size_t n) { return decimal ((long long) n) + (n == 1 ? " byte" : " bytes"); }

    /**
        A name carried in a message, from `from` for at most `length` bytes,
        stopping at the end of the message: printable characters as they are,
        anything else as a blank, blanks at the end left out, in quotes.
    */
    string quotedName (const sysex::Reader& m, std::size_t from, std::size_t length)
    {
        string name;
        for (std::size_t i = from; i < from + length && i < m.size(); ++i)
        {
            if (m[i] == sysExEnd)
                break;
            name.push_back (sysex::isNameCharacter (m[i]) ? (char) m[i] : ' ');
        }
        while (! name.empty() && name.back() == ' ')
            name.pop_back();
        return "\"" + name + "\"";
    }

    /** Unpacked bytes that `packed` bytes of 7-in-8 packed data carry. */
    std::size_t unpackedLength (std::size_t packed) noexcept
    {
        const auto rest = packed % 8;
        return packed / 8 * 7 + (rest >= 2 ? rest - 1 : 0);
    }

    string typeText (int typeId)
    {
        const string name = transfer::typeName (typeId);
        return name.empty() ? "type " + decimal (typeId) : name;
    }

    string objectText (const sysex::Reader& m)
    {
        return typeText (m.number14Lo (sysex::at::typeId)) + ", number " + decimal (m.number14Lo (sysex::at::objectNumber));
    }

    string signedText (int v) { return v > 0 ? "+" + decimal (v) : decimal (v); }

    // ----------------------------------------------------------------- identity

    string universalText (const sysex::Reader& m, std::size_t size)
    {
        if (m[3] == 0x06 && m[4] == 0x01)
            return m[2] == allDevices ? "Identity request to all devices" : "Identity request to device " + decimal (m[2]);
        if (sysex::isIdentityReply (m))
        {
            const auto reply = sysex::readIdentityReply (m);
            const bool named = reply.namesDevice && reply.connectionText.rfind ("Connected", 0) != 0;
            return "Identity reply" + (named ? " from " + reply.connectionText : string()) + ": family " + hexBytes (m, 6, 2)
                 + ", member " + hexBytes (m, 8, 2) + ", firmware " + hexBytes (m, 10, 4);
        }
        return "Universal System Exclusive " + hexBytes (m, 3, 2) + ", " + bytesText (size);
    }

    // --------------------------------------------------------------------- parts

    string partName (int command, int part)
    {
        const char* what = command == sysex::commandProgramPart ? "program" : command == sysex::commandGlobalPart ? "global" : "setup";
        return string (what) + " part " + decimal (part);
    }

    string capitalised (string s)
    {
        if (! s.empty() && s[0] >= 'a' && s[0] <= 'z')
            s[0] = (char) (s[0] - 'a' + 'A');
        return s;
    }

    string partText (const sysex::Reader& m, std::size_t size, bool ended)
    {
        const int command = m[sysex::at::command];
        const int number = m.number14Hi (sysex::at::number);
        const int slot = m[sysex::at::slot], part = m[sysex::at::part], element = m[sysex::at::element];
        const int kindByte = m[sysex::at::kind];
        const bool program = command == sysex::commandProgramPart;

        string where;
        if (program || slot != 0)
            where += ", slot " + decimal (slot);
        const char* elementName = program && part == programLayerPart ? "layer"
                                : command == sysex::commandSetupPart && part == setupZonePart ? "zone" : nullptr;
        if (elementName != nullptr || element != 0)
            where += string (", ") + (elementName != nullptr ? elementName : "element") + " " + decimal (element);

        if (size == shortCommandLength && kindByte == kindRequest)
            return "Request " + partName (command, part) + where;

        if (kindByte == kindStoreWithName && command != sysex::commandGlobalPart)
            return string ("Store ") + (program ? "program " : "multi ") + decimal (number) + " "
                 + quotedName (m, storedNameAt, sysex::storedNameLength) + (program ? ", slot " + decimal (slot) : string());

        // A common part from the instrument carries its name ahead of its data; one that writes an object carries the number.
        string text = capitalised (partName (command, part)) + " dump";
        if (number != 0)
            text += string (", for ") + (program ? "program " : command == sysex::commandSetupPart ? "multi " : "") + decimal (number);
        text += where;
        std::size_t dataAt = sysex::partDataAt;
        if (part == commonPart && command != sysex::commandGlobalPart && number == 0 && size > sysex::commonPartDataAt)
        {
            text += ", " + quotedName (m, sysex::partNameAt, sysex::partNameLength);
            dataAt = sysex::commonPartDataAt;
        }
        const std::size_t packedEnd = ended ? size - 1 : size;
        const auto data = packedEnd > dataAt ? unpackedLength (packedEnd - dataAt) : 0;
        return text + ", kind " + decimal (kindByte) + ", " + bytesText (data);
    }

    // ------------------------------------------------------------ object transfer

    string transferText (const sysex::Reader& m)
    {
        switch (m[sysex::at::subCode])
        {
            case subInformationRequest:
                return "Object info request: " + objectText (m);
            case subDataRequest:
                return "Object data request: " + objectText (m) + ", offset " + decimal (m.number21Lo (sysex::at::offset))
                     + ", length " + decimal (m.number21Lo (sysex::at::size));
            case subData:
                return "Object data: " + objectText (m) + ", offset " + decimal (m.number21Lo (sysex::at::offset))
                     + ", length " + decimal (m.number21Lo (sysex::at::size));
            case subAcknowledgement:
                return "Object transfer acknowledged";
            case subRefusal:
            {
                const int reason = m[sysex::at::subCode + 1];
                const auto why = sysex::refusalText (reason);
                return "Object transfer refused: " + (why.empty() ? "reason " + decimal (reason) : why + " (" + decimal (reason) + ")");
            }
            case subInformation:
                return "Object info: " + objectText (m) + " " + quotedName (m, sysex::at::infoName, infoNameLength) + ", "
                     + bytesText ((std::size_t) m.number21Lo (sysex::at::offset));
            default:
                return "Object transfer, sub-code " + hexByte (m[sysex::at::subCode]);
        }
    }
} // namespace

// ------------------------------------------------------------------------- decode

Meaning Decoder::decode (const MonitorMessage& message)
{
    auto meaning = message.bytes.empty() ? Meaning { kind::channel, -1, "Nothing" }
                 : message.addressGroup ? addressMessage (message.bytes.data(), message.bytes.size())
                 : message.bytes[0] != sysExStart ? channelMessage (message.direction, message.bytes.data(), message.bytes.size())
                 : sysExMessage (message);
    // Object names are padded with blanks; a line has no use for them at its end.
    while (! meaning.text.empty() && meaning.text.back() == ' ')
        meaning.text.pop_back();
    return meaning;
}

Meaning Decoder::sysExMessage (const MonitorMessage& message) const
{
    const sysex::Reader m (message.bytes.data(), message.bytes.size());
    // A message kept only in part is taken to end where its length says, with its 0xF7.
    const bool ended = ! message.isWhole() || message.bytes.back() == sysExEnd;
    Meaning out { kind::systemExclusive, -1, {} };
    const auto size = message.size;

    if (m[1] == universalNonRealTime || m[1] == universalRealTime)
    {
        out.text = universalText (m, size);
    }
    else if (m.isProtocolMessage() && m.size() > sysex::at::command + 1)
    {
        const int command = m[sysex::at::command];
        switch (command)
        {
            case sysex::commandProgramPart:
            case sysex::commandGlobalPart:
            case sysex::commandSetupPart:
                out.text = partText (m, size, ended);
                break;
            case sysex::commandValue:
                out.kinds |= kind::liveRow;
                out.text = "Multi = " + valueText (m.number14Hi (sysex::at::number), display::setupName, words);
                break;
            case sysex::commandChannelProgram:
            {
                const int c = m[sysex::at::number];
                const int program = m.number14Hi (sysex::at::number + 1);
                out.kinds |= kind::liveRow;
                if (c < channelCount)
                {
                    out.channel = c;
                    const int row = LiveRowLayout::channelRow (c, LiveRowLayout::slotProgram);
                    const auto name = words != nullptr ? words->rowName (row) : string();
                    out.text = (name.empty() ? "Program " + channelText (c) : name) + " = "
                             + valueText (program, words != nullptr ? words->rowDisplayType (row) : display::programName, words);
                }
                else
                {
                    out.text = "Channel program on channel byte " + decimal (c) + " = " + decimal (program);
                }
                break;
            }
            case sysex::commandChannelSelect:
                if (m[sysex::at::number] < channelCount)
                    out.channel = m[sysex::at::number];
                out.text = "Channel select = Ch." + decimal (m[sysex::at::number] + 1);
                break;
            case sysex::commandTransfer:
            case sysex::commandTransferAlt:
                out.text = transferText (m);
                break;
            default:
                out.text = "Instrument command " + hexByte (command) + ", " + bytesText (size);
                break;
        }
    }
    else if (m.isProtocolMessage())
    {
        out.text = "Instrument message without a command, " + bytesText (size);
    }
    else
    {
        // A maker's id is one byte, or three when the first is 0.
        const auto maker = m[1] == 0 ? hexBytes (m, 1, 3) : hexByte (m[1]);
        out.text = "System Exclusive of maker " + maker + ", " + bytesText (size);
    }

    if (! ended)
        out.text += ", without its end";
    return out;
}

Meaning Decoder::channelMessage (Direction direction, const std::uint8_t* bytes, std::size_t size)
{
    const sysex::Reader b (bytes, size);
    const int status = b[0];
    if (status < firstStatus)
        return { kind::channel, -1, "Data without a status, " + bytesText (size) };

    if (status >= 0xF0)
    {
        switch (status)
        {
            case 0xF1: return { kind::channel, -1, "MIDI time code " + hexByte (b[1]) };
            case 0xF2: return { kind::channel, -1, "Song position " + decimal (b[1] + 128 * b[2]) };
            case 0xF3: return { kind::channel, -1, "Song select " + decimal (b[1]) };
            case 0xF6: return { kind::channel, -1, "Tune request" };
            case 0xF7: return { kind::channel, -1, "End of System Exclusive without its start" };
            case 0xF8: return { kind::channel, -1, "Clock" };
            case 0xFA: return { kind::channel, -1, "Start" };
            case 0xFB: return { kind::channel, -1, "Continue" };
            case 0xFC: return { kind::channel, -1, "Stop" };
            case 0xFE: return { kind::channel, -1, "Active sensing" };
            case 0xFF: return { kind::channel, -1, "Reset" };
            default:   return { kind::channel, -1, "Undefined status " + hexByte (status) };
        }
    }

    const int c = status & 0x0F;
    const int d1 = b[1], d2 = b[2];
    const auto ch = " " + channelText (c);
    const auto note = [d1] { return " " + valueText (d1, display::noteName); };
    Meaning out { kind::channel, c, {} };
    switch (status & 0xF0)
    {
        case 0x80:
            out.text = "Note off" + ch + note();
            break;
        case 0x90:
            out.text = d2 == 0 ? "Note off" + ch + note() : "Note on" + ch + note() + " velocity " + decimal (d2);
            break;
        case 0xA0:
            out.text = "Key pressure" + ch + note() + " = " + decimal (d2);
            break;
        case 0xB0:
            // The instrument takes controller 32 as the bank of the next program change.
            if (d1 == midicc::bankSelectLsb)
                bankSelects[direction == Direction::out ? 1 : 0][(std::size_t) c] = d2;
            out.text = "Controller" + ch + " " + controllerDestinationName (d1) + " = " + decimal (d2);
            break;
        case 0xC0:
        {
            const int program = bankSelects[direction == Direction::out ? 1 : 0][(std::size_t) c] * programsPerBank + d1;
            out.text = "Program change" + ch + " = " + valueText (program, display::programName, words);
            break;
        }
        case 0xD0:
            out.text = "Channel pressure" + ch + " = " + decimal (d1);
            break;
        default: // 0xE0
            out.text = "Pitch wheel" + ch + " = " + signedText (d1 + 128 * d2 - wheelCentre);
            break;
    }
    return out;
}

Meaning Decoder::addressMessage (const std::uint8_t* bytes, std::size_t size) const
{
    // Seven controllers of three bytes: the data byte of each is its third.
    const sysex::Reader b (bytes, size);
    const int c = b[0] & 0x0F;
    liveaddress::Address address {};
    for (std::size_t i = 0; i < address.size(); ++i)
        address[i] = b[3 * i + 2];
    const int value = b[3 * 5 + 2] * 128 + b[3 * 6 + 2] - midicc::addressValueOffset;

    Meaning out { kind::liveRow, c, {} };
    const int row = liveaddress::rowOf (address, c);
    if (row >= 0 && words != nullptr)
        out.text = words->rowName (row) + " = " + valueText (value, words->rowDisplayType (row), words);
    else if (row >= 0)
        out.text = "Row " + decimal (row) + " = " + decimal (value);
    else if (address == liveaddress::programCategory)
        out.text = "Category " + channelText (c) + " = " + programCategoryText (value);
    else if (address == liveaddress::programSubType)
        out.text = "Sub-type " + channelText (c) + " = " + decimal (value);
    else
    {
        string numbers;
        for (const int a : address)
            numbers += " " + decimal (a);
        out.text = "Address" + numbers + " " + channelText (c) + " = " + decimal (value);
    }
    return out;
}

} // namespace zr9::monitor
