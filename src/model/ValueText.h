#pragma once

#include <string>

namespace zr9
{

/** Where object references find the names of the objects they point at. */
class ObjectNameSource
{
public:
    virtual ~ObjectNameSource() = default;
    /** The name of object `number` of the given type, empty when its bank does not hold it. */
    virtual std::string objectName (int typeId, int number) const = 0;
};

/**
    The text the instrument shows for `value` of a parameter of display type
    `displayType`: plain numbers, numbers with units, piecewise scales, word
    lists and references to objects in the banks. Every value with every
    display type gives a text (often the empty text); nothing is read outside
    a table. Without a name source, object references show empty names.
*/
std::string valueText (int value, int displayType, const ObjectNameSource* names = nullptr);

/** The object type whose bank an object-reference display type (2001 and up) names, or 0. */
int objectTypeOfDisplay (int displayType) noexcept;

} // namespace zr9
