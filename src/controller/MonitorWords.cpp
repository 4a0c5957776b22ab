#include "MonitorWords.h"

#include "MidiCntrState.h"

namespace zr9
{

MonitorWords::MonitorWords (MidiCntrState& c) : table (c.live().table()), objects (c.model()) {}

std::string MonitorWords::rowName (int row) const { return table.name (row); }

int MonitorWords::rowDisplayType (int row) const { return table.info (row).displayCode; }

} // namespace zr9
