// Properties of the share arithmetic: over any sequence of size changes the
// value and its remainder always stand exactly where the total change times
// the share puts them, sizes never go below 0, and changes that add up to
// nothing put the value back where it was.
#include "FuzzInput.h"

#include "support/ResizeLogic.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    CFuzzInput in(data, size);
    const int nScale = 1 + in.Byte() % 200;
    const int nShare = in.Byte() % (nScale + 1);
    const bool bIsSize = (in.Byte() & 1) != 0;
    const int nStart = bIsSize ? in.Byte() : static_cast<int8_t>(in.Byte());

    int nValue = nStart;
    int nRemainder = 0;
    long long total = 0;
    while (true)
    {
        const std::string step = in.Piece();
        if (step.size() < 2)
            break;
        const int nDelta = static_cast<int16_t>(static_cast<uint16_t>(static_cast<uint8_t>(step[0]) << 8 |
                                                                      static_cast<uint8_t>(step[1])));
        total += nDelta;
        AdjustByShare(nDelta, nShare, nScale, nRemainder, nValue, bIsSize);

        FUZZ_CHECK(static_cast<long long>(nValue) * nScale + nRemainder ==
                   static_cast<long long>(nStart) * nScale + total * nShare);
        if (bIsSize)
            FUZZ_CHECK(nValue >= 0);
        FUZZ_CHECK((nRemainder > -nScale && nRemainder < nScale) || (bIsSize && nValue == 0 && nRemainder < 0));
    }
    if (total == 0)
        FUZZ_CHECK(nValue == nStart && nRemainder == 0);
    return 0;
}
