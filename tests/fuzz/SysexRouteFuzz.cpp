// Feeds arbitrary bytes to the System Exclusive assembler in pieces of
// varying size, and reads every message it hands on the way the router does:
// nothing may read outside a message, and one message never exceeds the cap.

#include "model/PartData.h"
#include "model/SysexAssembler.h"
#include "model/SysexFormat.h"

#include <cstdlib>

using namespace zr9::sysex;

extern "C" int LLVMFuzzerTestOneInput (const std::uint8_t* data, size_t size)
{
    Assembler assembler ([] (const std::vector<std::uint8_t>& m) {
        if (m.size() > Assembler::maxMessageBytes)
            std::abort();
        const Reader r (m);
        if (isIdentityReply (r))
            (void) readIdentityReply (r);
        else if (r.isProtocolMessage())
        {
            (void) readTransferReply (r);
            (void) readPartData (r);
        }
    });

    // The first byte of each piece says how long the piece is, so the fuzzer
    // explores every way of cutting a stream; 0 asks for a partial-message flush.
    size_t at = 0;
    while (at < size)
    {
        const size_t length = data[at++];
        if (length == 0)
        {
            assembler.flushPartial();
            continue;
        }
        const size_t n = std::min (length, size - at);
        assembler.add (data + at, n);
        at += n;
    }
    return 0;
}
