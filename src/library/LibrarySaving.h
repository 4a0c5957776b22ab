#pragma once

#include "LibraryFolder.h"

#include "controller/MidiCntrState.h"

namespace zr9
{

/**
    Keeps the library's files in step with the banks: every bank that a fetch
    from the instrument changed is written as soon as the fetch is over, so a
    crash or a power cut after a long fetch loses nothing, and everything is
    written once more at shutdown. Writes nothing unless the library is
    persistent. Message thread.
*/
class LibrarySaver : private BulkReceive::Listener
{
public:
    LibrarySaver (MidiCntrState& controller, LibraryFolder library, bool persistent);
    ~LibrarySaver() override;

    /**
        Shutdown saving: the settings file first, then the banks of programs,
        setups, FX chains, key maps, intonation tables, shift patterns,
        velocity patterns, songs, algorithms and samples, in that order.
    */
    void saveAtShutdown();

    /** Writes the bank of one type now (an object kept in the library off line); nothing unless persistent. */
    void saveBank (int typeId);

private:
    void receiveStopped() override;

    MidiCntrState& controller;
    LibraryFolder library;
    bool persistent;
};

} // namespace zr9
