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
        return holder != nullptr ? holder->bank().name (number) : std::string();
    }

private:
    RK2Class& rk2;
};

} // namespace zr9
