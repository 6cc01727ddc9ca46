#include "framework/OsError.h"

#include <windows.h>

#include <cstdio>

std::string OsErrorText(unsigned long code)
{
    char* buffer = nullptr;
    const DWORD len = FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                         FORMAT_MESSAGE_IGNORE_INSERTS,
                                     nullptr, code, 0, reinterpret_cast<LPSTR>(&buffer), 0, nullptr);
    std::string text;
    if (len != 0 && buffer != nullptr)
        text.assign(buffer, len);
    if (buffer != nullptr)
        LocalFree(buffer);
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' '))
        text.pop_back();
    if (text.empty())
    {
        char generic[64];
        std::snprintf(generic, sizeof generic, "System error %lu.", code);
        text = generic;
    }
    return text;
}
