#include "app/LogLogic.h"

#include <gtest/gtest.h>

#include <string>

TEST(LogLogic, SeverityGivesTypeTextAndImage)
{
    struct Case
    {
        int nSeverity;
        std::string strType;
        int nImage;
    } cases[] = {
        {0, "Information", 0}, {1, "Warning", 1}, {2, "Error", 2}, {3, "Information", 0}, {-1, "Information", 0},
    };
    for (const Case& c : cases)
    {
        const CSeverityDisplay display = GetSeverityDisplay(c.nSeverity);
        EXPECT_EQ(c.strType, display.pszType) << c.nSeverity;
        EXPECT_EQ(c.nImage, display.nImage) << c.nSeverity;
    }
}

TEST(LogLogic, ColumnWidthsAreSharesOfClientWidthTruncated)
{
    struct Case
    {
        int nClient, nType, nTime, nDescription;
    } cases[] = {
        {455, 68, 68, 318},
        {0, 0, 0, 0},
        {100, 15, 15, 70},
        {7, 1, 1, 4},
    };
    for (const Case& c : cases)
    {
        const CLogColumnWidths widths = GetLogColumnWidths(c.nClient);
        EXPECT_EQ(c.nType, widths.nType) << c.nClient;
        EXPECT_EQ(c.nTime, widths.nTime) << c.nClient;
        EXPECT_EQ(c.nDescription, widths.nDescription) << c.nClient;
    }
}

TEST(LogLogic, TimeIsLocalHoursMinutesSecondsWithTwoDigitsEach)
{
    std::tm local = {};
    local.tm_year = 2024 - 1900;
    local.tm_mon = 5;
    local.tm_mday = 14;
    local.tm_hour = 9;
    local.tm_min = 5;
    local.tm_sec = 7;
    local.tm_isdst = -1;
    const std::time_t t = std::mktime(&local);
    ASSERT_NE(static_cast<std::time_t>(-1), t);
    EXPECT_EQ("09:05:07", FormatLogTime(t));
}

TEST(LogLogic, TimeWithoutLocalTimeReadsInvalidDateTime)
{
    EXPECT_EQ("Invalid DateTime", FormatLogTime(static_cast<std::time_t>(-1)));
}
