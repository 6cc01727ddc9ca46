// Times the editors' real per-file steps (load, edit, write-back) on one file
// and reports the process's peak memory. Log lines are formed as in a run;
// with no main window they are not posted.
//
//   celvane_bench keyvalue KEY VALUE PATH
//   celvane_bench hosts PATH
#include "editors/Editors.h"

#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <cstring>

namespace
{
double Seconds(const LARGE_INTEGER& from, const LARGE_INTEGER& to)
{
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

int Usage()
{
    std::fprintf(stderr, "usage: celvane_bench keyvalue KEY VALUE PATH | hosts PATH\n");
    return 2;
}
} // namespace

int main(int argc, char** argv)
{
    if (argc < 3)
        return Usage();
    const bool bHosts = std::strcmp(argv[1], "hosts") == 0;
    if (!bHosts && (std::strcmp(argv[1], "keyvalue") != 0 || argc < 5))
        return Usage();

    CConfigJob job;
    job.m_strShortName = "newhost";
    job.m_strFullName = "newhost.example.lan";
    job.m_strIPAddress = "10.9.8.7";

    LARGE_INTEGER start;
    LARGE_INTEGER end;
    try
    {
        QueryPerformanceCounter(&start);
        if (bHosts)
            EditHostsFileAt(job, argv[2]);
        else
            EditKeyValueFile(job, CEditEntry(argv[4], argv[2], argv[3]));
        QueryPerformanceCounter(&end);
    }
    catch (const std::exception& e)
    {
        std::fprintf(stderr, "failed: %s\n", e.what());
        return 1;
    }

    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    std::printf("seconds=%.3f peak_working_set=%llu peak_private=%llu\n", Seconds(start, end),
                static_cast<unsigned long long>(counters.PeakWorkingSetSize),
                static_cast<unsigned long long>(counters.PeakPagefileUsage));
    return 0;
}
