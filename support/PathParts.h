// A file path split once, at construction, into drive, directory, title and
// extension, in the active ANSI code page.
#pragma once

#include <windows.h>

#include <string>

class CPathParts
{
public:
    // A null path is taken as an empty one. bDirectory takes the name as one
    // more directory level; bArguments first splits arguments off the path.
    CPathParts(const char* pszPath, BOOL bDirectory, BOOL bArguments);
    virtual ~CPathParts();

    // "." followed by the extension; empty when there is no extension.
    std::string GetExtension() const;
    BOOL HasFileTitle() const;
    // Whether GetExtension names an XML file, in any case.
    BOOL IsXml() const;

    const std::string& GetPath() const { return m_strPath; }
    const std::string& GetDrive() const { return m_strDrive; }
    const std::string& GetDir() const { return m_strDir; }
    const std::string& GetTitle() const { return m_strTitle; }
    const std::string& GetExt() const { return m_strExt; }
    const std::string& GetArgs() const { return m_strArgs; }
    BOOL IsRelative() const { return m_bRelative; }

    // A copy of text with one separator appended (a forward slash when
    // bForwardSlash), unless it is empty or already ends in one.
    static std::string AddTrailingSeparator(const char* pszText, BOOL bForwardSlash);

private:
    void Split(const char* pszPath, BOOL bDirectory, BOOL bArguments);

    std::string m_strPath;
    std::string m_strDrive;
    std::string m_strDir;
    std::string m_strTitle;
    std::string m_strExt;
    std::string m_strArgs;
    BOOL m_bRelative;
};
