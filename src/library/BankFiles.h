#pragma once

#include "LibraryFolder.h"

#include "model/RK2Class.h"

#include <array>

namespace zr9
{

/** The data file that keeps the bank of a type in the library folder, or nullptr for types without one. */
const char* bankFileName (int typeId) noexcept;

/**
    Fills every bank at start-up, each from its data file in the library
    folder: first the eight types with a factory image, which is taken when
    the file is missing or empty (or when `useFiles` is false), then songs,
    algorithms and samples, which start as banks of empty slots until objects
    are fetched. Each bank is indexed with its cap.
*/
void loadStartupBanks (RK2Class& model, const LibraryFolder& library, bool useFiles);

/** The banks written back, in the order they are written; the arpeggiator bank is never written. */
constexpr std::array<ObjectTypeId, 10> savedBankTypes {
    typeProgram, typeSetup, typeFxChain, typeKeyMap, typeIntonation, typeShiftPattern, typeVelocityPattern,
    typeSong, typeAlgorithm, typeSample
};

/**
    Writes the bank of a type, byte for byte, to its data file (replacing the
    old file only once the new one is whole). False for types that are never
    written and when the write failed.
*/
bool saveBankFile (const RK2Class& model, const LibraryFolder& library, int typeId);

} // namespace zr9
