#pragma once

#include "ObjectTypes.h"

#include <array>

namespace zr9::transfer
{

/** The two directions a transfer panel is opened with; the codes travel with the panels. */
constexpr int directionReceive = 2012;
constexpr int directionTransmit = 2013;

/** The selection panel's id for "All Objects". */
constexpr int allTypes = 999;

/** The largest chunk one data request asks for, in unpacked bytes. */
constexpr int chunkLimit = 2048;

/** A run over "All Objects" fetches the types in this order. */
constexpr std::array<ObjectTypeId, 10> allTypesOrder {
    typeProgram, typeAlgorithm, typeFxChain, typeSetup, typeKeyMap,
    typeSample, typeIntonation, typeShiftPattern, typeVelocityPattern, typeSong
};

/** The type that follows `typeId` in a run over every type; 0 after the last one (and for types not in the order). */
int nextTypeOfAll (int typeId) noexcept;

struct Range
{
    int first = 1;
    int last = 1;
    bool operator== (const Range& o) const noexcept { return first == o.first && last == o.last; }
};

/** The numbers a panel offers for a type until the user types others. */
Range defaultRange (int typeId) noexcept;

/**
    The numbers a run over `typeId` really covers: programs and setups end at
    2048 and FX chains at 8192 (the first number one below), no run starts
    below 1 or goes beyond 16383 (the largest number a request can carry),
    and a last number below the first becomes the first.
*/
Range clampRange (int typeId, int first, int last) noexcept;

/** The name the transfer panels show for a type ("Programs", "Multi", ...); empty for types they do not name. */
const char* typeName (int typeId) noexcept;

/** The type a single fetch of this kind asks for (2: programs, 11: setups); 0 for any other kind. */
int singleFetchType (int kind) noexcept;

/**
    How far a run over first..last has come at `current`, from 0 to 1. A run
    over one number is at 0 until it is past that number.
*/
double progressFraction (int first, int last, int current) noexcept;

} // namespace zr9::transfer
