#include "VirtualInstrument.h"

#include "model/MidiControllers.h"
#include "model/BlankBank.h"
#include "model/SevenBitPacking.h"
#include "model/FactoryBanks.h"
#include "model/ObjectTypes.h"

namespace zr9::emulator
{

namespace
{
    using sysex::Message;


    // Master part 4: 16 entries of 8 bytes, the channel's program as the word at 2.
    constexpr int channelEntrySize = 8;
    constexpr int channelProgramOffset = 2;
    constexpr int tempoPart = 3, tempoOffset = 23, tempoHundredths = 12000;

    constexpr std::uint8_t subInfoRequest = 0x20;
    constexpr std::uint8_t subDataRequest = 0x00;
    constexpr std::uint8_t kindStoreWithName = 0x11;
    constexpr int reasonBadTypeOrId = 3;
    constexpr int reasonSizeOrOffsetBad = 7;

    constexpr std::uint8_t corruptionMask = 0x5A; // a damaged byte of a faulty store

    Message frame (std::uint8_t command, std::initializer_list<std::uint8_t> fields)
    {
        return sysex::frame (deviceNumber, command, fields);
    }

    std::string padded (std::string name)
    {
        name.resize (VirtualInstrument::nameLength, ' ');
        return name;
    }

    /** The bytes of a transfer for a record: algorithms have no name part, every other type has 20 bytes of it. */
    int namePart (int typeId) { return typeId == typeAlgorithm ? 0 : VirtualInstrument::nameLength; }

    /** A made-up object of `size` bytes after its name, the same every time. */
    std::vector<std::uint8_t> madeUpRecord (int typeId, const std::string& name, int size, int seed)
    {
        std::vector<std::uint8_t> record;
        if (namePart (typeId) > 0)
        {
            const auto n = padded (name);
            record.assign (n.begin(), n.end());
        }
        for (int i = 0; i < size; ++i)
            record.push_back ((std::uint8_t) ((i * 37 + seed * 11 + (i >> 8)) & 0xFF));
        return record;
    }

    // The program addresses of a controller-address run that change the edit buffer.
    constexpr int programCategoryOffset = 30, programSubTypeOffset = 31;
    const VirtualInstrument::Address categoryAddress { 1, 0, 0, 0, 0 };
    const VirtualInstrument::Address subTypeAddress { 1, 0, 0, 0, 1 };

    /** A copy of factory record `from` renamed, for the instrument's user range. */
    std::vector<std::uint8_t> renamed (const BankIndex& bank, int from, const std::string& name)
    {
        auto record = bank.record (from);
        const auto n = padded (name);
        for (size_t i = 0; i < n.size() && i < record.size(); ++i)
            record[i] = (std::uint8_t) n[i];
        return record;
    }
} // namespace

VirtualInstrument::VirtualInstrument (Sink replies)
    : sink (std::move (replies)),
      assembler ([this] (const std::vector<std::uint8_t>& m) { receiveSysex (m); })
{
    pitchWheels.fill (pitchWheelCentre);
    for (const auto& type : bankTypes())
    {
        const auto image = Factory_Banks_ZR9::image (type.id);
        if (image.size() > 0 && type.cap > 0)
            banks[type.id].index (type.id, image, type.cap);
    }
    addObjectsWithoutFactoryImage();
    addUserObjects();

    for (int c = 0; c < 16; ++c)
    {
        programs[(size_t) c] = c + 1;
        loadProgramBuffer (c);
    }
    loadSetupBuffer (1);
    for (auto& p : globalParts)
        p.assign ((size_t) masterPartSize, 0);
    globalParts[tempoPart][tempoOffset] = (std::uint8_t) (tempoHundredths >> 8);
    globalParts[tempoPart][tempoOffset + 1] = (std::uint8_t) (tempoHundredths & 0xFF);
}

void VirtualInstrument::loadProgramBuffer (int slot)
{
    // Whatever the editor changed in the buffer is gone once the channel plays another program.
    const auto* bank = bankFor (typeProgram);
    if (bank != nullptr && slot >= 0 && slot < 16)
        edits.loadProgram (slot, bank->record (programs[(size_t) slot]));
}

void VirtualInstrument::loadSetupBuffer (int number)
{
    const auto* bank = bankFor (typeSetup);
    if (bank != nullptr && bank->exists (number))
        edits.loadSetup (bank->record (number));
}

void VirtualInstrument::addObjectsWithoutFactoryImage()
{
    // Songs, algorithms and samples have no factory image in the editor; the
    // instrument holds some of each, so a run over every type finds them.
    for (const auto type : fetchedOnlyBankTypes)
        banks[type].index (type, ByteView (blankBankImage (type, fetchedOnlyLast + 1)), fetchedOnlyLast);

    const struct { int type; int number; const char* name; int size; } made[] = {
        { typeSong, 1, "Demo Song", 1200 },
        { typeSong, 1025, "Evening Set", 700 },
        { typeSong, 1026, "Soundcheck Loop", 5000 }, // three chunks: 2048, 2048 and 904 bytes
        { typeAlgorithm, 1, "", 96 },
        { typeAlgorithm, 1025, "", 96 },
        { typeAlgorithm, 1026, "", 128 },
        { typeSample, 1025, "Felt Piano C3", 160 },
    };
    for (const auto& m : made)
        banks[m.type].store (m.number, madeUpRecord (m.type, m.name, m.size, m.number));
}

void VirtualInstrument::addUserObjects()
{
    // A few objects the user made on the instrument, so that a fetch finds
    // something beyond the factory sounds: copies of the first factory object
    // of the type in turn, renamed.
    const struct { int type; int number; const char* name; } user[] = {
        { typeProgram, 1025, "Stage Grand Bright" },
        { typeProgram, 1026, "Warm Tines Chorus" },
        { typeProgram, 1027, "Gospel Drawbars" },
        { typeSetup, 1025, "Piano Over Strings" },
        { typeSetup, 1026, "Split Bass Rhodes" },
        { typeFxChain, 1025, "Hall Plate Blend" },
        { typeFxChain, 1026, "Rotor Slow Drive" },
        { typeKeyMap, 1025, "Wide Stage Split" },
        { typeIntonation, 1025, "Stretched Octaves" },
        { typeShiftPattern, 1025, "Gospel Walk" },
        { typeVelocityPattern, 1025, "Soft Touch" },
    };
    std::map<int, int> nextSource; // per type, where the search for the next object to copy begins
    for (const auto& u : user)
    {
        auto& bank = banks[u.type];
        int from = std::max (1, nextSource[u.type]);
        while (from < u.number && ! bank.exists (from))
            ++from;
        nextSource[u.type] = from + 1;
        if (from < u.number)
            bank.store (u.number, renamed (bank, from, u.name));
    }
}

BankIndex* VirtualInstrument::bankFor (int typeId)
{
    const auto it = banks.find (typeId);
    return it == banks.end() ? nullptr : &it->second;
}

const BankIndex* VirtualInstrument::bankFor (int typeId) const
{
    const auto it = banks.find (typeId);
    return it == banks.end() ? nullptr : &it->second;
}

// ------------------------------------------------------------ from its panel

void VirtualInstrument::sendController (int ch, int number, int value)
{
    if (ch < 1 || ch > 16 || number < 0 || number > 127 || value < 0 || value > 127)
        return;
    {
        const juce::ScopedLock sl (lock);
        controllers[{ ch, number }] = value;
    }
    sink ({ (std::uint8_t) (0xB0 | (ch - 1)), (std::uint8_t) number, (std::uint8_t) value });
}

void VirtualInstrument::sendProgramChange (int ch, int bank, int program)
{
    if (ch < 1 || ch > 16 || bank < 0 || bank > 127 || program < 0 || program > 127)
        return;
    {
        const juce::ScopedLock sl (lock);
        programs[(size_t) ch - 1] = bank * 128 + program;
        loadProgramBuffer (ch - 1);
    }
    sendController (ch, midicc::bankSelectLsb, bank);
    sink ({ (std::uint8_t) (0xC0 | (ch - 1)), (std::uint8_t) program });
}

void VirtualInstrument::setIdentity (int family, int member)
{
    const juce::ScopedLock sl (lock);
    identityFamily = family;
    identityMember = member;
}

void VirtualInstrument::corruptNextStores (int count)
{
    const juce::ScopedLock sl (lock);
    storesToCorrupt = std::max (0, count);
}

void VirtualInstrument::ignoreTransfersOf (int typeId)
{
    const juce::ScopedLock sl (lock);
    ignoredTypes.insert (typeId);
}

void VirtualInstrument::keep (BankIndex& bank, int number, std::vector<std::uint8_t> record)
{
    if (storesToCorrupt > 0 && record.size() > (size_t) nameLength)
    {
        --storesToCorrupt;
        record[(size_t) nameLength + (record.size() - (size_t) nameLength) / 2] ^= corruptionMask;
    }
    bank.store (number, ByteView (record));
}

// --------------------------------------------------------------------- input

void VirtualInstrument::receive (const std::uint8_t* bytes, std::size_t size)
{
    if (bytes == nullptr || size == 0)
        return;
    const juce::ScopedLock sl (lock);
    ++received;
    if (bytes[0] >= 0x80 && bytes[0] < 0xF0)
        receiveChannelMessage (bytes, size);
    else
        assembler.add (bytes, size);
}

void VirtualInstrument::receiveChannelMessage (const std::uint8_t* m, std::size_t size)
{
    const int status = m[0] & 0xF0;
    const int ch = (m[0] & 0x0F) + 1;
    const int d1 = size > 1 ? m[1] : 0;
    const int d2 = size > 2 ? m[2] : 0;

    if (status == 0x90 && d2 > 0)
        heldNotes[{ ch, d1 }] = d2;
    else if (status == 0x80 || status == 0x90)
        heldNotes.erase ({ ch, d1 });
    else if (status == 0xB0)
    {
        controllers[{ ch, d1 }] = d2;
        auto& address = pendingAddress[(size_t) ch - 1];
        if (d1 >= midicc::firstAddress && d1 <= midicc::lastAddress)
            address[(size_t) (d1 - midicc::firstAddress)] = d2;
        else if (d1 == midicc::valueHigh)
            pendingValueHigh[(size_t) ch - 1] = d2;
        else if (d1 == midicc::valueLow)
        {
            const int value = pendingValueHigh[(size_t) ch - 1] * 128 + d2 - midicc::addressValueOffset;
            parameters[{ address, ch }] = value;
            takeAddressedValue (address, ch, value);
        }
    }
    else if (status == 0xE0)
        pitchWheels[(size_t) ch - 1] = d1 + d2 * 128;
}

void VirtualInstrument::takeAddressedValue (const Address& address, int ch, int value)
{
    // The category and sub-type of the program on the channel's slot.
    if (address == categoryAddress)
        edits.setProgramByte (ch - 1, programCategoryOffset, value);
    else if (address == subTypeAddress)
        edits.setProgramByte (ch - 1, programSubTypeOffset, value);
}

void VirtualInstrument::receiveSysex (const std::vector<std::uint8_t>& message)
{
    const sysex::Reader m (message);
    if (m[1] == 0x7E && m[3] == 0x06 && m[4] == 0x01)
    {
        ++identityCount;
        answerIdentity();
        return;
    }
    if (! m.isProtocolMessage())
        return;

    const auto command = m[sysex::at::command];
    ++requestCounts[command];
    switch (command)
    {
        case sysex::commandValue:
            valueMessage = m.number14Hi (6);
            loadSetupBuffer (valueMessage); // the multi chosen
            break;
        case sysex::commandChannelProgram:
            if (m[6] < 16)
            {
                programs[m[6]] = m.number14Hi (7);
                loadProgramBuffer (m[6]);
            }
            break;
        case sysex::commandChannelSelect:
            channel = m[6] + 1;
            break;
        case sysex::commandTransfer:
            answerTransfer (m);
            break;
        case sysex::commandProgramPart:
        case sysex::commandGlobalPart:
        case sysex::commandSetupPart:
            if (m.size() == 13 && m[sysex::at::kind] == 0)
                answerShortCommand (m);
            else if (m[sysex::at::kind] == kindStoreWithName)
                storeWithName (m);
            else
                keepPartDump (m);
            break;
        default:
            break;
    }
}

// ------------------------------------------------------------------- answers

void VirtualInstrument::answerIdentity()
{
    sink ({ 0xF0, 0x7E, 0x00, 0x06, 0x02, sysex::manufacturerId, (std::uint8_t) identityFamily, 0x00,
            (std::uint8_t) identityMember, 0x00, 0x01, 0x00, 0x00, 0x00, 0xF7 });
}

std::vector<std::uint8_t> VirtualInstrument::globalPart (int part) const
{
    const juce::ScopedLock sl (lock);
    if (part < 0 || part > 3)
        return {};
    auto bytes = globalParts[(size_t) part];
    if (part == 3)
        for (size_t c = 0; c < programs.size(); ++c)
        {
            bytes[channelEntrySize * c + channelProgramOffset] = (std::uint8_t) (programs[c] >> 8);
            bytes[channelEntrySize * c + channelProgramOffset + 1] = (std::uint8_t) (programs[c] & 0xFF);
        }
    return bytes;
}

void VirtualInstrument::answerShortCommand (const sysex::Reader& m)
{
    if (m[sysex::at::command] != sysex::commandGlobalPart)
    {
        answerPartRequest (m);
        return;
    }
    // The editor asks for global part 3 after every identity reply, the setup editor for part 0.
    const int part = m[sysex::at::part];
    if (part > 3)
        return;
    const auto data = globalPart (part);
    auto reply = frame (sysex::commandGlobalPart, { 0, 0, 0, (std::uint8_t) part, 0, 1 });
    sysex::pack (data.data(), data.size(), reply);
    sink (reply);
}

void VirtualInstrument::answerPartRequest (const sysex::Reader& m)
{
    // Program part 0 of a slot: the program in parts. Setup parts 0, 1 and 2 (of a zone).
    std::vector<sysex::Message> replies;
    if (m[sysex::at::command] == sysex::commandProgramPart && m[sysex::at::part] == 0)
        replies = edits.programReply (m[sysex::at::slot]);
    else if (m[sysex::at::command] == sysex::commandSetupPart)
        replies = edits.setupReply (m[sysex::at::part], m[sysex::at::element]);
    for (const auto& reply : replies)
        sink (reply);
}

void VirtualInstrument::refuse (int reason)
{
    sink (frame (sysex::commandTransfer, { 3, (std::uint8_t) reason, 0xF7 }));
}

void VirtualInstrument::answerTransfer (const sysex::Reader& m)
{
    const int sub = m[sysex::at::subCode];
    const int type = m.number14Lo (sysex::at::typeId);
    const int number = m.number14Lo (sysex::at::objectNumber);
    if ((sub != subInfoRequest && sub != subDataRequest) || ignoredTypes.count (type) > 0)
        return;

    const auto* bank = bankFor (type);
    if (bank == nullptr || ! bank->exists (number))
    {
        refuse (reasonBadTypeOrId);
        return;
    }
    const auto record = bank->record (number);
    const int name = namePart (type);
    const int total = (int) record.size() - name;

    if (sub == subInfoRequest)
    {
        auto reply = frame (sysex::commandTransfer, { 5, 0 });
        sysex::appendNumber14Lo (reply, type);
        sysex::appendNumber14Lo (reply, number);
        sysex::appendNumber21Lo (reply, total);
        reply.push_back (0);
        for (int i = 0; i < nameLength; ++i)
            reply.push_back (i < name ? (std::uint8_t) (record[(size_t) i] & 0x7F) : (std::uint8_t) ' ');
        reply.push_back (0xF7);
        sink (reply);
        return;
    }

    const int offset = m.number21Lo (sysex::at::offset);
    const int wanted = m.number21Lo (sysex::at::size);
    if (offset < 0 || offset > total || wanted < 1 || wanted > maxChunk)
    {
        refuse (reasonSizeOrOffsetBad);
        return;
    }
    const int size = std::min (wanted, total - offset);
    auto reply = frame (sysex::commandTransfer, { 1, 0 });
    sysex::appendNumber14Lo (reply, type);
    sysex::appendNumber14Lo (reply, number);
    sysex::appendNumber21Lo (reply, offset);
    sysex::appendNumber21Lo (reply, size);
    sysex::pack (record.data() + name + offset, (size_t) size, reply);
    reply.pop_back();
    sysex::append (reply, { 0, 0, 0xF7 }); // two trailing bytes the editor does not examine
    sink (reply);
}

void VirtualInstrument::storeWithName (const sysex::Reader& m)
{
    const bool program = m[sysex::at::command] == sysex::commandProgramPart;
    const int number = m.number14Hi (sysex::at::number);
    const int slot = m[sysex::at::slot];
    std::string name;
    for (std::size_t i = 12; i < 28; ++i)
        name.push_back ((char) m[i]);

    // The edit buffer: the program of the slot, or the setup.
    auto* bank = bankFor (program ? typeProgram : typeSetup);
    auto record = program ? edits.program (slot & 0x0F) : edits.setup();
    if (bank == nullptr || number < 1 || record.size() <= (size_t) nameLength)
        return;
    const auto n = padded (name);
    std::copy (n.begin(), n.end(), record.begin());
    keep (*bank, number, std::move (record));
}

void VirtualInstrument::keepPartDump (const sysex::Reader& m)
{
    if (m.size() <= 13)
        return;
    partDumps[{ m[sysex::at::command], m[sysex::at::slot], m[sysex::at::part] }]
        = sysex::unpack (m.bytes() + 12, m.size() - 12);

    // Into the edit buffers; the part 0 that ends a write sequence stores the program it completes.
    if (m[sysex::at::command] == sysex::commandSetupPart)
        edits.takeSetupDump (m);
    else if (m[sysex::at::command] == sysex::commandProgramPart)
        if (const auto store = edits.takeProgramDump (m))
            if (auto* bank = bankFor (typeProgram))
                keep (*bank, store->number, std::move (store->record));
}

std::vector<std::uint8_t> VirtualInstrument::editedProgram (int slot) const
{
    const juce::ScopedLock sl (lock);
    return edits.program (slot);
}

std::vector<std::uint8_t> VirtualInstrument::editedSetup() const
{
    const juce::ScopedLock sl (lock);
    return edits.setup();
}

// ------------------------------------------------------------------ queries

bool VirtualInstrument::holds (int typeId, int number) const
{
    const juce::ScopedLock sl (lock);
    const auto* bank = bankFor (typeId);
    return bank != nullptr && bank->exists (number);
}

std::string VirtualInstrument::objectName (int typeId, int number) const
{
    const juce::ScopedLock sl (lock);
    const auto* bank = bankFor (typeId);
    auto name = bank != nullptr && namePart (typeId) > 0 ? bank->name (number) : std::string();
    name.erase (name.find_last_not_of (' ') + 1);
    return name;
}

std::vector<std::uint8_t> VirtualInstrument::objectData (int typeId, int number) const
{
    const juce::ScopedLock sl (lock);
    const auto* bank = bankFor (typeId);
    if (bank == nullptr || ! bank->exists (number))
        return {};
    const auto record = bank->record (number);
    return { record.begin() + namePart (typeId), record.end() };
}

bool VirtualInstrument::storeObject (int typeId, int number, const std::vector<std::uint8_t>& record)
{
    const juce::ScopedLock sl (lock);
    auto* bank = bankFor (typeId);
    return bank != nullptr && bank->store (number, ByteView (record));
}

void VirtualInstrument::removeObject (int typeId, int number)
{
    const juce::ScopedLock sl (lock);
    if (auto* bank = bankFor (typeId))
        bank->clear (number);
}

std::vector<int> VirtualInstrument::userObjects (int typeId) const
{
    const juce::ScopedLock sl (lock);
    std::vector<int> out;
    if (const auto* bank = bankFor (typeId))
        for (int n = userRangeStart; n <= bank->cap(); ++n)
            if (bank->exists (n))
                out.push_back (n);
    return out;
}

int VirtualInstrument::channelProgram (int c) const
{
    const juce::ScopedLock sl (lock);
    return c >= 0 && c < 16 ? programs[(size_t) c] : 0;
}

int VirtualInstrument::parameter (const Address& address, int ch, int fallback) const
{
    const juce::ScopedLock sl (lock);
    const auto it = parameters.find ({ address, ch });
    return it == parameters.end() ? fallback : it->second;
}

int VirtualInstrument::lastValueMessage() const { const juce::ScopedLock sl (lock); return valueMessage; }
int VirtualInstrument::selectedChannel() const { const juce::ScopedLock sl (lock); return channel; }
int VirtualInstrument::identityRequests() const { const juce::ScopedLock sl (lock); return identityCount; }
int VirtualInstrument::messagesReceived() const { const juce::ScopedLock sl (lock); return received; }

bool VirtualInstrument::isNoteHeld (int ch, int key) const
{
    const juce::ScopedLock sl (lock);
    return heldNotes.count ({ ch, key }) > 0;
}

int VirtualInstrument::noteVelocity (int ch, int key) const
{
    const juce::ScopedLock sl (lock);
    const auto it = heldNotes.find ({ ch, key });
    return it == heldNotes.end() ? 0 : it->second;
}

int VirtualInstrument::pitchWheel (int ch) const
{
    const juce::ScopedLock sl (lock);
    return ch >= 1 && ch <= 16 ? pitchWheels[(size_t) ch - 1] : 0;
}

int VirtualInstrument::controllerValue (int ch, int number) const
{
    const juce::ScopedLock sl (lock);
    const auto it = controllers.find ({ ch, number });
    return it == controllers.end() ? -1 : it->second;
}

int VirtualInstrument::requestsOfKind (std::uint8_t command) const
{
    const juce::ScopedLock sl (lock);
    const auto it = requestCounts.find (command);
    return it == requestCounts.end() ? 0 : it->second;
}

std::vector<std::uint8_t> VirtualInstrument::lastPartDump (std::uint8_t command, int slot, int part) const
{
    const juce::ScopedLock sl (lock);
    const auto it = partDumps.find ({ command, slot, part });
    return it == partDumps.end() ? std::vector<std::uint8_t>() : it->second;
}

} // namespace zr9::emulator
