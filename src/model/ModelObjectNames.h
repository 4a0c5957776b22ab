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
        if (holder == nullptr)
            return {};
        // Any thread may ask (a host wants a parameter's text): read a published bank.
        const auto bank = holder->snapshot();
        // Only numbers the bank was indexed for are asked; any int can arrive here.
        if (number < 1 || number > bank->cap())
            return {};
        return bank->name (number);
    }

private:
    RK2Class& rk2;
};

} // namespace zr9
