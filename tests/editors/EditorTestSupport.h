// Helpers shared by the editor tests: expected log lines, folder listings,
// sparse files and handles held by "another program".
#pragma once

#include "TestSupport.h"

#include "framework/Handle.h"

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

inline LogLine Info(const std::string& strText)
{
    return {0, strText};
}
inline LogLine Warning(const std::string& strText)
{
    return {1, strText};
}
inline LogLine Error(const std::string& strText)
{
    return {2, strText};
}

// The names in a folder, sorted; a leftover temporary file shows up here.
inline std::vector<std::string> ListDir(const std::string& strDir)
{
    std::vector<std::string> names;
    WIN32_FIND_DATAA data;
    HANDLE hFind = FindFirstFileA((strDir + "\\*").c_str(), &data);
    if (hFind == INVALID_HANDLE_VALUE)
        return names;
    do
    {
        const std::string name = data.cFileName;
        if (name != "." && name != "..")
            names.push_back(name);
    } while (FindNextFileA(hFind, &data));
    FindClose(hFind);
    std::sort(names.begin(), names.end());
    return names;
}

// A file of nSize bytes that occupies no disk space.
inline void CreateSparseFile(const std::string& strPath, long long nSize)
{
    CFileHandle h(CreateFileA(strPath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                              nullptr));
    LARGE_INTEGER size;
    size.QuadPart = nSize;
    if (!h.IsValid() || !SetFilePointerEx(h.Get(), size, nullptr, FILE_BEGIN) || !SetEndOfFile(h.Get()))
        throw std::runtime_error("cannot create the sparse file " + strPath);
}

// A handle such as another program would hold on the file.
inline CFileHandle HoldOpen(const std::string& strPath, DWORD dwAccess, DWORD dwShare)
{
    CFileHandle h(CreateFileA(strPath.c_str(), dwAccess, dwShare, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                              nullptr));
    if (!h.IsValid())
        throw std::runtime_error("cannot hold " + strPath + " open: " + std::to_string(GetLastError()));
    return h;
}
