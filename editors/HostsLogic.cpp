#include "editors/HostsLogic.h"

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

HOSTS_EDIT EditHostsText(const std::string& text, const std::string& hostLine)
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

    if (start < end && text[start] == '#')
    {
        edit.bInserted = true;
        edit.strText.reserve(text.size() + 2 + hostLine.size());
        edit.strText.append(text);
        edit.strText += "\r\n";
        edit.strText += hostLine;
    }
    else
    {
        edit.strOldLine = text.substr(start, end - start);
        edit.strText.reserve(start + hostLine.size());
        edit.strText.append(text, 0, start);
        edit.strText += hostLine;
    }
    return edit;
}
