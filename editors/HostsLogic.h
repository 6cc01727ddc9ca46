// The HOSTS rule: the file ends with the host's own line. No Windows header.
#pragma once

#include <string>

struct HOSTS_EDIT
{
    std::string strOldLine; // the last line that was replaced; empty when inserting
    bool bEmpty = false;    // the text was empty
    bool bInserted = false; // the last line was a comment, so the host line went behind it
};

// The address, the short name and the full name, separated by four blanks,
// ending in CR LF. The values are taken as they stand.
std::string HostLine(const std::string& strIPAddress, const std::string& strShortName, const std::string& strFullName);

// Edits text in place: the last line (the last run of bytes without CR or LF)
// is replaced by hostLine together with everything behind it; a last line
// that begins with "#" stays, and CR LF and hostLine are appended instead.
// Throws std::bad_alloc when the result cannot be held; text is unchanged then.
HOSTS_EDIT EditHostsText(std::string& text, const std::string& hostLine);
