#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace zr9::sysex
{

using Message = std::vector<std::uint8_t>;

constexpr std::uint8_t start = 0xF0;
constexpr std::uint8_t end = 0xF7;
constexpr std::uint8_t manufacturerId = 0x07;
constexpr std::uint8_t familyCode = 0x44;
constexpr std::uint8_t memberCode = 0x03;

// Commands (byte 5 of the instrument's frame).
constexpr std::uint8_t commandProgramPart = 0x02;
constexpr std::uint8_t commandGlobalPart = 0x04;
constexpr std::uint8_t commandUnused05 = 0x05;
constexpr std::uint8_t commandSetupPart = 0x0B;
constexpr std::uint8_t commandUnused0D = 0x0D;
constexpr std::uint8_t commandValue = 0x11;
constexpr std::uint8_t commandChannelProgram = 0x20;
constexpr std::uint8_t commandChannelSelect = 0x40;
constexpr std::uint8_t commandTransfer = 0x5A;
constexpr std::uint8_t commandTransferAlt = 0x5B;

// Offsets in a whole message, counted from its 0xF0.
namespace at
{
    constexpr std::size_t device = 4;
    constexpr std::size_t command = 5;
    constexpr std::size_t number = 6;   // Number14Hi in command messages
    constexpr std::size_t subCode = 6;  // object transfer
    constexpr std::size_t slot = 8;
    constexpr std::size_t part = 9;
    constexpr std::size_t element = 10;
    constexpr std::size_t kind = 11;
    constexpr std::size_t typeId = 8;       // Number14Lo in object transfer
    constexpr std::size_t objectNumber = 10; // Number14Lo
    constexpr std::size_t offset = 12;      // Number21Lo
    constexpr std::size_t size = 15;        // Number21Lo
    constexpr std::size_t transferData = 18;
    constexpr std::size_t infoName = 16;
} // namespace at

/** A received message read with bounds: any byte beyond its end reads as 0. */
class Reader
{
public:
    Reader (const std::uint8_t* d, std::size_t n) noexcept : data (d), length (n) {}
    explicit Reader (const Message& m) noexcept : data (m.data()), length (m.size()) {}

    std::uint8_t operator[] (std::size_t i) const noexcept { return i < length ? data[i] : 0; }
    std::size_t size() const noexcept { return length; }
    const std::uint8_t* bytes() const noexcept { return data; }

    int number14Hi (std::size_t i) const noexcept { return (*this)[i] * 128 + (*this)[i + 1]; }
    int number14Lo (std::size_t i) const noexcept { return (*this)[i] + (*this)[i + 1] * 128; }
    int number21Lo (std::size_t i) const noexcept { return (*this)[i] + (*this)[i + 1] * 128 + (*this)[i + 2] * 16384; }

    /** Belongs to the instrument's protocol: family and member code at bytes 2 and 3. */
    bool isProtocolMessage() const noexcept { return (*this)[2] == familyCode && (*this)[3] == memberCode; }

private:
    const std::uint8_t* data;
    std::size_t length;
};

/** Appends bytes to a message being built. */
void append (Message& m, std::initializer_list<std::uint8_t> bytes);

/** The instrument's frame: 0xF0, maker, family, member, device id, command, then the given fields. */
Message frame (int device, std::uint8_t command, std::initializer_list<std::uint8_t> fields = {});

// Number encodings; divisions truncate and values are not clamped (callers keep them in range).
void appendNumber14Hi (Message& m, int value);
void appendNumber14Lo (Message& m, int value);
void appendNumber21Lo (Message& m, int value);

// ------------------------------------------------------------------ builders
/** The universal identity request to every device: F0 7E 7F 06 01 F7. */
Message identityRequest();

/** A 13-byte command request: number (Number14Hi), slot A, part B, element C, kind 0. */
Message shortCommand (int device, std::uint8_t command, int number, int a, int b, int c);

/** A part dump: command, slot, part, element, kind, then the packed part bytes and 0xF7. */
Message partDump (int device, std::uint8_t command, int slot, int part, int element, int kind,
                  const std::uint8_t* data, std::size_t size);
/** The same with an object number in the number field (Number14Hi) instead of 0. */
Message partDump (int device, std::uint8_t command, int number, int slot, int part, int element, int kind,
                  const std::uint8_t* data, std::size_t size);

/**
    Writing a program into the instrument under `number`: the dumps of
    program parts 4, 5 and 0 for the slot, in that order, each carrying the
    number in its number field. Part 0, the last, tells the instrument to
    store what the three carried. Empty for numbers below 1.
*/
std::vector<Message> programWriteSequence (int device, int slot, int number, const std::vector<std::uint8_t>& part4,
                                           const std::vector<std::uint8_t>& part5, const std::vector<std::uint8_t>& part0);

/** How many characters of a name the instrument stores. */
constexpr std::size_t storedNameLength = 16;

/**
    A name character as it may travel inside a System Exclusive message and
    stand in the instrument's memory: printable ASCII (0x20 to 0x7E) as it
    is, every other byte (controls, 0x7F, and every byte of 0x80 and up,
    which would end the message on the cable) as a blank.
*/
constexpr std::uint8_t nameByte (int c) noexcept
{
    return c >= 0x20 && c <= 0x7E ? (std::uint8_t) c : (std::uint8_t) ' ';
}

/** True for the characters nameByte() keeps. */
constexpr bool isNameCharacter (int c) noexcept { return c >= 0x20 && c <= 0x7E; }

/** The name the instrument stores: cut after `length` characters or padded with blanks, each through nameByte(). */
std::string storedName (const std::string& name, std::size_t length = storedNameLength);

/** A record as the instrument stores it under `name`: bytes 0 to 19 the 16-character stored name and four blanks. */
std::vector<std::uint8_t> withStoredName (std::vector<std::uint8_t> record, const std::string& name);

/** Asks the instrument to store its edit buffer under `number` with a 16-character name; empty for numbers below 1. */
Message storeWithName (int device, std::uint8_t command, int number, int slot, const std::string& name);

Message valueMessage (int device, int value);
Message channelProgram (int device, int channel0to15, int program);
/** Selects the instrument's channel 1 to 16 (sent as channel - 1). */
Message channelSelect (int device, int channel1to16);

Message objectInfoRequest (int device, int typeId, int objectNumber);
Message objectDataRequest (int device, int typeId, int objectNumber, int offset, int size);

// ------------------------------------------------------------------- parsers
/** Only a real reply (byte 4 = 2) counts: the request echoed back by a loop-back port does not. */
bool isIdentityReply (Reader m) noexcept;

struct IdentityReply
{
    bool namesDevice = false;   // false: the codes match no known family, the connection text stays
    std::string connectionText;
    bool unsupported = false;   // member code (byte 8) is not this instrument's
};
IdentityReply readIdentityReply (Reader m);

/** The text of a refusal reason; empty for codes without one. */
std::string refusalText (int reason);

struct TransferReply
{
    enum class Kind { ignored, data, acknowledgement, refusal, information };
    Kind kind = Kind::ignored;
    int typeId = 0, objectNumber = 0;
    int offset = 0, size = 0;            // data: where the chunk lies; information: size is the object's size
    std::vector<std::uint8_t> data;      // data: the unpacked chunk
    int reason = 0;                      // refusal: the byte after the sub-code
    std::string name;                    // information: 20 characters
};
/** Reads an object-transfer reply (command 0x5A); anything else reads as ignored. */
TransferReply readTransferReply (Reader m);

} // namespace zr9::sysex
