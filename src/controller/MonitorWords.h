#pragma once

#include "model/MessageMeaning.h"
#include "model/ModelObjectNames.h"

namespace zr9
{

class MidiCntrState;
class LiveTable;

/**
    The MIDI monitor's vocabulary: live rows named and their values read as
    the live table does ("Pan Ch.3", display type 107), and object names from
    the banks as they are published. Any thread may read it.
*/
class MonitorWords final : public monitor::Vocabulary
{
public:
    explicit MonitorWords (MidiCntrState& controller);

    std::string rowName (int row) const override;
    int rowDisplayType (int row) const override;
    std::string objectName (int typeId, int number) const override { return objects.objectName (typeId, number); }

private:
    const LiveTable& table;
    ModelObjectNames objects;
};

} // namespace zr9
