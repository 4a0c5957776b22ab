#pragma once

#include <array>

namespace zr9
{

/** The instrument's number for an object type, the same in messages, banks and display types. */
enum ObjectTypeId : int
{
    typeIntonation = 103,
    typeSong = 112,
    typeKeyMap = 133,
    typeProgram = 138,
    typeAlgorithm = 149,
    typeFxPreset = 151,
    typeSetup = 155,
    typeFxChain = 156,
    typeSample = 158,
    typeShiftPattern = 163,
    typeVelocityPattern = 164,
    typeArpeggiator = 168
};

/** Number 1 to 1024 is the factory range; from 1025 up the user range. */
constexpr int firstUserObjectNumber = 1025;

/**
    What the bank format and the holders need to know of one object type.
    Tags are 10 characters without terminator; a wrapped type carries its
    record inside a second, inner pair of tags.
*/
struct ObjectTypeInfo
{
    ObjectTypeId id;
    const char* name;          // what the type holds, for people
    const char* bankTag;       // bank open tag, e.g. "Prog*Bank>"
    const char* recordTag;     // record open tag, e.g. "Prog*Dat*>"
    const char* innerTag;      // inner open tag of wrapped entries, nullptr for plain entries
    int cap;                   // numbers indexed at start-up
    int firstKeyOffset;
    int secondKeyOffset;

    bool wrapped() const noexcept { return innerTag != nullptr; }
    int skip() const noexcept { return wrapped() ? 24 : 14; }
    int gapOverhead() const noexcept { return wrapped() ? 48 : 28; }
};

/** Every type that has a bank, in no particular order. */
const std::array<ObjectTypeInfo, 11>& bankTypes() noexcept;

/** The bank description of a type, or nullptr for types without a bank (151 and unknown ids). */
const ObjectTypeInfo* findBankType (int typeId) noexcept;

/** The eight types whose banks are read at start-up, or taken from the factory image, in the order they are loaded. */
constexpr std::array<ObjectTypeId, 8> startupBankTypes {
    typeProgram, typeSetup, typeFxChain, typeKeyMap, typeIntonation, typeShiftPattern, typeVelocityPattern, typeArpeggiator
};

/**
    The types without a factory image, read at start-up after the others: a
    bank of empty slots until objects are fetched from the instrument.
*/
constexpr std::array<ObjectTypeId, 3> fetchedOnlyBankTypes { typeSong, typeAlgorithm, typeSample };

/** A tag of 10 characters closing `openTag`: "<" then the open tag's first nine characters. */
void makeCloseTag (const char* openTag, char out[10]) noexcept;

} // namespace zr9
