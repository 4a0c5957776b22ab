#pragma once

#include "FileStamp.h"
#include "LibraryFolder.h"

#include "model/RK2Class.h"

#include <array>
#include <map>

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

    A file that is not a whole bank of its type (something else, or a bank
    cut short) counts as missing: it is never indexed.

    Returns, for every type read from the library folder, what was read;
    nothing when `useFiles` is false.
*/
struct StartupRead
{
    FileStamp stamp;         // the version of the file that was read (a missing file's stamp when it had none)
    bool heldNoBank = false; // the file held bytes that are no whole bank
};
std::map<int, StartupRead> loadStartupBanks (RK2Class& model, const LibraryFolder& library, bool useFiles);

/** The banks written back, in the order they are written; the arpeggiator bank is never written. */
constexpr std::array<ObjectTypeId, 10> savedBankTypes {
    typeProgram, typeSetup, typeFxChain, typeKeyMap, typeIntonation, typeShiftPattern, typeVelocityPattern,
    typeSong, typeAlgorithm, typeSample
};

} // namespace zr9
