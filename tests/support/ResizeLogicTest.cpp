#include "support/ResizeLogic.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{
struct Step
{
    int nDelta;
    int nValue;     // expected afterwards
    int nRemainder; // expected afterwards
    bool bChanged;  // expected result
};

struct ShareCase
{
    const char* pszName;
    int nScale;
    int nShare;
    bool bIsSize;
    int nStart;
    std::vector<Step> steps;
};
} // namespace

TEST(AdjustByShare, SequencesOfSizeChanges_EndWhereTotalChangeTimesShareSays)
{
    const ShareCase cases[] = {
        {"width share 100, client 30 narrower then 30 wider", 100, 100, true, 20,
         {{-30, 0, -1000, true}, {30, 20, 0, true}}},
        {"size deficit paid back before the size grows", 100, 100, true, 20,
         {{-30, 0, -1000, true}, {5, 0, -500, true}, {10, 5, 0, true}}},
        {"minimise to 0 and restore: width share 100", 100, 100, true, 300,
         {{-400, 0, -10000, true}, {400, 300, 0, true}}},
        {"minimise to 0 and restore: height share 50", 100, 50, true, 100,
         {{-400, 0, -10000, true}, {400, 100, 0, true}}},
        {"minimise to 0 and restore: odd change, left share 50", 100, 50, false, 263,
         {{-401, 63, -50, true}, {401, 263, 0, true}}},
        {"share 50, one pixel at a time moves every second pixel", 100, 50, false, 10,
         {{1, 10, 50, true}, {1, 11, 0, true}, {1, 11, 50, true}, {1, 12, 0, true}}},
        {"share 50, two widenings by 3 move 1 then 2", 100, 50, false, 0, {{3, 1, 50, true}, {3, 3, 0, true}}},
        {"share 50, narrowing by 1 keeps the value, carries -50", 100, 50, false, 10, {{-1, 10, -50, true}}},
        {"a change that pays off the remainder exactly reports none", 100, 50, false, 10,
         {{1, 10, 50, true}, {-1, 10, 0, false}}},
        {"share 0 never moves", 100, 0, false, 7, {{100, 7, 0, false}, {-50, 7, 0, false}}},
        {"share 0 never moves a size", 100, 0, true, 7, {{-100, 7, 0, false}}},
        {"no change reports none", 100, 100, false, 7, {{0, 7, 0, false}}},
        {"coordinates are never clamped", 100, 100, false, 5, {{-30, -25, 0, true}, {-1000, -1025, 0, true}}},
        {"scale 1000, share 333", 1000, 333, false, 0, {{3, 0, 999, true}, {1, 1, 332, true}}},
        {"a product beyond 32 bits stays exact", 1000000, 1000000, false, 0, {{5000, 5000, 0, true}}},
    };
    for (const ShareCase& c : cases)
    {
        int nValue = c.nStart;
        int nRemainder = 0;
        for (size_t i = 0; i < c.steps.size(); ++i)
        {
            const Step& step = c.steps[i];
            const bool bChanged = AdjustByShare(step.nDelta, c.nShare, c.nScale, nRemainder, nValue, c.bIsSize);
            EXPECT_EQ(step.bChanged, bChanged) << c.pszName << ", step " << i;
            EXPECT_EQ(step.nValue, nValue) << c.pszName << ", step " << i;
            EXPECT_EQ(step.nRemainder, nRemainder) << c.pszName << ", step " << i;
        }
    }
}

TEST(AdjustByShare, ScaleOfZeroOrLess_ChangesNothing)
{
    for (const int nScale : {0, -100})
    {
        int nValue = 20;
        int nRemainder = 0;
        EXPECT_FALSE(AdjustByShare(30, 50, nScale, nRemainder, nValue, true)) << nScale;
        EXPECT_EQ(20, nValue) << nScale;
        EXPECT_EQ(0, nRemainder) << nScale;
    }
}
