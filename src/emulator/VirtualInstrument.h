#pragma once

#include "EditBuffers.h"

#include "model/SysexAssembler.h"
#include "model/SysexFormat.h"
#include "model/BankIndex.h"

#include <juce_core/juce_core.h>

#include <array>
#include <functional>
#include <map>
#include <set>

namespace zr9::emulator
{

/**
    A ZR9 as the editor sees it over MIDI: it takes what the editor sends
    (channel messages and System Exclusive, in pieces or whole), keeps what it
    was told, and answers identity, global-part and object-transfer requests
    from its own banks. Replies go to the sink; timing and faults are the
    reply line's business.

    Thread safe: messages may arrive on any thread while a test or the
    program reads the state.
*/
class VirtualInstrument
{
public:
    using Sink = std::function<void (const sysex::Message&)>;
    using Address = std::array<int, 5>;

    static constexpr int userRangeStart = 1025;
    static constexpr int masterPartSize = 200;
    static constexpr int maxChunk = 2048;
    static constexpr int nameLength = 20;
    static constexpr int pitchWheelCentre = 8192;
    /** Songs, algorithms and samples: the numbers its banks of those types hold. */
    static constexpr int fetchedOnlyLast = 2560;

    explicit VirtualInstrument (Sink replies);

    /** One message as it leaves the editor's output: a channel message, or a System Exclusive message or piece. */
    void receive (const std::uint8_t* bytes, std::size_t size);

    /**
        A controller moved on the instrument: it keeps the value and sends the
        controller message to the editor, as its panel does. Channel 1 to 16,
        number and value 0 to 127; anything else sends nothing.
    */
    void sendController (int channel1to16, int number, int value);
    /** A program chosen on the instrument: bank select (controller 32) and program change to the editor. */
    void sendProgramChange (int channel1to16, int bank, int program);

    /** Answer the identity request as another instrument (family, member); member 3 of family 0x44 is this one. */
    void setIdentity (int family, int member);

    /**
        A fault of its memory: the next `count` objects it stores from a
        message (a write sequence, a store-with-name) are kept with one byte
        changed, in the middle of the object's bytes, so reading them back
        shows the damage.
    */
    void corruptNextStores (int count);

    /** Leaves object-transfer requests for this type unanswered, as an instrument that does not know it. */
    void ignoreTransfersOf (int typeId);

    // What it holds.
    bool holds (int typeId, int number) const;
    /**
        Puts an object into the instrument's bank, as the instrument keeps it:
        the 20-byte name and the object's bytes (algorithms: the bytes alone).
        False when the instrument has no bank of that type or no such number.
    */
    bool storeObject (int typeId, int number, const std::vector<std::uint8_t>& record);
    /** Takes an object away, so that it is refused from then on. */
    void removeObject (int typeId, int number);
    /** The object's name without its padding blanks. */
    std::string objectName (int typeId, int number) const;
    /** The object's bytes as a transfer carries them: the record without its 20-byte name (algorithms have none). */
    std::vector<std::uint8_t> objectData (int typeId, int number) const;
    std::vector<int> userObjects (int typeId) const;

    // What it was told.
    int channelProgram (int channel0to15) const;
    /** A parameter set by a controller-address run; `fallback` when never set. */
    int parameter (const Address& address, int channel1to16, int fallback = 0) const;
    int lastValueMessage() const;
    int selectedChannel() const;
    bool isNoteHeld (int channel1to16, int key) const;
    /** The velocity a held note was struck with; 0 when it is not held. */
    int noteVelocity (int channel1to16, int key) const;
    /** The channel's last pitch-wheel value, 8192 (the centre) until one arrives. */
    int pitchWheel (int channel1to16) const;
    int controllerValue (int channel1to16, int number) const;
    int requestsOfKind (std::uint8_t command) const;
    int identityRequests() const;
    /** The last part dump received for (command, slot, part), unpacked; empty when none came. */
    std::vector<std::uint8_t> lastPartDump (std::uint8_t command, int slot, int part) const;
    /** How many messages of any kind arrived. */
    int messagesReceived() const;

    /** The 200 bytes of global part p (0 to 3) as the instrument would send them. */
    std::vector<std::uint8_t> globalPart (int part) const;

    /** The program in the edit buffer of slot 0 to 15 (the channel's program, with what the editor changed). */
    std::vector<std::uint8_t> editedProgram (int slot) const;
    /** The setup in the edit buffer. */
    std::vector<std::uint8_t> editedSetup() const;

private:
    void receiveChannelMessage (const std::uint8_t* m, std::size_t size);
    void receiveSysex (const std::vector<std::uint8_t>& message);
    void answerIdentity();
    void answerShortCommand (const sysex::Reader& m);
    void answerTransfer (const sysex::Reader& m);
    void storeWithName (const sysex::Reader& m);
    void keepPartDump (const sysex::Reader& m);
    void answerPartRequest (const sysex::Reader& m);
    void loadProgramBuffer (int slot);
    void loadSetupBuffer (int number);
    void takeAddressedValue (const Address& address, int channel1to16, int value);
    void refuse (int reason);
    void keep (BankIndex& bank, int number, std::vector<std::uint8_t> record);
    BankIndex* bankFor (int typeId);
    const BankIndex* bankFor (int typeId) const;
    void addUserObjects();
    void addObjectsWithoutFactoryImage();

    Sink sink;
    mutable juce::CriticalSection lock;
    sysex::Assembler assembler;
    std::map<int, BankIndex> banks;

    int identityFamily = sysex::familyCode, identityMember = sysex::memberCode;
    std::array<int, 16> programs {};
    std::map<std::pair<Address, int>, int> parameters;
    std::array<Address, 16> pendingAddress {};
    std::array<int, 16> pendingValueHigh {};
    int valueMessage = 0;
    int channel = 1;
    std::map<std::pair<int, int>, int> heldNotes; // (channel, key) -> velocity
    std::array<int, 16> pitchWheels;
    std::map<std::pair<int, int>, int> controllers;
    std::map<int, int> requestCounts;
    int identityCount = 0;
    int received = 0;
    int storesToCorrupt = 0;
    std::set<int> ignoredTypes;
    std::map<std::tuple<int, int, int>, std::vector<std::uint8_t>> partDumps;
    std::array<std::vector<std::uint8_t>, 4> globalParts;
    EditBuffers edits;
};

} // namespace zr9::emulator
