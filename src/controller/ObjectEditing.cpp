#include "ObjectEditing.h"

#include "LiveValues.h"
#include "MidiConnection.h"

#include "model/PartMessages.h"
#include "model/ProgramParts.h"
#include "model/RK2Class.h"

namespace zr9
{

namespace
{
    constexpr int slots = channelCount;
    constexpr int programCommonPart = 0;
    constexpr int setupHeaderPart = 0, setupCommonPart = 1, setupZonePart = 2;
    constexpr int globalSetupPart = 0;

    bool isSlot (int slot) noexcept { return slot >= 0 && slot < slots; }
} // namespace

ObjectEditing::ObjectEditing (MidiConnection& c, LiveValues& l, RK2Class& m) : connection (c), live (l), model (m) {}

bool ObjectEditing::isOnline() const
{
    return connection.isConnected() && ! connection.isUnsupportedDevice() && connection.isOutputOpen();
}

void ObjectEditing::send (const std::vector<std::uint8_t>& message)
{
    if (! message.empty())
        connection.output().sendSysEx (message.data(), message.size());
}

bool ObjectEditing::requestProgram (int slot)
{
    if (! isOnline() || ! isSlot (slot))
        return false;
    const int device = connection.output().deviceId();
    send (sysex::shortCommand (device, sysex::commandProgramPart, 0, slot, programCommonPart, 0));
    return true;
}

bool ObjectEditing::requestSetup()
{
    if (! isOnline())
        return false;
    const int device = connection.output().deviceId();
    send (sysex::shortCommand (device, sysex::commandSetupPart, 0, 0, setupHeaderPart, 0));
    send (sysex::shortCommand (device, sysex::commandSetupPart, 0, 0, setupCommonPart, 0));
    send (sysex::shortCommand (device, sysex::commandGlobalPart, 0, 0, globalSetupPart, 0));
    return true;
}

bool ObjectEditing::requestZone (int z)
{
    if (! isOnline() || z < 0 || z >= ObjMultiClass::zoneCount)
        return false;
    send (sysex::shortCommand (connection.output().deviceId(), sysex::commandSetupPart, 0, 0, setupZonePart, z));
    return true;
}

bool ObjectEditing::sendAddress (const messages::Address& address, int slot, int value)
{
    if (! isOnline() || ! isSlot (slot))
        return false;
    live.sendControllerAddress (address, value, slot + 1);
    return true;
}

bool ObjectEditing::sendCategory (int slot, int category) { return sendAddress (categoryAddress, slot, category); }
bool ObjectEditing::sendSubType (int slot, int subType) { return sendAddress (subTypeAddress, slot, subType); }

bool ObjectEditing::storeWithName (int kind, int number, int slot, const std::string& name)
{
    if (! isOnline() || number < 1 || (kind != programKind && kind != setupKind))
        return false;
    if (kind == programKind && ! isSlot (slot))
        return false;
    const auto command = kind == programKind ? sysex::commandProgramPart : sysex::commandSetupPart;
    send (sysex::storeWithName (connection.output().deviceId(), command, number, kind == programKind ? slot : 0, name));
    return true;
}

bool ObjectEditing::writeProgram (int slot, int number, const std::string& name)
{
    if (! isOnline() || ! isSlot (slot) || number < 1)
        return false;
    const auto record = model.programEdit (slot).record();
    const ByteView r (record);
    for (const auto& m : sysex::programWriteSequence (connection.output().deviceId(), slot, number, program::writeInfoPart (r),
                                                      program::writeBodyPart (r), program::writeCommonPart (r, name)))
        send (m);
    return true;
}

bool ObjectEditing::sendSetup()
{
    if (! isOnline())
        return false;
    const int device = connection.output().deviceId();
    const auto& multi = model.multi();
    send (sysex::setupHeaderPart (device, multi.record.view()));
    send (sysex::setupCommonPart (device, multi.record.view()));
    const int zones = std::min (multi.numberOfZones(), ObjMultiClass::zoneCount);
    for (int z = 0; z < zones; ++z)
        send (sysex::setupZonePart (device, z, ByteView (multi.zones[(size_t) z].bytes)));
    return true;
}

} // namespace zr9
