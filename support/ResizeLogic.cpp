#include "support/ResizeLogic.h"

#include <climits>

namespace
{
int Saturate(long long n)
{
    if (n > INT_MAX)
        return INT_MAX;
    if (n < INT_MIN)
        return INT_MIN;
    return static_cast<int>(n);
}
} // namespace

bool AdjustByShare(int nDelta, int nShare, int nScale, int& nRemainder, int& nValue, bool bIsSize)
{
    if (nShare <= 0 || nScale <= 0)
        return false;

    // 64 bits: with a large scale the products leave the range of int.
    const long long a = static_cast<long long>(nDelta) * nShare + nRemainder;
    if (a == 0)
    {
        nRemainder = 0;
        return false;
    }

    long long value = nValue + a / nScale;
    long long remainder = a % nScale;
    if (bIsSize && value < 0)
    {
        remainder += value * nScale;
        value = 0;
    }
    nValue = Saturate(value);
    nRemainder = Saturate(remainder);
    return true;
}
