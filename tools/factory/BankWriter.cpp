#include "BankWriter.h"

#include "model/ObjectTypes.h"

#include <cstdio>
#include <stdexcept>
#include <string>

namespace zr9::factory
{

namespace
{

constexpr int tagLength = 10;

void appendTag (Bytes& out, const char* tag)
{
    out.insert (out.end(), tag, tag + tagLength);
}

void appendCloseTag (Bytes& out, const char* openTag)
{
    char close[tagLength];
    makeCloseTag (openTag, close);
    out.insert (out.end(), close, close + tagLength);
}

void appendNumber (Bytes& out, int number)
{
    char digits[16];
    std::snprintf (digits, sizeof (digits), "%04d", number % 10000);
    out.insert (out.end(), digits, digits + 4);
}

void appendEntry (Bytes& out, const ObjectTypeInfo& type, int number, const Bytes& record)
{
    appendTag (out, type.recordTag);
    appendNumber (out, number);
    if (type.wrapped())
        appendTag (out, type.innerTag);

    out.insert (out.end(), record.begin(), record.end());

    if (type.wrapped())
        appendCloseTag (out, type.innerTag);
    appendCloseTag (out, type.recordTag);
    appendNumber (out, number);
}

} // namespace

Bytes writeBank (const BankContent& bank)
{
    const auto* type = findBankType (bank.typeId);
    if (type == nullptr || bank.lastNumber > 9999)
        throw std::runtime_error ("no bank format for type " + std::to_string (bank.typeId));

    Bytes out;
    appendTag (out, type->bankTag);

    static const Bytes emptyRecord;
    for (int n = 1; n <= bank.lastNumber; ++n)
    {
        const auto it = bank.records.find (n);
        appendEntry (out, *type, n, it != bank.records.end() ? it->second : emptyRecord);
    }

    appendCloseTag (out, type->bankTag);
    return out;
}

} // namespace zr9::factory
