#pragma once

namespace zr9::transfer
{

/**
    Which objects the instrument can be made to store, and why the others
    cannot. Programs can: the program write sequence carries a whole program
    and stores it under its number. Nothing else can: the object transfer
    only answers requests (its messages out are the information and data
    requests), and the store-with-name message stores an edit buffer, which
    only programs and multis have. A multi reaches its edit buffer only as
    its parts (name and header, common block, one zone at a time), which
    leave out bytes 20 to 22 of the record and can only replace zones the
    buffer already holds, so what the instrument stored would not be the
    library's multi.
*/

/** Why objects of a type cannot be sent to the instrument; nullptr for a type that can be sent. */
const char* transmitRefusal (int typeId) noexcept;

inline bool canTransmit (int typeId) noexcept { return transmitRefusal (typeId) == nullptr; }

/** Why "All Objects" cannot be sent: every type but programs would have to be left out. */
const char* transmitAllRefusal() noexcept;

} // namespace zr9::transfer
