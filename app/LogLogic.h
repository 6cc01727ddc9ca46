// What a log row shows: the severity's text and image, the time of day, and
// the columns' initial widths. No Windows header.
#pragma once

#include <ctime>
#include <string>

struct CSeverityDisplay
{
    const char* pszType; // the "Type" column's text
    int nImage;          // index in the severity images
};

// Severities outside the known three read as Information.
CSeverityDisplay GetSeverityDisplay(int nSeverity);

// "%H:%M:%S" of the local time at t, or "Invalid DateTime" when t has no
// local time.
std::string FormatLogTime(std::time_t t);

struct CLogColumnWidths
{
    int nType;
    int nTime;
    int nDescription;
};

// 15, 15 and 70 per cent of the list's client width: multiplied first, then
// divided, truncating.
CLogColumnWidths GetLogColumnWidths(int nClientWidth);
