#pragma once

#include "LibraryFolder.h"

#include "model/RK2Class.h"

namespace zr9
{

/** The data file that keeps the bank of a type in the library folder, or nullptr for types without one. */
const char* bankFileName (int typeId) noexcept;

/**
    Fills the eight banks read at start-up: each from its data file in the
    library folder, or from the factory image when the file is missing or
    empty (or when `useFiles` is false). Each bank is indexed with its cap.
*/
void loadStartupBanks (RK2Class& model, const LibraryFolder& library, bool useFiles);

} // namespace zr9
