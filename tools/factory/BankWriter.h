#pragma once

#include "model/ByteView.h"

#include <map>

namespace zr9::factory
{

/** The records of one factory bank by object number; numbers without a record are empty slots. */
struct BankContent
{
    int typeId = 0;
    int lastNumber = 0;            // the image holds an entry for every number 1 to lastNumber
    std::map<int, Bytes> records;
};

/**
    The bank byte string: bank open tag, one entry per number 1 to lastNumber
    in ascending order (plain or wrapped by the type, empty when there is no
    record), bank close tag.
*/
Bytes writeBank (const BankContent& bank);

} // namespace zr9::factory
