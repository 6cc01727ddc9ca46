// "Configure" in the main dialog: whole runs with the real command
// interpreter, answered by the operator helper, on product files at their
// default paths and a HOSTS file under a %SystemRoot% of the test's own.
#include "app/ConfigDlg.h"

#include "app/DialogDriver.h"
#include "engine/ConfigJob.h"
#include "engine/ConfigPlan.h"
#include "engine/RunnerSupport.h"
#include "framework/App.h"
#include "framework/Sockets.h"

#include "TestSupport.h"
#include "resource.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
const char KESTRANE[] = "c:\\kestrane";
const char ZENTREL[] = "c:\\Program Files\\Zentrel";
const std::string HOST_LINE = "10.1.2.3    web%1    web%1.example.com";

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
Row Warning(const std::string& strText)
{
    return {"Warning", 1, strText};
}
Row Error(const std::string& strText)
{
    return {"Error", 2, strText};
}

std::string CellText(HWND hList, int nItem, int nSubItem)
{
    char text[4096] = "";
    LVITEMA item = {};
    item.iSubItem = nSubItem;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    SendMessageA(hList, LVM_GETITEMTEXTA, static_cast<WPARAM>(nItem), reinterpret_cast<LPARAM>(&item));
    return text;
}

// The product trees exist only inside the test.
class CProductTrees
{
public:
    CProductTrees() { Remove(); }
    ~CProductTrees() { Remove(); }
    CProductTrees(const CProductTrees&) = delete;
    CProductTrees& operator=(const CProductTrees&) = delete;

    static void Lay(const std::string& strPath, const std::string& strContent)
    {
        MakeDirs(strPath.substr(0, strPath.rfind('\\')));
        WriteBytes(strPath, strContent);
    }

private:
    static void Remove()
    {
        RemoveTree(KESTRANE);
        RemoveTree(ZENTREL);
    }
};

class ConfigureRunTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        AfxInitCommonControls();
        AfxSocketInit();
        DetachFromConsole();
    }

    ConfigureRunTest()
        : m_systemRoot("SystemRoot", m_root.Path()), m_temp(MakeDir(m_root / "temp")),
          m_strHosts(m_root / "system32\\drivers\\etc\\HOSTS")
    {
    }

    void SetUp() override
    {
        const CConfigPlan plan;
        m_strNodeFile = plan.GetEdit(1).m_strFile;
        m_strUserFile = plan.GetEdit(3).m_strFile;
        CProductTrees::Lay(m_strNodeFile, "@echo off\r\nset NODE=old\r\n");
        CProductTrees::Lay(m_strUserFile, "SANDomainID=old.lan\r\n");
        MakeDirs(m_root / "system32\\drivers\\etc");
        WriteBytes(m_strHosts, "127.0.0.1 localhost\r\n# end\r\n");

        ASSERT_TRUE(m_dlg.Create());
        m_app.m_pMainWnd = &m_dlg;
        SetWindowTextA(Item(IDC_SHORT_NAME), "web%1");
        SetWindowTextA(Item(IDC_FULL_NAME), "web%1.example.com");
        SendMessageA(Item(IDC_IP_ADDRESS), IPM_SETADDRESS, 0, MAKEIPADDRESS(10, 1, 2, 3));
    }

    void TearDown() override
    {
        m_app.m_pMainWnd = nullptr;
        m_dlg.DestroyWindow();
    }

    static std::string MakeDir(const std::string& strDir)
    {
        MakeDirs(strDir);
        return strDir;
    }

    HWND Item(int nID) const { return GetDlgItem(m_dlg.m_hWnd, nID); }

    void PressConfigure()
    {
        SendMessageA(m_dlg.m_hWnd, WM_COMMAND, MAKEWPARAM(IDC_CONFIGURE, BN_CLICKED),
                     reinterpret_cast<LPARAM>(Item(IDC_CONFIGURE)));
    }

    std::vector<Row> Rows() const
    {
        const HWND hList = Item(IDC_LOG_LIST);
        std::vector<Row> rows;
        const int nCount = static_cast<int>(SendMessageA(hList, LVM_GETITEMCOUNT, 0, 0));
        for (int i = 0; i < nCount; ++i)
        {
            LVITEMA item = {};
            item.mask = LVIF_IMAGE;
            item.iItem = i;
            SendMessageA(hList, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
            rows.push_back({CellText(hList, i, 0), item.iImage, CellText(hList, i, 2)});
        }
        return rows;
    }

    // The rows of a run whose script ran as strScript, on the two product
    // files that SetUp lays (holding strOldNode and strOldDomain) and the
    // HOSTS file: the first run finds it ending in a comment, later runs in
    // the host line of the run before.
    std::vector<Row> ExpectedRun(const std::string& strScript, const std::string& strOldNode,
                                 const std::string& strOldDomain, bool bFirst) const
    {
        const CConfigPlan plan;
        std::vector<Row> rows = {Info("Executing: " + strScript), Info("Script executed successfully")};
        for (int i = 0; i < plan.GetEditCount(); ++i)
        {
            const std::string strFile = plan.GetEdit(i).m_strFile;
            if (strFile == m_strNodeFile || strFile == m_strUserFile)
            {
                rows.push_back(Info("Processing file: " + strFile));
                rows.push_back(Info(strFile == m_strNodeFile ? "Changed " + strOldNode + "=>web%1"
                                                             : "Changed " + strOldDomain + "=>web%1.example.com"));
                rows.push_back(Info("Wrote output to file: " + strFile));
            }
            else
            {
                rows.push_back(Error("Couldn't open file: " + strFile));
            }
        }
        rows.push_back(Info("Processing file: " + m_strHosts));
        if (bFirst)
        {
            rows.push_back(Warning("Last line is a comment, inserting"));
        }
        else
        {
            rows.push_back(Info("Replaced: " + HOST_LINE));
            rows.push_back(Info("With: " + HOST_LINE + "\r\n"));
        }
        rows.push_back(Info("Wrote output to file: " + m_strHosts));
        return rows;
    }

    static std::string ScriptOf(const Row& row)
    {
        const std::string strPrefix = "Executing: ";
        if (row.strDescription.compare(0, strPrefix.size(), strPrefix) != 0)
            return std::string();
        return row.strDescription.substr(strPrefix.size());
    }

    CTempDir m_root{"configure"};
    CEnvOverride m_systemRoot;
    CTempOverride m_temp;
    std::string m_strHosts;
    std::string m_strNodeFile;
    std::string m_strUserFile;
    CProductTrees m_trees;
    CWinApp m_app;
    CConfigDlg m_dlg;
};
} // namespace

TEST_F(ConfigureRunTest, RowsOfTheRunAppearOnlyAfterTheHandlerInOrderWithTextsUnchanged)
{
    COperator op;
    PressConfigure();
    EXPECT_EQ(0u, op.Finish());
    EXPECT_EQ(0u, Rows().size()); // the run has ended; its lines wait in the queue

    PumpDialog(m_dlg.m_hWnd);

    const std::vector<Row> rows = Rows();
    ASSERT_FALSE(rows.empty());
    const std::string strScript = ScriptOf(rows[0]);
    EXPECT_EQ(m_root / "temp\\", strScript.substr(0, m_root.Path().size() + 6));
    EXPECT_EQ(ExpectedRun(strScript, "old", "old.lan", true), rows);
    EXPECT_EQ("@echo off\r\nset NODE=web%1\r\n", ReadBytes(m_strNodeFile));
    EXPECT_EQ("127.0.0.1 localhost\r\n# end\r\n\r\n" + HOST_LINE + "\r\n", ReadBytes(m_strHosts));
}

TEST_F(ConfigureRunTest, EnterInAFieldStartsARunAndASecondRunFollowsTheFirst)
{
    for (int nRun = 0; nRun < 2; ++nRun)
    {
        COperator op;
        PostKey(Item(IDC_FULL_NAME), VK_RETURN);
        PumpDialog(m_dlg.m_hWnd);
        EXPECT_EQ(0u, op.Finish()) << nRun;
    }
    const std::vector<Row> rows = Rows();
    const size_t nFirst = ExpectedRun("", "", "", true).size();
    ASSERT_EQ(nFirst + ExpectedRun("", "", "", false).size(), rows.size());
    const std::string strFirst = ScriptOf(rows[0]);
    const std::string strSecond = ScriptOf(rows[nFirst]);
    EXPECT_NE(strFirst, strSecond);
    std::vector<Row> expected = ExpectedRun(strFirst, "old", "old.lan", true);
    const std::vector<Row> second = ExpectedRun(strSecond, "web%1", "web%1.example.com", false);
    expected.insert(expected.end(), second.begin(), second.end());
    EXPECT_EQ(expected, rows);
}

TEST_F(ConfigureRunTest, ScriptThatCannotBeWrittenShowsTheErrorBoxWithItsPathAndTheDialogStaysUsable)
{
    // A first run whose lines are still queued when the second one fails.
    {
        COperator op;
        PressConfigure();
        ASSERT_EQ(0u, op.Finish());
    }
    const size_t nFirst = ExpectedRun("", "", "", true).size();

    const std::string strFull = m_root / "full";
    CTmpfsMount mount(strFull, "size=16k");
    if (!mount.IsMounted())
        GTEST_SKIP() << "mounting a tmpfs needs root";
    mount.Fill();
    size_t nRowsWhileOpen = 0;
    {
        const CTempOverride onFullDisk(strFull);
        // The box's own message loop shows the queued lines while it is open.
        CMessageBoxRecorder boxes([&] {
            PumpDialog(m_dlg.m_hWnd);
            nRowsWhileOpen = Rows().size();
        });
        PressConfigure();

        ASSERT_EQ(1u, boxes.m_calls.size());
        const std::string strText = boxes.m_calls[0].strText;
        const std::string strPrefix = "Disk full while accessing " + strFull + "\\";
        EXPECT_EQ(strPrefix, strText.substr(0, strPrefix.size()));
        EXPECT_EQ(".tmp.bat.", strText.substr(strText.size() - 9));
        EXPECT_EQ(static_cast<UINT>(MB_ICONSTOP), boxes.m_calls[0].nType);
        EXPECT_EQ("app_dialog_tests", boxes.m_calls[0].strCaption);
        EXPECT_EQ(m_dlg.m_hWnd, boxes.m_calls[0].hOwner);
    }
    EXPECT_EQ(nFirst, nRowsWhileOpen);

    COperator op;
    PressConfigure();
    EXPECT_EQ(0u, op.Finish());
    PumpDialog(m_dlg.m_hWnd);
    const std::vector<Row> rows = Rows();
    ASSERT_LT(nFirst, rows.size());
    EXPECT_EQ(ExpectedRun(ScriptOf(rows[nFirst]), "web%1", "web%1.example.com", false),
              std::vector<Row>(rows.begin() + static_cast<std::ptrdiff_t>(nFirst), rows.end()));
}
