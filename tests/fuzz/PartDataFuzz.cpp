// Reads arbitrary bytes as a received protocol message: the part receiver's
// reader and the transfer-reply reader must stay inside the message, and
// unpacking must give no more bytes than the packed length allows.

#include "model/PartData.h"
#include "model/SevenBitPacking.h"
#include "model/SysexFormat.h"

#include <cstdlib>

using namespace zr9::sysex;

extern "C" int LLVMFuzzerTestOneInput (const std::uint8_t* data, size_t size)
{
    const Reader r (data, size);
    if (const auto part = readPartData (r))
        if (part->data.size() > size)
            std::abort();
    const auto reply = readTransferReply (r);
    if (reply.data.size() > size || (reply.kind == TransferReply::Kind::information && reply.name.size() != 20))
        std::abort();

    // Packing what was unpacked gives the same data back.
    const auto unpacked = unpack (data, size);
    std::vector<std::uint8_t> packed;
    pack (unpacked.data(), unpacked.size(), packed);
    if (unpack (packed.data(), packed.size()) != unpacked)
        std::abort();
    return 0;
}
