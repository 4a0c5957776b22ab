#include "Sizing.h"

#include <numeric>

namespace zr9::factory
{

long long sum (const std::vector<long long>& values)
{
    return std::accumulate (values.begin(), values.end(), 0LL);
}

bool fitToTotal (std::vector<long long>& values, const std::vector<long long>& lo,
                 const std::vector<long long>& hi, long long target)
{
    long long missing = target - sum (values);
    while (missing != 0)
    {
        bool moved = false;
        for (std::size_t i = 0; i < values.size() && missing != 0; ++i)
        {
            if (missing > 0 && values[i] < hi[i])
            {
                ++values[i];
                --missing;
                moved = true;
            }
            else if (missing < 0 && values[i] > lo[i])
            {
                --values[i];
                ++missing;
                moved = true;
            }
        }
        if (! moved)
            return false;
    }
    return true;
}

bool fitToTotal (std::vector<long long>& values, long long lo, long long hi, long long target)
{
    return fitToTotal (values, std::vector<long long> (values.size(), lo),
                       std::vector<long long> (values.size(), hi), target);
}

} // namespace zr9::factory
