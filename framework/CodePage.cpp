#include "framework/CodePage.h"

#include <windows.h>

const CLeadBytes& ActiveLeadBytes()
{
    // The ANSI code page is fixed for the life of the process.
    static const CLeadBytes s_lead = [] {
        CPINFO info = {};
        if (!GetCPInfo(CP_ACP, &info))
            return CLeadBytes();
        return CLeadBytes::FromRanges(info.LeadByte, MAX_LEADBYTES);
    }();
    return s_lead;
}
