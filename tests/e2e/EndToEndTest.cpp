// What an operator sees: Celvane.exe started as its own process on the X
// display, driven only from outside through its window, with the real
// command interpreter's console, on the demo installation of both products
// at their default paths. A screenshot of each test's end state is saved in
// the build tree.
#include "e2e/CelvaneDriver.h"
#include "e2e/PrefixHosts.h"

#include "ProductFixture.h"
#include "TestSupport.h"
#include "resource.h"

#include <winsock2.h>
#include <windows.h>
#include <commctrl.h>
#include <iphlpapi.h>

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace
{
struct Identity
{
    std::string strShortName;
    std::string strFullName;
    std::string strAddress;
    DWORD dwAddress;
};

const Identity DEMO = {FIXTURE_SHORT_NAME, FIXTURE_FULL_NAME, FIXTURE_IP_ADDRESS, MAKEIPADDRESS(10, 20, 30, 40)};
const Identity FIRST = {"trevolt01", "trevolt01.example.com", "192.168.20.14", MAKEIPADDRESS(192, 168, 20, 14)};
const Identity SECOND = {"kes-b2", "kes-b2.lab.example.org", "10.9.8.7", MAKEIPADDRESS(10, 9, 8, 7)};

const std::string K = "c:\\kestrane\\fenwold\\manager";
const std::string D = "c:\\Program Files\\Zentrel\\dravoconsole\\console";
const std::string SETENV = K + "\\bin\\w32-ix86\\setenv.bat";
const std::string DEPLOY = K + "\\bin\\w32-ix86\\setDeployEnv.bat";
const std::string DBPARMS = K + "\\conf\\qalmdbparms.properties";
const std::string USER = K + "\\conf\\user.properties";
const std::string ORB_K = K + "\\apps\\nemra\\java\\jre\\lib\\orb.properties";
const std::string INDEX_K = K + "\\apps\\nemra\\config\\cells\\DefaultNode\\nodes\\DefaultNode\\serverindex.xml";
const std::string ORB_D = D + "\\embeddedNemra\\java\\jre\\lib\\orb.properties";
const std::string INDEX_D = D + "\\embeddedNemra\\config\\cells\\DefaultNode\\nodes\\DefaultNode\\serverindex.xml";
const char* const PRODUCT_ROOTS[] = {"c:\\kestrane", "c:\\Program Files\\Zentrel"};

struct Row
{
    std::string strType;
    int nImage;
    std::string strDescription;
    bool operator==(const Row& o) const
    {
        return strType == o.strType && nImage == o.nImage && strDescription == o.strDescription;
    }
};

void PrintTo(const Row& row, std::ostream* os)
{
    *os << "{" << row.strType << ", " << row.nImage << ", \"" << row.strDescription << "\"}";
}

Row Info(const std::string& strText)
{
    return {"Information", 0, strText};
}
Row Error(const std::string& strText)
{
    return {"Error", 2, strText};
}

void Append(std::vector<Row>& rows, const std::vector<Row>& more)
{
    rows.insert(rows.end(), more.begin(), more.end());
}

std::vector<Row> Shown(const std::vector<LogRow>& logRows)
{
    std::vector<Row> rows;
    for (const LogRow& logRow : logRows)
        rows.push_back({logRow.strType, logRow.nImage, logRow.strDescription});
    return rows;
}

std::string ReplaceAll(std::string strText, const std::string& strFrom, const std::string& strTo)
{
    for (size_t at = strText.find(strFrom); at != std::string::npos; at = strText.find(strFrom, at + strTo.size()))
        strText.replace(at, strFrom.size(), strTo);
    return strText;
}

std::string DatabaseUrl(const Identity& id)
{
    return "jdbc\\:quarj\\:net\\://" + id.strFullName + "\\:9553/FENWOLD";
}

std::string Quoted(const std::string& strText)
{
    return "\"" + strText + "\"";
}

std::string HostLine(const Identity& id)
{
    return id.strAddress + "    " + id.strShortName + "    " + id.strFullName;
}

// The rows of the ten edits from one identity to the next, in the order of
// the edit table; a file named in strMissing cannot be opened.
std::vector<Row> EditRows(const Identity& from, const Identity& to, const std::string& strMissing = "")
{
    const struct
    {
        std::string strPath;
        std::string strOld;
        std::string strNew;
        int nChanges;
    } edits[] = {
        {SETENV, from.strFullName, to.strFullName, 1},
        {DEPLOY, from.strShortName, to.strShortName, 1},
        {DBPARMS, DatabaseUrl(from), DatabaseUrl(to), 1},
        {USER, from.strFullName, to.strFullName, 1},
        {ORB_K, from.strShortName, to.strShortName, 1},
        {INDEX_K, Quoted(from.strShortName), Quoted(to.strShortName), 1}, // hostName
        {INDEX_K, Quoted(from.strShortName), Quoted(to.strShortName), 2}, // host, twice
        {ORB_D, from.strShortName, to.strShortName, 1},
        {INDEX_D, Quoted(from.strShortName), Quoted(to.strShortName), 1},
        {INDEX_D, Quoted(from.strShortName), Quoted(to.strShortName), 2},
    };
    std::vector<Row> rows;
    for (const auto& edit : edits)
    {
        if (edit.strPath == strMissing)
        {
            rows.push_back(Error("Couldn't open file: " + edit.strPath));
            continue;
        }
        rows.push_back(Info("Processing file: " + edit.strPath));
        for (int i = 0; i < edit.nChanges; ++i)
            rows.push_back(Info("Changed " + edit.strOld + "=>" + edit.strNew));
        rows.push_back(Info("Wrote output to file: " + edit.strPath));
    }
    return rows;
}

std::vector<Row> HostsRows(const std::string& strPath, const Identity& from, const Identity& to)
{
    return {Info("Processing file: " + strPath), Info("Replaced: " + HostLine(from)),
            Info("With: " + HostLine(to) + "\r\n"), Info("Wrote output to file: " + strPath)};
}

// The rows of a run that got past its script, behind its "Executing: " row.
std::vector<Row> RunRows(const std::string& strExecuting, const std::string& strHosts, const Identity& from,
                         const Identity& to)
{
    std::vector<Row> rows = {Info(strExecuting), Info("Script executed successfully")};
    Append(rows, EditRows(from, to));
    Append(rows, HostsRows(strHosts, from, to));
    return rows;
}

bool IsTimeOfDay(const std::string& strTime)
{
    if (strTime.size() != 8 || strTime[2] != ':' || strTime[5] != ':')
        return false;
    for (const char c : {strTime[0], strTime[1], strTime[3], strTime[4], strTime[6], strTime[7]})
    {
        if (c < '0' || c > '9')
            return false;
    }
    return strTime.compare(0, 2, "24") < 0 && strTime[3] < '6' && strTime[6] < '6';
}

// Every plain file below a folder.
void ListTree(const std::string& strDir, std::set<std::string>& files)
{
    WIN32_FIND_DATAA data;
    HANDLE hFind = FindFirstFileA((strDir + "\\*").c_str(), &data);
    if (hFind == INVALID_HANDLE_VALUE)
        return;
    do
    {
        const std::string strName = data.cFileName;
        if (strName == "." || strName == "..")
            continue;
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            ListTree(strDir + "\\" + strName, files);
        else
            files.insert(strDir + "\\" + strName);
    } while (FindNextFileA(hFind, &data));
    FindClose(hFind);
}

// The host's identity as the system reports it to any program here.
struct Detected
{
    std::string strShortName;
    std::string strFullName;
    std::vector<DWORD> addresses;
};

Detected DetectIdentity()
{
    Detected detected;
    WSADATA wsaData;
    if (WSAStartup(MAKEWORD(1, 1), &wsaData) != 0)
        return detected;
    char szName[256] = {};
    if (gethostname(szName, sizeof szName) == 0)
        detected.strShortName = szName;
    ULONG ulSize = 0;
    if (GetNetworkParams(nullptr, &ulSize) == ERROR_BUFFER_OVERFLOW)
    {
        std::vector<char> block(ulSize);
        FIXED_INFO* pInfo = reinterpret_cast<FIXED_INFO*>(block.data());
        if (GetNetworkParams(pInfo, &ulSize) == NO_ERROR)
        {
            detected.strFullName = pInfo->HostName;
            if (pInfo->DomainName[0] != '\0')
                detected.strFullName += std::string(".") + pInfo->DomainName;
        }
    }
    const hostent* pEntry = gethostbyname(szName);
    if (pEntry != nullptr && pEntry->h_addrtype == AF_INET)
    {
        for (char** ppAddress = pEntry->h_addr_list; *ppAddress != nullptr; ++ppAddress)
        {
            in_addr address;
            memcpy(&address, *ppAddress, sizeof address);
            detected.addresses.push_back(ntohl(address.s_addr));
        }
    }
    WSACleanup();
    return detected;
}

std::string Dotted(DWORD dwAddress)
{
    return std::to_string(FIRST_IPADDRESS(dwAddress)) + "." + std::to_string(SECOND_IPADDRESS(dwAddress)) + "." +
           std::to_string(THIRD_IPADDRESS(dwAddress)) + "." + std::to_string(FOURTH_IPADDRESS(dwAddress));
}

// A rectangle that tests can compare and print.
struct Rect
{
    LONG left, top, right, bottom;
    bool operator==(const Rect& o) const
    {
        return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
    }
};

void PrintTo(const Rect& rc, std::ostream* os)
{
    *os << "(" << rc.left << "," << rc.top << ")-(" << rc.right << "," << rc.bottom << ")";
}

Rect Of(const RECT& rc)
{
    return {rc.left, rc.top, rc.right, rc.bottom};
}

std::vector<Rect> Rects(const std::vector<ChildPlace>& places)
{
    std::vector<Rect> rects;
    for (const ChildPlace& place : places)
        rects.push_back(Of(place.rc));
    return rects;
}

Rect Moved(const RECT& rc, int dx, int dy)
{
    return {rc.left + dx, rc.top + dy, rc.right + dx, rc.bottom + dy};
}

Rect Grown(const RECT& rc, int dx, int dy)
{
    return {rc.left, rc.top, rc.right + dx, rc.bottom + dy};
}

size_t FileCount(const std::string& strDir)
{
    std::set<std::string> files;
    ListTree(strDir, files);
    return files.size();
}

class EndToEndTest : public ::testing::Test
{
protected:
    EndToEndTest()
        : m_hosts(m_products.Original(m_products.HostsPath()), OnDriveZ(CELVANE_E2E_OUTPUT_DIR "/prefix-hosts"))
    {
    }

    void SetUp() override
    {
        // Pictures of an earlier failure of this test would mislead.
        RunUnix({"find", CELVANE_E2E_OUTPUT_DIR, "-maxdepth", "1", "-name", TestName() + "-*.png", "-delete"});
        std::string strExe = OnDriveZ(CELVANE_EXE);
        const std::string strExeDir = strExe.substr(0, strExe.rfind('\\'));
        // The script's temporary files go to the test's own folder.
        m_pApp = std::make_unique<CCelvane>(strExe, strExeDir,
                                            std::vector<std::string>{"TMP=" + m_temp.Path(), "TEMP=" + m_temp.Path()});
    }

    void TearDown() override
    {
        if (m_pApp != nullptr && WaitForSingleObject(m_pApp->Process(), 0) == WAIT_TIMEOUT)
            m_pApp->WaitUntilPainted();
        SaveScreenshot(std::string(CELVANE_E2E_OUTPUT_DIR) + "/" + TestName() + ".png");
        m_pApp.reset();
        EXPECT_TRUE(m_hosts.Restore()) << "the prefix's own HOSTS file is not back as it was";
    }

    void Type(const Identity& id)
    {
        m_pApp->SetFieldText(IDC_SHORT_NAME, id.strShortName);
        m_pApp->SetFieldText(IDC_FULL_NAME, id.strFullName);
        m_pApp->SetAddress(id.dwAddress);
    }

    // The product files and the HOSTS file as a run from the demo identity
    // to another leaves them: every old name stands in an edited value. The
    // product fixture's own HOSTS file, under a %SystemRoot% of the test's,
    // stays as it is: the program never sees that %SystemRoot%.
    std::map<std::string, std::string> Configured(const Identity& to) const
    {
        std::map<std::string, std::string> files = m_products.Snapshot();
        for (auto& file : files)
        {
            if (file.first != m_products.HostsPath())
                file.second = ReplaceAll(ReplaceAll(m_products.Original(file.first), DEMO.strFullName, to.strFullName),
                                         DEMO.strShortName, to.strShortName);
        }
        files[m_hosts.Path()] = ReplaceAll(Original(m_hosts.Path()), HostLine(DEMO) + "\r\n", HostLine(to) + "\r\n");
        return files;
    }

    std::map<std::string, std::string> Originals() const
    {
        std::map<std::string, std::string> files = m_products.Snapshot();
        for (auto& file : files)
            file.second = m_products.Original(file.first);
        files[m_hosts.Path()] = Original(m_hosts.Path());
        return files;
    }

    std::string Original(const std::string& strPath) const
    {
        return strPath == m_hosts.Path() ? m_products.Original(m_products.HostsPath())
                                         : m_products.Original(strPath);
    }

    // Every file of the products and the HOSTS file with its bytes now.
    std::map<std::string, std::string> OnDisk() const
    {
        std::map<std::string, std::string> files = m_products.Snapshot();
        if (FileExists(m_hosts.Path()))
            files[m_hosts.Path()] = ReadBytes(m_hosts.Path());
        return files;
    }

    // No file came or went beside the product files and the HOSTS file.
    void ExpectNoStrayFiles(const std::set<std::string>& hostsFolderBefore) const
    {
        std::set<std::string> products;
        for (const char* pszRoot : PRODUCT_ROOTS)
            ListTree(pszRoot, products);
        std::set<std::string> expected;
        for (const auto& file : m_products.Snapshot())
        {
            if (file.first != m_products.HostsPath())
                expected.insert(file.first);
        }
        EXPECT_EQ(expected, products);
        EXPECT_EQ(hostsFolderBefore, HostsFolder());
    }

    // The names in the HOSTS file's folder, in lower case: Windows names are
    // case-blind, and the write-back leaves the name as the program spells it.
    std::set<std::string> HostsFolder() const
    {
        std::set<std::string> files;
        ListTree(m_hosts.Folder(), files);
        std::set<std::string> names;
        for (std::string strName : files)
        {
            CharLowerBuffA(&strName[0], static_cast<DWORD>(strName.size()));
            names.insert(strName);
        }
        return names;
    }

    // The "Executing: " row names the script in the test's temporary folder.
    std::string Executing(const std::vector<LogRow>& rows, size_t nAt) const
    {
        const std::string strPrefix = "Executing: " + m_temp.Path() + "\\";
        if (rows.size() <= nAt || rows[nAt].strDescription.compare(0, strPrefix.size(), strPrefix) != 0)
        {
            ADD_FAILURE() << "no \"Executing: \" row for a script in " << m_temp.Path() << " at row " << nAt;
            return std::string();
        }
        return rows[nAt].strDescription;
    }

    // What the dialog shows equals what it paints afresh: nothing stale is
    // left on the screen.
    void ExpectPaintedAfresh()
    {
        m_pApp->WaitUntilPainted();
        const RECT rc = m_pApp->ClientRectOnScreen();
        std::string strShown = ScreenPixels(rc);
        // The screen takes what was painted a moment later: wait until two
        // looks agree.
        ASSERT_TRUE(WaitUntil([&] {
            const std::string strAgain = ScreenPixels(rc);
            const bool bSame = strAgain == strShown;
            strShown = strAgain;
            return bSame;
        }));
        RedrawWindow(m_pApp->Window(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
        m_pApp->WaitUntilPainted();
        std::string strFresh;
        if (WaitUntil([&] { return (strFresh = ScreenPixels(rc)) == strShown; }, PIXEL_WAIT_LIMIT_MS))
            return;
        const std::string strName = std::string(CELVANE_E2E_OUTPUT_DIR) + "/" + TestName() + "-" +
                                    std::to_string(++m_nPaintChecks);
        SavePixels(strShown, rc, strName + "-shown.png");
        SavePixels(strFresh, rc, strName + "-fresh.png");
        ADD_FAILURE() << "the dialog shows other pixels than it paints afresh: see " << strName << "-*.png";
    }

    static std::string TestName()
    {
        return ::testing::UnitTest::GetInstance()->current_test_info()->name();
    }

    static const DWORD PIXEL_WAIT_LIMIT_MS = 30000;
    int m_nPaintChecks = 0;

    CTempDir m_temp{"e2e"};
    CProductFixture m_products;
    CPrefixHosts m_hosts;
    std::unique_ptr<CCelvane> m_pApp;
};
} // namespace

TEST_F(EndToEndTest, CompleteRun_FieldsAsDetected_TenFilesAndHostsChangedExactly_RowsInOrder)
{
    const Detected detected = DetectIdentity();
    EXPECT_EQ(detected.strShortName, m_pApp->FieldText(IDC_SHORT_NAME));
    EXPECT_EQ(detected.strFullName, m_pApp->FieldText(IDC_FULL_NAME));
    EXPECT_EQ(Dotted(detected.addresses.empty() ? 0 : detected.addresses[0]), Dotted(m_pApp->Address()));
    const std::map<std::string, std::string> expectedFiles = Configured(FIRST);
    const std::set<std::string> hostsFolder = HostsFolder();

    Type(FIRST);
    m_pApp->Configure(CONSOLE_KEY);

    const std::vector<LogRow> rows = m_pApp->LogRows();
    EXPECT_EQ(RunRows(Executing(rows, 0), m_hosts.Path(), DEMO, FIRST), Shown(rows));
    for (const LogRow& row : rows)
        EXPECT_TRUE(IsTimeOfDay(row.strTime)) << row.strTime;
    EXPECT_EQ(expectedFiles, OnDisk());
    ExpectNoStrayFiles(hostsFolder);
    EXPECT_EQ(1u, FileCount(m_temp.Path())) << "the unique name's empty file, and no script";
}

TEST_F(EndToEndTest, SecondRun_OtherValues_RowsAppendedBelow_FilesFollowNewValues)
{
    const std::map<std::string, std::string> expectedFiles = Configured(SECOND);
    Type(FIRST);
    m_pApp->Configure(CONSOLE_KEY);
    const size_t nFirstRun = m_pApp->LogRows().size();

    Type(SECOND);
    m_pApp->Configure(CONSOLE_KEY);

    const std::vector<LogRow> rows = m_pApp->LogRows();
    std::vector<Row> expected = RunRows(Executing(rows, 0), m_hosts.Path(), DEMO, FIRST);
    ASSERT_EQ(expected.size(), nFirstRun);
    Append(expected, RunRows(Executing(rows, nFirstRun), m_hosts.Path(), FIRST, SECOND));
    EXPECT_EQ(expected, Shown(rows));
    EXPECT_NE(rows[0].strDescription, rows[nFirstRun].strDescription) << "each run writes a script of its own";
    EXPECT_EQ(expectedFiles, OnDisk());
}

// Closing the console window is no way to fail the script under Wine: its
// interpreter then ends with exit code 0 (on Windows 0xC000013A). Ending the
// interpreter in the task manager gives exit code 1 on both.
TEST_F(EndToEndTest, ConsoleEndedWithExitCode1_TwoErrorRows_NoFileChanged)
{
    const std::set<std::string> hostsFolder = HostsFolder();
    Type(FIRST);
    m_pApp->Configure(CONSOLE_END);

    const std::vector<LogRow> rows = m_pApp->LogRows();
    const std::vector<Row> expected = {Info(Executing(rows, 0)), Error("There were errors in the script execution"),
                                       Error("Script failed halting configuration")};
    EXPECT_EQ(expected, Shown(rows));
    EXPECT_EQ(Originals(), OnDisk());
    ExpectNoStrayFiles(hostsFolder);
    EXPECT_EQ(1u, FileCount(m_temp.Path())) << "the script is removed when the console has ended";
}

TEST_F(EndToEndTest, ProductFileMissing_CouldntOpenRow_RunGoesOn)
{
    ASSERT_TRUE(DeleteFileA(USER.c_str()));
    std::map<std::string, std::string> expectedFiles = Configured(FIRST);
    expectedFiles.erase(USER);
    Type(FIRST);
    m_pApp->Configure(CONSOLE_KEY);

    const std::vector<LogRow> rows = m_pApp->LogRows();
    std::vector<Row> expected = {Info(Executing(rows, 0)), Info("Script executed successfully")};
    Append(expected, EditRows(DEMO, FIRST, USER));
    Append(expected, HostsRows(m_hosts.Path(), DEMO, FIRST));
    EXPECT_EQ(expected, Shown(rows));
    EXPECT_EQ(expectedFiles, OnDisk());
}

TEST_F(EndToEndTest, HostsReadOnly_Reported_FileUntouched)
{
    // As root, Wine lets a file be opened for writing through its read-only
    // attribute; the write-back's replace still refuses it.
    const std::string strProbe = m_temp / "probe";
    WriteBytes(strProbe, "x");
    ASSERT_TRUE(SetFileAttributesA(strProbe.c_str(), FILE_ATTRIBUTE_READONLY));
    const CFileHandle hProbe(
        CreateFileA(strProbe.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    const bool bWriteOpensReadOnly = hProbe.IsValid();
    SetFileAttributesA(strProbe.c_str(), FILE_ATTRIBUTE_NORMAL);

    ASSERT_TRUE(SetFileAttributesA(m_hosts.Path().c_str(), FILE_ATTRIBUTE_READONLY));
    std::map<std::string, std::string> expectedFiles = Configured(FIRST);
    expectedFiles[m_hosts.Path()] = Original(m_hosts.Path());
    const std::set<std::string> hostsFolder = HostsFolder();
    Type(FIRST);
    m_pApp->Configure(CONSOLE_KEY);

    const std::vector<LogRow> rows = m_pApp->LogRows();
    std::vector<Row> expected = {Info(Executing(rows, 0)), Info("Script executed successfully")};
    Append(expected, EditRows(DEMO, FIRST));
    if (bWriteOpensReadOnly)
    {
        Append(expected, {Info("Processing file: " + m_hosts.Path()), Info("Replaced: " + HostLine(DEMO)),
                          Info("With: " + HostLine(FIRST) + "\r\n"), Error("Couldn't write file: " + m_hosts.Path())});
    }
    else
    {
        expected.push_back(Error("Couldn't open file: " + m_hosts.Path()));
    }
    EXPECT_EQ(expected, Shown(rows));
    EXPECT_EQ(expectedFiles, OnDisk());
    EXPECT_NE(0u, GetFileAttributesA(m_hosts.Path().c_str()) & FILE_ATTRIBUTE_READONLY);
    ExpectNoStrayFiles(hostsFolder);
}

TEST_F(EndToEndTest, AddressButton_ShowsDetectedAddressesInTurn_ReplacingTypedText)
{
    const Detected detected = DetectIdentity();
    const DWORD dwTyped = MAKEIPADDRESS(172, 16, 5, 9);
    m_pApp->SetAddress(dwTyped);

    // Round the list once, and once more to the first: with a single address
    // each press writes that one back.
    const size_t nPresses = detected.addresses.size() + 1;
    for (size_t nPress = 1; nPress <= nPresses; ++nPress)
    {
        SCOPED_TRACE("press " + std::to_string(nPress));
        m_pApp->Click(IDC_NEXT_ADDRESS);
        m_pApp->WaitUntilIdle();
        const DWORD dwExpected =
            detected.addresses.empty() ? dwTyped : detected.addresses[nPress % detected.addresses.size()];
        EXPECT_EQ(Dotted(dwExpected), Dotted(m_pApp->Address()));
    }
}

TEST_F(EndToEndTest, ResizedLargerAndBack_ListFollows_ButtonsAtRightEdge_MinimumHolds)
{
    // A run first, so that the list has more rows than it shows.
    Type(FIRST);
    m_pApp->Configure(CONSOLE_KEY);
    const RECT rcWindow = m_pApp->WindowRect();
    const std::vector<ChildPlace> children = m_pApp->Children();
    const int dx = 150;
    const int dy = 120;
    std::vector<Rect> grown;
    for (const ChildPlace& child : children)
    {
        const int nID = GetDlgCtrlID(child.hWnd);
        if (nID == IDC_LOG_LIST)
            grown.push_back(Grown(child.rc, dx, dy));
        else if (nID == IDC_CONFIGURE || nID == IDCANCEL)
            grown.push_back(Moved(child.rc, dx, 0));
        else if (nID == IDC_FULL_NAME)
            grown.push_back(Grown(child.rc, dx, 0));
        else
            grown.push_back(Of(child.rc));
    }

    m_pApp->DragSizeGrip(dx, dy);
    EXPECT_EQ(Grown(rcWindow, dx, dy), Of(m_pApp->WindowRect()));
    EXPECT_EQ(grown, Rects(m_pApp->Children()));
    ExpectPaintedAfresh();

    m_pApp->DragSizeGrip(-dx, -dy);
    EXPECT_EQ(Of(rcWindow), Of(m_pApp->WindowRect()));
    EXPECT_EQ(Rects(children), Rects(m_pApp->Children()));
    ExpectPaintedAfresh();

    m_pApp->DragSizeGrip(-dx / 2, -dy / 2);
    EXPECT_EQ(Of(rcWindow), Of(m_pApp->WindowRect())) << "smaller than it opened";
    EXPECT_EQ(Rects(children), Rects(m_pApp->Children()));
}

TEST_F(EndToEndTest, Escape_EndsProgramWithExitCode0_NothingLeftRunning)
{
    Type(FIRST);
    m_pApp->Configure(CONSOLE_KEY);
    ASSERT_FALSE(m_pApp->LogRows().empty());
    const HWND hDlg = m_pApp->Window();

    m_pApp->PressKey("Escape");

    DWORD dwExitCode = 1;
    ASSERT_TRUE(m_pApp->WaitForExit(dwExitCode)) << "still running";
    EXPECT_EQ(0u, dwExitCode);
    EXPECT_FALSE(IsWindow(hDlg));
    EXPECT_EQ(std::vector<std::string>(), ProcessesStartedBy(m_pApp->ProcessId()));
}
