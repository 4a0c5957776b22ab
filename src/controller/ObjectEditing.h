#pragma once

#include "midi/InstrumentMessages.h"
#include "model/LiveRowAddresses.h"

#include <string>

namespace zr9
{

class LiveValues;
class MidiConnection;
class RK2Class;

/**
    What the program and setup editors and the write dialog ask of the
    instrument: the part requests that have it send its edit buffers (the
    replies fill the program edit objects and the multi through the part
    receiver), the category and sub-type sent at once as controller-address
    messages, the store-with-name message, the program write sequence, and
    the setup parts that carry the setup being edited into its edit buffer.

    Every message leaves through the connection's output; nothing is sent to
    an instrument that is not on line or not supported. Message thread.
*/
class ObjectEditing
{
public:
    /** The write dialog's object kinds. */
    static constexpr int programKind = 11;
    static constexpr int setupKind = 114;
    /** The instrument's addresses of a program's category and sub-type. */
    static constexpr messages::Address categoryAddress = liveaddress::programCategory;
    static constexpr messages::Address subTypeAddress = liveaddress::programSubType;

    ObjectEditing (MidiConnection& connection, LiveValues& live, RK2Class& model);

    /** True while a supported instrument answers on the open ports. */
    bool isOnline() const;

    /** Asks for program part 0 of the slot (0 to 15): the instrument sends the program in its parts. */
    bool requestProgram (int slot);
    /** Asks for setup parts 0 and 1 and global part 0. */
    bool requestSetup();
    /** Asks for setup part 2 of zone z (0 to 15). */
    bool requestZone (int z);

    /** The program's category and sub-type, at once, on the slot's channel. */
    bool sendCategory (int slot, int category);
    bool sendSubType (int slot, int subType);

    /**
        Asks the instrument to store its edit buffer under `number` with the
        16-character name: a program's for kind 11 (with its slot), the
        setup's for kind 114. False, and nothing sent, for other kinds and
        numbers below 1.
    */
    bool storeWithName (int kind, int number, int slot, const std::string& name);

    /** Sends the slot's program edit object as the write sequence (parts 4, 5, 0) for `number` with the name. */
    bool writeProgram (int slot, int number, const std::string& name);

    /** Sends the setup being edited into the instrument's edit buffer: its header, its common block and each zone. */
    bool sendSetup();

private:
    bool sendAddress (const messages::Address& address, int slot, int value);
    void send (const std::vector<std::uint8_t>& message);

    MidiConnection& connection;
    LiveValues& live;
    RK2Class& model;
};

} // namespace zr9
