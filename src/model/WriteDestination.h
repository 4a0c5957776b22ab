#pragma once

namespace zr9
{

class BankIndex;

/** Where the write dialog may store: the user range of programs and setups. */
namespace writedestination
{
    constexpr int first = 1025;
    constexpr int last = 2048;

    /** The first number from 1025 to 2048 that the bank does not hold; 1025 when it holds them all. */
    int propose (const BankIndex& bank);
} // namespace writedestination

} // namespace zr9
