#pragma once

#include "model/ByteView.h"

#include <string>

namespace zr9::test
{

/** The instrument's answers to object-transfer requests, whole messages from 0xF0 to 0xF7. */
Bytes informationReply (int typeId, int number, int size, const std::string& name);
/** A data reply carrying `chunk` at `offset`; its size field says `sizeField` (the chunk's length when negative). */
Bytes dataReply (int typeId, int number, int offset, const Bytes& chunk, int sizeField = -1);
Bytes refusalReply (int reason = 4);

/** Bytes that count up from `seed`, as an object's data. */
Bytes objectBytes (size_t size, int seed = 0);

} // namespace zr9::test
