#include "e2e/CelvaneDriver.h"

#include "resource.h"

#include <commctrl.h>
#include <tlhelp32.h>

#include <algorithm>
#include <stdexcept>

namespace
{
const char DIALOG_CAPTION[] = "Trevolt Configuration";
const DWORD POLL_INTERVAL_MS = 20;
const size_t ROW_TEXT_SIZE = 4096;

std::string Quote(const std::string& strText)
{
    return "\"" + strText + "\"";
}

std::string Number(long long n)
{
    return std::to_string(n);
}

std::string HelperPath(const std::string& strExeName)
{
    char szSelf[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, szSelf, MAX_PATH);
    std::string strDir = szSelf;
    strDir.erase(strDir.find_last_of('\\') + 1);
    return strDir + strExeName;
}

// Every entry of this process's environment, with the given ones replacing
// entries of the same name or added; sorted as Windows expects a block.
std::string EnvironmentBlock(const std::vector<std::string>& overrides)
{
    std::vector<std::string> entries;
    char* pBlock = GetEnvironmentStringsA();
    for (const char* p = pBlock; *p != '\0'; p += lstrlenA(p) + 1)
        entries.push_back(p);
    FreeEnvironmentStringsA(pBlock);
    for (const std::string& strOverride : overrides)
    {
        const std::string strName = strOverride.substr(0, strOverride.find('=') + 1);
        for (auto it = entries.begin(); it != entries.end();)
        {
            if (it->size() >= strName.size() && lstrcmpiA(it->substr(0, strName.size()).c_str(), strName.c_str()) == 0)
                it = entries.erase(it);
            else
                ++it;
        }
        entries.push_back(strOverride);
    }
    std::sort(entries.begin(), entries.end(),
              [](const std::string& a, const std::string& b) { return lstrcmpiA(a.c_str(), b.c_str()) < 0; });
    std::string strBlock;
    for (const std::string& strEntry : entries)
        strBlock.append(strEntry).push_back('\0');
    strBlock.push_back('\0');
    return strBlock;
}

PROCESS_INFORMATION Start(const std::string& strExe, const std::string& strArguments, const std::string& strDir,
                          const std::string* pEnvironment)
{
    std::string strCommand = Quote(strExe) + (strArguments.empty() ? "" : " " + strArguments);
    std::vector<char> commandLine(strCommand.begin(), strCommand.end());
    commandLine.push_back('\0');
    std::vector<char> environment;
    if (pEnvironment != nullptr)
        environment.assign(pEnvironment->begin(), pEnvironment->end());
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started = {};
    // No console of ours: a window program started from the desktop has
    // none, and the interpreter it starts must open a console of its own.
    if (!CreateProcessA(strExe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, DETACHED_PROCESS,
                        environment.empty() ? nullptr : environment.data(), strDir.empty() ? nullptr : strDir.c_str(),
                        &startup, &started))
        throw std::runtime_error("cannot start " + strExe + ": error " + Number(GetLastError()));
    return started;
}

struct CProcessEntry
{
    DWORD dwId;
    std::string strExe;
};

std::vector<CProcessEntry> ChildProcesses(DWORD dwParent)
{
    std::vector<CProcessEntry> children;
    HANDLE hSnapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (hSnapshot == INVALID_HANDLE_VALUE)
        return children;
    PROCESSENTRY32 entry = {};
    entry.dwSize = sizeof entry;
    for (BOOL bMore = Process32First(hSnapshot, &entry); bMore; bMore = Process32Next(hSnapshot, &entry))
    {
        if (entry.th32ParentProcessID == dwParent)
            children.push_back({entry.th32ProcessID, entry.szExeFile});
    }
    CloseHandle(hSnapshot);
    return children;
}

struct CFindDialog
{
    DWORD dwProcessId;
    HWND hDlg;
};

BOOL CALLBACK FindDialogProc(HWND hWnd, LPARAM lParam)
{
    CFindDialog* pFind = reinterpret_cast<CFindDialog*>(lParam);
    DWORD dwProcessId = 0;
    GetWindowThreadProcessId(hWnd, &dwProcessId);
    char szCaption[64] = {};
    GetWindowTextA(hWnd, szCaption, sizeof szCaption);
    if (dwProcessId != pFind->dwProcessId || lstrcmpA(szCaption, DIALOG_CAPTION) != 0 || !IsWindowVisible(hWnd))
        return TRUE;
    pFind->hDlg = hWnd;
    return FALSE;
}

HWND FindDialog(DWORD dwProcessId)
{
    CFindDialog find = {dwProcessId, nullptr};
    EnumWindows(&FindDialogProc, reinterpret_cast<LPARAM>(&find));
    return find.hDlg;
}

LRESULT SendWithLimit(HWND hWnd, UINT nMessage, WPARAM wParam, LPARAM lParam)
{
    DWORD_PTR dwResult = 0;
    if (!SendMessageTimeoutA(hWnd, nMessage, wParam, lParam, SMTO_NORMAL, E2E_WAIT_LIMIT_MS, &dwResult))
        throw std::runtime_error("the dialog does not answer (message " + Number(nMessage) + ")");
    return static_cast<LRESULT>(dwResult);
}

std::vector<HWND> DirectChildren(HWND hParent)
{
    std::vector<HWND> children;
    for (HWND h = GetWindow(hParent, GW_CHILD); h != nullptr; h = GetWindow(h, GW_HWNDNEXT))
        children.push_back(h);
    return children;
}

bool HasUpdateRegion(HWND hWnd)
{
    if (GetUpdateRect(hWnd, nullptr, FALSE))
        return true;
    for (HWND hChild : DirectChildren(hWnd))
    {
        if (HasUpdateRegion(hChild))
            return true;
    }
    return false;
}

std::string XWindowOf(HWND hWnd)
{
    const HANDLE hXWindow = GetPropA(hWnd, "__wine_x11_whole_window");
    if (hXWindow == nullptr)
        throw std::runtime_error("the window has no X window");
    return Number(static_cast<long long>(reinterpret_cast<ULONG_PTR>(hXWindow)));
}

void XDoTool(std::vector<std::string> arguments)
{
    arguments.insert(arguments.begin(), "xdotool");
    if (RunUnix(arguments) != 0)
        throw std::runtime_error("xdotool " + arguments[1] + " failed");
}

// xdotool's own wait for the pointer waits for a motion, and there is none
// when the pointer stands there already.
void MoveMouse(int x, int y)
{
    XDoTool({"mousemove", Number(x), Number(y)});
    const bool bThere = WaitUntil([&] {
        POINT pt = {};
        return GetCursorPos(&pt) && pt.x == x && pt.y == y;
    });
    if (!bThere)
        throw std::runtime_error("the mouse pointer does not move to " + Number(x) + "," + Number(y));
}
} // namespace

std::string OnDriveZ(std::string strUnixPath)
{
    for (char& c : strUnixPath)
    {
        if (c == '/')
            c = '\\';
    }
    return "Z:" + strUnixPath;
}

bool WaitUntil(const std::function<bool()>& fnDone, DWORD dwLimitMs)
{
    const ULONGLONG nStart = GetTickCount64();
    for (;;)
    {
        if (fnDone())
            return true;
        if (GetTickCount64() - nStart >= dwLimitMs)
            return false;
        Sleep(POLL_INTERVAL_MS);
    }
}

CRemoteMemory::CRemoteMemory(HANDLE hProcess, size_t nSize)
    : m_hProcess(hProcess), m_pBlock(VirtualAllocEx(hProcess, nullptr, nSize, MEM_COMMIT, PAGE_READWRITE))
{
    if (m_pBlock == nullptr)
        throw std::runtime_error("cannot allocate memory in the program: error " + Number(GetLastError()));
}

CRemoteMemory::~CRemoteMemory()
{
    VirtualFreeEx(m_hProcess, m_pBlock, 0, MEM_RELEASE);
}

LPARAM CRemoteMemory::Address(size_t nOffset) const
{
    return reinterpret_cast<LPARAM>(static_cast<char*>(m_pBlock) + nOffset);
}

void CRemoteMemory::Write(const void* pData, size_t nSize, size_t nOffset)
{
    SIZE_T nDone = 0;
    if (!WriteProcessMemory(m_hProcess, static_cast<char*>(m_pBlock) + nOffset, pData, nSize, &nDone) ||
        nDone != nSize)
        throw std::runtime_error("cannot write the program's memory");
}

void CRemoteMemory::Read(void* pData, size_t nSize, size_t nOffset) const
{
    SIZE_T nDone = 0;
    if (!ReadProcessMemory(m_hProcess, static_cast<char*>(m_pBlock) + nOffset, pData, nSize, &nDone) ||
        nDone != nSize)
        throw std::runtime_error("cannot read the program's memory");
}

CCelvane::CCelvane(const std::string& strExe, const std::string& strCurrentDir,
                   const std::vector<std::string>& environment)
{
    // Wine starts the desktop's own process with the first window of a
    // session; started here, it is no process of the program's.
    GetDesktopWindow();
    const std::string strBlock = EnvironmentBlock(environment);
    m_process.Take(Start(strExe, "", strCurrentDir, &strBlock));
    try
    {
        const bool bFound = WaitUntil([this] {
            m_hDlg = FindDialog(m_process.dwProcessId);
            return m_hDlg != nullptr || WaitForSingleObject(m_process.process.Get(), 0) == WAIT_OBJECT_0;
        });
        if (m_hDlg == nullptr)
            throw std::runtime_error(bFound ? "Celvane.exe ended without its window" : "Celvane.exe shows no window");
        WaitUntilIdle();
    }
    catch (...)
    {
        End(); // no destructor runs for an object whose constructor throws
        throw;
    }
}

CCelvane::~CCelvane()
{
    End();
}

void CCelvane::End()
{
    if (!m_process.process || WaitForSingleObject(m_process.process.Get(), 0) == WAIT_OBJECT_0)
        return;
    // A run that waits for its console ends with the console; then the
    // dialog closes as its close box closes it.
    for (const CProcessEntry& child : ChildProcesses(m_process.dwProcessId))
    {
        if (lstrcmpiA(child.strExe.c_str(), "cmd.exe") != 0)
            continue;
        const CKernelHandle hChild(OpenProcess(PROCESS_TERMINATE, FALSE, child.dwId));
        if (hChild)
            TerminateProcess(hChild.Get(), 1);
    }
    if (m_hDlg != nullptr)
        PostMessageA(m_hDlg, WM_SYSCOMMAND, SC_CLOSE, 0);
    if (WaitForSingleObject(m_process.process.Get(), E2E_WAIT_LIMIT_MS) != WAIT_OBJECT_0)
        TerminateProcess(m_process.process.Get(), 1);
}

std::string CCelvane::FieldText(int nID) const
{
    char szText[1024] = {};
    SendWithLimit(Item(nID), WM_GETTEXT, sizeof szText, reinterpret_cast<LPARAM>(szText));
    return szText;
}

void CCelvane::SetFieldText(int nID, const std::string& strText)
{
    SendWithLimit(Item(nID), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(strText.c_str()));
}

DWORD CCelvane::Address() const
{
    CRemoteMemory memory(m_process.process.Get(), sizeof(DWORD));
    SendWithLimit(Item(IDC_IP_ADDRESS), IPM_GETADDRESS, 0, memory.Address());
    DWORD dwAddress = 0;
    memory.Read(&dwAddress, sizeof dwAddress);
    return dwAddress;
}

void CCelvane::SetAddress(DWORD dwAddress)
{
    SendWithLimit(Item(IDC_IP_ADDRESS), IPM_SETADDRESS, 0, static_cast<LPARAM>(dwAddress));
}

void CCelvane::Click(int nID)
{
    // Posted: the handler of "Configure" keeps the dialog until the run ends.
    if (!PostMessageA(Item(nID), BM_CLICK, 0, 0))
        throw std::runtime_error("cannot press button " + Number(nID));
}

void CCelvane::Configure(CONSOLE_ANSWER answer)
{
    Click(IDC_CONFIGURE);
    const std::string strHelper = HelperPath("celvane_at_pause.exe");
    CProcessInformation helper;
    helper.Take(Start(strHelper, Number(m_process.dwProcessId) + (answer == CONSOLE_KEY ? " key" : " end"), "",
                      nullptr));
    // The helper has bounds of its own, shorter than this one.
    if (WaitForSingleObject(helper.process.Get(), 3 * E2E_WAIT_LIMIT_MS) != WAIT_OBJECT_0)
    {
        TerminateProcess(helper.process.Get(), 1);
        throw std::runtime_error("the operator at the console did not finish");
    }
    DWORD dwCode = 1;
    GetExitCodeProcess(helper.process.Get(), &dwCode);
    if (dwCode != 0)
        throw std::runtime_error("the console's pause could not be answered: code " + Number(dwCode));
    WaitUntilIdle();
}

std::vector<LogRow> CCelvane::LogRows() const
{
    const HWND hList = Item(IDC_LOG_LIST);
    CRemoteMemory memory(m_process.process.Get(), sizeof(LVITEMA) + ROW_TEXT_SIZE);
    const auto readText = [&](int nItem, int nSubItem, int* pImage) {
        LVITEMA item = {};
        item.mask = LVIF_TEXT | LVIF_IMAGE;
        item.iItem = nItem;
        item.iSubItem = nSubItem;
        item.pszText = reinterpret_cast<char*>(memory.Address(sizeof(LVITEMA)));
        item.cchTextMax = static_cast<int>(ROW_TEXT_SIZE);
        item.iImage = -1;
        memory.Write(&item, sizeof item);
        const char cEmpty = '\0';
        memory.Write(&cEmpty, 1, sizeof(LVITEMA));
        if (pImage != nullptr)
        {
            if (!SendWithLimit(hList, LVM_GETITEMA, 0, memory.Address()))
                throw std::runtime_error("cannot read row " + Number(nItem));
            memory.Read(&item, sizeof item);
            *pImage = item.iImage;
        }
        else
        {
            SendWithLimit(hList, LVM_GETITEMTEXTA, static_cast<WPARAM>(nItem), memory.Address());
        }
        std::string strText(ROW_TEXT_SIZE, '\0');
        memory.Read(&strText[0], ROW_TEXT_SIZE, sizeof(LVITEMA));
        strText.resize(strText.find('\0'));
        return strText;
    };

    std::vector<LogRow> rows;
    const int nCount = static_cast<int>(SendWithLimit(hList, LVM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < nCount; ++i)
    {
        LogRow row;
        row.strType = readText(i, 0, &row.nImage);
        row.strTime = readText(i, 1, nullptr);
        row.strDescription = readText(i, 2, nullptr);
        rows.push_back(row);
    }
    return rows;
}

void CCelvane::WaitUntilIdle()
{
    // A sent message is handled only once the dialog takes messages again,
    // so after a run only when the run is over, with all its lines queued.
    SendWithLimit(m_hDlg, WM_NULL, 0, 0);
    // Posted messages are handled in order: once a marker posted now has
    // been handled, so has every line queued before it. The marker is the
    // list's hover time, which matters only to lists that select on hover;
    // it is put back afterwards.
    const HWND hList = Item(IDC_LOG_LIST);
    const DWORD dwOldHoverTime = static_cast<DWORD>(SendWithLimit(hList, LVM_GETHOVERTIME, 0, 0));
    const DWORD dwMarker = 100000 + static_cast<DWORD>(++m_nMarker);
    if (!PostMessageA(hList, LVM_SETHOVERTIME, 0, static_cast<LPARAM>(dwMarker)))
        throw std::runtime_error("cannot post to the dialog");
    if (!WaitUntil([&] { return static_cast<DWORD>(SendWithLimit(hList, LVM_GETHOVERTIME, 0, 0)) == dwMarker; }))
        throw std::runtime_error("the dialog does not handle its queue");
    SendWithLimit(hList, LVM_SETHOVERTIME, 0, static_cast<LPARAM>(dwOldHoverTime));
}

void CCelvane::WaitUntilPainted()
{
    WaitUntilIdle();
    if (!WaitUntil([this] { return !HasUpdateRegion(m_hDlg); }))
        throw std::runtime_error("the dialog does not paint");
    // A paint that has just begun is over once the dialog answers again.
    SendWithLimit(m_hDlg, WM_NULL, 0, 0);
}

RECT CCelvane::WindowRect() const
{
    RECT rc = {};
    GetWindowRect(m_hDlg, &rc);
    return rc;
}

std::vector<ChildPlace> CCelvane::Children() const
{
    std::vector<ChildPlace> places;
    for (HWND hChild : DirectChildren(m_hDlg))
    {
        RECT rc = {};
        GetWindowRect(hChild, &rc);
        MapWindowPoints(nullptr, m_hDlg, reinterpret_cast<POINT*>(&rc), 2);
        places.push_back({hChild, rc});
    }
    return places;
}

RECT CCelvane::ClientRectOnScreen() const
{
    RECT rc = {};
    GetClientRect(m_hDlg, &rc);
    MapWindowPoints(m_hDlg, nullptr, reinterpret_cast<POINT*>(&rc), 2);
    return rc;
}

bool CCelvane::InMoveSize() const
{
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(GetWindowThreadProcessId(m_hDlg, nullptr), &info) && (info.flags & GUI_INMOVESIZE) != 0;
}

void CCelvane::DragSizeGrip(int dx, int dy)
{
    const RECT rcClient = ClientRectOnScreen();
    // Inside the grip, a few pixels from the client area's corner.
    const int x = rcClient.right - 4;
    const int y = rcClient.bottom - 4;
    MoveMouse(x, y);
    XDoTool({"mousedown", "1"});
    // Mouse input comes after posted messages: the sizing loop shows when
    // the press has been taken.
    if (!WaitUntil([this] { return InMoveSize(); }))
    {
        XDoTool({"mouseup", "1"});
        throw std::runtime_error("a press on the size grip starts no sizing");
    }
    const int nSteps = 4;
    for (int i = 1; i <= nSteps; ++i)
        MoveMouse(x + dx * i / nSteps, y + dy * i / nSteps);
    XDoTool({"mouseup", "1"});
    if (!WaitUntil([this] { return !InMoveSize(); }))
        throw std::runtime_error("the sizing does not end when the button is released");
    WaitUntilIdle();
}

void CCelvane::PressKey(const std::string& strKey)
{
    // The operator clicks into the dialog first, on its bare background:
    // once the console has gone no window is active, and keys reach none.
    const RECT rcClient = ClientRectOnScreen();
    MoveMouse(rcClient.left + 3, rcClient.top + 3);
    XDoTool({"click", "1"});
    if (!WaitUntil([this] { return GetForegroundWindow() == m_hDlg; }))
        throw std::runtime_error("the dialog does not become the active window");
    XDoTool({"windowfocus", "--sync", XWindowOf(m_hDlg)});
    XDoTool({"key", strKey});
}

bool CCelvane::WaitForExit(DWORD& dwExitCode)
{
    if (WaitForSingleObject(m_process.process.Get(), E2E_WAIT_LIMIT_MS) != WAIT_OBJECT_0)
        return false;
    return GetExitCodeProcess(m_process.process.Get(), &dwExitCode) != FALSE;
}

std::vector<std::string> ProcessesStartedBy(DWORD dwParent)
{
    std::vector<std::string> names;
    for (const CProcessEntry& child : ChildProcesses(dwParent))
    {
        names.push_back(child.strExe);
        for (const std::string& strName : ProcessesStartedBy(child.dwId))
            names.push_back(strName);
    }
    return names;
}

int RunUnix(std::vector<std::string> arguments)
{
    using PFN_SPAWN = LONG(CDECL*)(char* const*, int);
    const auto pfn = reinterpret_cast<PFN_SPAWN>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("ntdll.dll"), "__wine_unix_spawnvp")));
    if (pfn == nullptr)
        throw std::runtime_error("not running under Wine: cannot run " + arguments[0]);
    std::vector<char*> argv;
    for (std::string& strArgument : arguments)
        argv.push_back(&strArgument[0]);
    argv.push_back(nullptr);
    return static_cast<int>(pfn(argv.data(), 1));
}

void SaveScreenshot(const std::string& strUnixPath)
{
    const std::string strDir = strUnixPath.substr(0, strUnixPath.rfind('/'));
    RunUnix({"mkdir", "-p", strDir});
    if (RunUnix({"import", "-window", "root", strUnixPath}) != 0)
        throw std::runtime_error("cannot take a screenshot to " + strUnixPath);
}

namespace
{
std::string PixelsPath()
{
    RunUnix({"mkdir", "-p", CELVANE_E2E_OUTPUT_DIR});
    return std::string(CELVANE_E2E_OUTPUT_DIR) + "/pixels.rgb";
}

std::string Size(const RECT& rc)
{
    return Number(rc.right - rc.left) + "x" + Number(rc.bottom - rc.top);
}
} // namespace

std::string ScreenPixels(const RECT& rc)
{
    const std::string strUnixPath = PixelsPath();
    const std::string strGeometry = Size(rc) + "+" + Number(rc.left) + "+" + Number(rc.top);
    if (RunUnix({"import", "-window", "root", "-crop", strGeometry, "-depth", "8", "rgb:" + strUnixPath}) != 0)
        throw std::runtime_error("cannot read the screen");
    const CFileHandle hFile(CreateFileA(OnDriveZ(strUnixPath).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                        OPEN_EXISTING, 0, nullptr));
    if (!hFile)
        throw std::runtime_error("cannot read " + strUnixPath);
    std::string strPixels(static_cast<size_t>(rc.right - rc.left) * (rc.bottom - rc.top) * 3, '\0');
    DWORD dwRead = 0;
    if (!ReadFile(hFile.Get(), &strPixels[0], static_cast<DWORD>(strPixels.size()), &dwRead, nullptr) ||
        dwRead != strPixels.size())
        throw std::runtime_error("short screen read from " + strUnixPath);
    return strPixels;
}

void SavePixels(const std::string& strPixels, const RECT& rc, const std::string& strUnixPath)
{
    const std::string strRawPath = PixelsPath();
    {
        const CFileHandle hFile(CreateFileA(OnDriveZ(strRawPath).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                            FILE_ATTRIBUTE_NORMAL, nullptr));
        DWORD dwWritten = 0;
        if (!hFile ||
            !WriteFile(hFile.Get(), strPixels.data(), static_cast<DWORD>(strPixels.size()), &dwWritten, nullptr))
            throw std::runtime_error("cannot write " + strRawPath);
    }
    if (RunUnix({"convert", "-size", Size(rc), "-depth", "8", "rgb:" + strRawPath, strUnixPath}) != 0)
        throw std::runtime_error("cannot save " + strUnixPath);
}
