#include "TestSupport.h"

#include "engine/ConfigJob.h"

#include <ostream>
#include <stdexcept>

CTempDir::CTempDir(const std::string& strHint)
{
    char base[MAX_PATH];
    GetTempPathA(MAX_PATH, base);
    char longBase[MAX_PATH];
    if (GetLongPathNameA(base, longBase, MAX_PATH) != 0)
        lstrcpynA(base, longBase, MAX_PATH);
    static unsigned s_nCounter = 0;
    for (;;)
    {
        std::string candidate = std::string(base) + "celvane-" + strHint + "-" + std::to_string(GetCurrentProcessId()) +
                                "-" + std::to_string(++s_nCounter);
        if (CreateDirectoryA(candidate.c_str(), nullptr))
        {
            m_strPath = candidate;
            return;
        }
        if (GetLastError() != ERROR_ALREADY_EXISTS)
            throw std::runtime_error("cannot create temporary folder " + candidate);
    }
}

CTempDir::~CTempDir()
{
    RemoveTree(m_strPath);
}

void RemoveTree(const std::string& strPath)
{
    WIN32_FIND_DATAA data;
    HANDLE hFind = FindFirstFileA((strPath + "\\*").c_str(), &data);
    if (hFind != INVALID_HANDLE_VALUE)
    {
        do
        {
            const std::string name = data.cFileName;
            if (name == "." || name == "..")
                continue;
            const std::string child = strPath + "\\" + name;
            SetFileAttributesA(child.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(child);
            else
                DeleteFileA(child.c_str());
        } while (FindNextFileA(hFind, &data));
        FindClose(hFind);
    }
    SetFileAttributesA(strPath.c_str(), FILE_ATTRIBUTE_NORMAL);
    RemoveDirectoryA(strPath.c_str());
}

void MakeDirs(const std::string& strPath)
{
    for (size_t i = 3; i <= strPath.size(); ++i)
    {
        if (i == strPath.size() || strPath[i] == '\\')
            CreateDirectoryA(strPath.substr(0, i).c_str(), nullptr);
    }
}

void WriteBytes(const std::string& strPath, const std::string& strBytes)
{
    HANDLE h = CreateFileA(strPath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        throw std::runtime_error("cannot create " + strPath);
    DWORD written = 0;
    const BOOL ok = WriteFile(h, strBytes.data(), static_cast<DWORD>(strBytes.size()), &written, nullptr);
    CloseHandle(h);
    if (!ok || written != strBytes.size())
        throw std::runtime_error("cannot write " + strPath);
}

std::string ReadBytes(const std::string& strPath)
{
    HANDLE h = CreateFileA(strPath.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                           nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        throw std::runtime_error("cannot open " + strPath);
    std::string bytes;
    char buffer[65536];
    DWORD got = 0;
    while (ReadFile(h, buffer, sizeof buffer, &got, nullptr) && got > 0)
        bytes.append(buffer, got);
    CloseHandle(h);
    return bytes;
}

bool FileExists(const std::string& strPath)
{
    return GetFileAttributesA(strPath.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void PrintTo(const LogLine& line, std::ostream* os)
{
    *os << "{" << line.nSeverity << ", \"" << line.strText << "\"}";
}

namespace
{
const char LOG_CAPTURE_CLASS[] = "CelvaneTestLogCapture";

void RegisterCaptureClass()
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = LOG_CAPTURE_CLASS;
    RegisterClassA(&wc); // a second registration fails harmlessly
}
} // namespace

CLogCapture::CLogCapture()
{
    if (AfxGetApp() == nullptr)
        m_pOwnApp = std::make_unique<CWinApp>();
    RegisterCaptureClass();
    m_wnd.m_hWnd = CreateWindowExA(0, LOG_CAPTURE_CLASS, "log", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, nullptr,
                                   GetModuleHandleA(nullptr), nullptr);
    if (m_wnd.m_hWnd == nullptr)
        throw std::runtime_error("cannot create the log window: " + std::to_string(GetLastError()));
    m_pPrevMain = AfxGetApp()->m_pMainWnd;
    AfxGetApp()->m_pMainWnd = &m_wnd;
}

CLogCapture::~CLogCapture()
{
    Drain();
    AfxGetApp()->m_pMainWnd = m_pPrevMain;
    DestroyWindow(m_wnd.m_hWnd);
}

std::vector<LogLine> CLogCapture::Drain()
{
    std::vector<LogLine> lines;
    MSG msg;
    while (PeekMessageA(&msg, m_wnd.m_hWnd, WM_LOGMESSAGE, WM_LOGMESSAGE, PM_REMOVE))
    {
        std::unique_ptr<std::string> pText(reinterpret_cast<std::string*>(msg.lParam));
        lines.push_back({static_cast<int>(static_cast<INT_PTR>(msg.wParam)), *pText});
    }
    return lines;
}
