#include "WriteDestination.h"

#include "BankIndex.h"

namespace zr9::writedestination
{

int propose (const BankIndex& bank)
{
    for (int n = first; n <= last; ++n)
        if (! bank.exists (n))
            return n;
    return first;
}

} // namespace zr9::writedestination
