#pragma once

#include "RK2Class.h"
#include "ValueText.h"

namespace zr9
{

/** Object names for value texts, read from the instrument model's banks. */
class ModelObjectNames final : public ObjectNameSource
{
public:
    explicit ModelObjectNames (RK2Class& model) noexcept : rk2 (model) {}

    std::string objectName (int typeId, int number) const override
    {
        const auto* holder = rk2.holderFor (typeId);
        // Only numbers the bank was indexed for are asked; any int can arrive here.
        if (holder == nullptr || number < 1 || number > holder->bank().cap())
            return {};
        return holder->bank().name (number);
    }

private:
    RK2Class& rk2;
};

} // namespace zr9
