#include "engine/ConfigJob.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <windows.h>
#include <psapi.h>

TEST(ConfigJobLog, PostsSeveritiesAndTextsInOrder)
{
    CLogCapture capture;
    CConfigJob job;
    job.Log("first", LOG_INFORMATION);
    job.Log("warn", LOG_WARNING);
    job.Log("err %s %d \\", LOG_ERROR);
    job.Log("three", 3);
    job.Log("", -1);
    const std::vector<LogLine> expected = {
        {0, "first"}, {1, "warn"}, {2, "err %s %d \\"}, {3, "three"}, {-1, ""},
    };
    EXPECT_EQ(expected, capture.Drain());
}

TEST(ConfigJobLog, LinesOfTwoJobsFollowEachOther)
{
    CLogCapture capture;
    {
        CConfigJob first;
        first.Log("a", LOG_INFORMATION);
    }
    CConfigJob second;
    second.Log("b", LOG_ERROR);
    const std::vector<LogLine> expected = {{0, "a"}, {2, "b"}};
    EXPECT_EQ(expected, capture.Drain());
}

namespace
{
SIZE_T PrivateBytes()
{
    PROCESS_MEMORY_COUNTERS_EX counters = {};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                         sizeof counters);
    return counters.PrivateUsage;
}
} // namespace

TEST(ConfigJobLog, LineThatCannotBePostedIsFreed)
{
    ASSERT_EQ(nullptr, AfxGetMainWndHandle());
    CConfigJob job;
    const std::string big(1 << 20, 'x');
    const SIZE_T before = PrivateBytes();
    for (int i = 0; i < 200; ++i)
        job.Log(big, LOG_INFORMATION); // no main window: nothing to post to
    // 200 leaked copies would be 200 MB.
    EXPECT_LT(PrivateBytes(), before + (32u << 20));

    // A main window that is gone: the post fails and the copy is freed too.
    {
        CLogCapture capture;
        DestroyWindow(capture.Hwnd());
        const SIZE_T before2 = PrivateBytes();
        for (int i = 0; i < 200; ++i)
            job.Log(big, LOG_INFORMATION);
        EXPECT_LT(PrivateBytes(), before2 + (32u << 20));
    }
}
