#include "app/LogLogic.h"

namespace
{
// Indexed by the severity values LOG_INFORMATION, LOG_WARNING and LOG_ERROR.
const CSeverityDisplay SEVERITY_DISPLAY[] = {
    {"Information", 0},
    {"Warning", 1},
    {"Error", 2},
};
} // namespace

CSeverityDisplay GetSeverityDisplay(int nSeverity)
{
    const int nCount = static_cast<int>(sizeof SEVERITY_DISPLAY / sizeof SEVERITY_DISPLAY[0]);
    return SEVERITY_DISPLAY[(nSeverity >= 0 && nSeverity < nCount) ? nSeverity : 0];
}

std::string FormatLogTime(std::time_t t)
{
    const std::tm* pLocal = (t == static_cast<std::time_t>(-1)) ? nullptr : std::localtime(&t);
    char text[16];
    if (pLocal == nullptr || std::strftime(text, sizeof text, "%H:%M:%S", pLocal) == 0)
        return "Invalid DateTime";
    return text;
}

CLogColumnWidths GetLogColumnWidths(int nClientWidth)
{
    return {nClientWidth * 15 / 100, nClientWidth * 15 / 100, nClientWidth * 70 / 100};
}
