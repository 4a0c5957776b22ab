#pragma once

#include "model/ObjectTypes.h"
#include "model/ByteView.h"

#include <map>
#include <string>
#include <vector>

namespace zr9::test
{

/** A record of `size` bytes whose name is `name` and whose other bytes count up. */
Bytes makeRecord (const std::string& name, size_t size);

/** One entry of a bank byte string, plain or wrapped by the type, for number n. */
Bytes makeEntry (int typeId, int number, const Bytes& record);

/** A complete bank byte string with entries for the numbers in the given order. */
Bytes makeBank (int typeId, const std::vector<std::pair<int, Bytes>>& entries);

/** A bank with an entry for every number 1 to last; records from `records`, empty slots elsewhere. */
Bytes makeFullBank (int typeId, int last, const std::map<int, Bytes>& records);

} // namespace zr9::test
