#include "editors/HostsLogic.h"

#include <new>

namespace
{
bool IsLineEnd(char c)
{
    return c == '\r' || c == '\n';
}
} // namespace

std::string HostLine(const std::string& strIPAddress, const std::string& strShortName, const std::string& strFullName)
{
    return strIPAddress + "    " + strShortName + "    " + strFullName + "\r\n";
}

HOSTS_EDIT EditHostsText(std::string& text, const std::string& hostLine)
{
    HOSTS_EDIT edit;
    edit.bEmpty = text.empty();

    // CR and LF are below 0x40, so they are never the trail byte of a
    // character and the text can be scanned backwards byte by byte.
    size_t end = text.size();
    while (end > 0 && IsLineEnd(text[end - 1]))
        --end;
    size_t start = end;
    while (start > 0 && !IsLineEnd(text[start - 1]))
        --start;

    // Growth is reserved exactly, and before anything changes: growing by
    // doubling would hold three times the text for a moment.
    const bool bComment = start < end && text[start] == '#';
    const size_t nKept = bComment ? text.size() + 2 : start;
    if (nKept > text.max_size() - hostLine.size())
        throw std::bad_alloc();
    if (nKept + hostLine.size() > text.capacity())
        text.reserve(nKept + hostLine.size());
    if (bComment)
    {
        edit.bInserted = true;
        text += "\r\n";
    }
    else
    {
        edit.strOldLine = text.substr(start, end - start);
        text.erase(start);
    }
    text += hostLine;
    return edit;
}
