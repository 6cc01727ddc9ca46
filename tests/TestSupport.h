// Shared helpers of the test suite: temporary folders, file bytes, and a
// window that receives a job's log lines.
#pragma once

#include "framework/App.h"

#include <windows.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

// A fresh folder under the temporary directory, removed with its content when
// the test ends, failed or not.
class CTempDir
{
public:
    explicit CTempDir(const std::string& strHint = "t");
    ~CTempDir();
    CTempDir(const CTempDir&) = delete;
    CTempDir& operator=(const CTempDir&) = delete;

    const std::string& Path() const { return m_strPath; }
    std::string operator/(const std::string& strName) const { return m_strPath + "\\" + strName; }

private:
    std::string m_strPath;
};

void RemoveTree(const std::string& strPath);
void MakeDirs(const std::string& strPath); // every missing level
void WriteBytes(const std::string& strPath, const std::string& strBytes);
std::string ReadBytes(const std::string& strPath); // throws std::runtime_error when unreadable
bool FileExists(const std::string& strPath);

struct LogLine
{
    int nSeverity;
    std::string strText;
    bool operator==(const LogLine& o) const { return nSeverity == o.nSeverity && strText == o.strText; }
};
void PrintTo(const LogLine& line, std::ostream* os);

// A real top-level window registered as the application's main window for as
// long as the object lives; Drain() takes the WM_LOGMESSAGE lines from its
// queue in the order posted and frees them.
class CLogCapture
{
public:
    CLogCapture();
    ~CLogCapture();
    CLogCapture(const CLogCapture&) = delete;
    CLogCapture& operator=(const CLogCapture&) = delete;

    std::vector<LogLine> Drain();
    HWND Hwnd() const { return m_wnd.m_hWnd; }

private:
    std::unique_ptr<CWinApp> m_pOwnApp; // only when no application object exists
    CWnd m_wnd;
    CWnd* m_pPrevMain = nullptr;
};
