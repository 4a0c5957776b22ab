// Turns arbitrary (value, display type) pairs into value texts. Every value
// with every display type must give a short printable text without reading
// outside a table or overflowing an int on the way.

#include "model/ParameterNames.h"
#include "model/ValueScales.h"
#include "model/ValueText.h"

#include <cstdlib>
#include <cstring>

using namespace zr9;

namespace
{
struct EchoNames final : ObjectNameSource
{
    std::string objectName (int typeId, int number) const override
    {
        return std::to_string (typeId) + ":" + std::to_string (number);
    }
};

void check (const std::string& text)
{
    if (text.size() > 64)
        std::abort();
    for (const char c : text)
        if (c < 0x20 || c >= 0x7F)
            std::abort();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput (const std::uint8_t* data, size_t size)
{
    static const EchoNames names;
    while (size >= 8)
    {
        std::int32_t value = 0, type = 0;
        std::memcpy (&value, data, 4);
        std::memcpy (&type, data + 4, 4);
        data += 8;
        size -= 8;

        check (valueText (value, type, &names));
        check (valueText (value, type % 3100, nullptr));
        check (controllerDestinationName (value));
        check (controlSourceName (value));
        check (physicalControlName (value));
        check (fxCategoryName (value));
        check (scales::noteName (value));
    }
    return 0;
}
