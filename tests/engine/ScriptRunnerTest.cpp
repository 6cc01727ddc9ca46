#include "engine/ConfigJob.h"
#include "engine/RunnerSupport.h"
#include "framework/FileException.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

namespace
{
const char EXPECTED_SCRIPT[] = "cd c:\\kestrane\\fenwold\\manager\\bin\\w32-ix86\\ \r\n"
                               "@ECHO OFF\r\n"
                               "ECHO Please reboot the machine once this utility has completed\r\n"
                               "cd c:\\kestrane\\fenwold\\manager\\bin\\w32-ix86\\ \r\n"
                               "pause \r\n"
                               "exit \r\n";

// A temporary directory of its own, with blanks in its path, in force for
// the scope.
class CScriptTemp
{
public:
    CScriptTemp() : m_strDir(MakeDir(m_root / "temp with blanks")), m_override(m_strDir) {}

    const std::string& Dir() const { return m_strDir; }
    std::string operator/(const std::string& strName) const { return m_strDir + "\\" + strName; }

private:
    static std::string MakeDir(const std::string& strDir)
    {
        MakeDirs(strDir);
        return strDir;
    }

    CTempDir m_root{"runner"};
    std::string m_strDir;
    CTempOverride m_override;
};

// The one file a run leaves behind: the empty file of the unique name, whose
// path is the script's path without ".bat".
void ExpectOnlyEmptyNameFileLeft(const CScriptTemp& temp, const std::string& strScriptPath)
{
    const std::vector<std::string> files = ListFiles(temp.Dir());
    ASSERT_EQ(1u, files.size());
    EXPECT_EQ(temp / files[0] + ".bat", strScriptPath);
    EXPECT_EQ("", ReadBytes(temp / files[0]));
}

std::string ExecutingPath(const std::vector<LogLine>& lines)
{
    const std::string strPrefix = "Executing: ";
    if (lines.empty() || lines[0].nSeverity != LOG_INFORMATION || lines[0].strText.compare(0, strPrefix.size(), strPrefix) != 0)
        return std::string();
    return lines[0].strText.substr(strPrefix.size());
}

class RunScriptTest : public ::testing::Test
{
protected:
    void SetUp() override { DetachFromConsole(); }

    CLogCapture m_log;
    CConfigJob m_job;
};
} // namespace

TEST_F(RunScriptTest, RealInterpreter_KeyPressed_SucceedsAndLogsLongScriptPath)
{
    CScriptTemp temp;
    char szShort[MAX_PATH] = {};
    ASSERT_NE(0u, GetShortPathNameA(temp.Dir().c_str(), szShort, MAX_PATH));
    ASSERT_NE(temp.Dir(), szShort); // the short form differs, so the check below means something
    CTempOverride shortTemp(szShort);

    COperator op;
    EXPECT_TRUE(m_job.RunScript());
    EXPECT_EQ(0u, op.Finish());

    const std::vector<LogLine> lines = m_log.Drain();
    const std::string strScriptPath = ExecutingPath(lines);
    ASSERT_EQ(temp.Dir() + "\\", strScriptPath.substr(0, temp.Dir().size() + 1));
    const std::vector<LogLine> expected = {
        {LOG_INFORMATION, "Executing: " + strScriptPath},
        {LOG_INFORMATION, "Script executed successfully"},
    };
    EXPECT_EQ(expected, lines);
    ExpectOnlyEmptyNameFileLeft(temp, strScriptPath);
}

TEST_F(RunScriptTest, StandinExitCode_DecidesResultAndLine_ScriptWrittenAndDeleted)
{
    const struct
    {
        DWORD dwExitCode;
        BOOL bResult;
        LogLine last;
    } cases[] = {
        {0, TRUE, {LOG_INFORMATION, "Script executed successfully"}},
        {1, FALSE, {LOG_ERROR, "There were errors in the script execution"}},
        {3, FALSE, {LOG_ERROR, "There were errors in the script execution"}},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.dwExitCode);
        CScriptTemp temp;
        CConfigJob job;
        CStandin standin(job, c.dwExitCode);

        EXPECT_EQ(c.bResult, job.RunScript());

        const std::vector<LogLine> lines = m_log.Drain();
        const std::string strScriptPath = ExecutingPath(lines);
        const std::vector<LogLine> expected = {{LOG_INFORMATION, "Executing: " + strScriptPath}, c.last};
        EXPECT_EQ(expected, lines);
        ASSERT_TRUE(standin.Ran());
        EXPECT_EQ("cmd.exe /K \"" + strScriptPath + "\"", standin.CommandLine());
        EXPECT_EQ(EXPECTED_SCRIPT, standin.Script());
        ExpectOnlyEmptyNameFileLeft(temp, strScriptPath);
    }
}

TEST_F(RunScriptTest, InterpreterCannotBeStarted_FalseWithoutLine_ScriptDeleted)
{
    CScriptTemp temp;
    m_job.m_testInterpreter.strPath = temp / "no such interpreter.exe";

    EXPECT_FALSE(m_job.RunScript());

    const std::vector<LogLine> lines = m_log.Drain();
    const std::string strScriptPath = ExecutingPath(lines);
    const std::vector<LogLine> expected = {{LOG_INFORMATION, "Executing: " + strScriptPath}};
    EXPECT_EQ(expected, lines);
    ExpectOnlyEmptyNameFileLeft(temp, strScriptPath);
}

TEST_F(RunScriptTest, ExitCodeCannotBeRead_FalseWithoutLine_ScriptDeleted)
{
    CScriptTemp temp;
    CStandin standin(m_job, 0);
    m_job.m_testInterpreter.bWaitRightOnly = true;

    EXPECT_FALSE(m_job.RunScript());

    const std::vector<LogLine> lines = m_log.Drain();
    const std::string strScriptPath = ExecutingPath(lines);
    const std::vector<LogLine> expected = {{LOG_INFORMATION, "Executing: " + strScriptPath}};
    EXPECT_EQ(expected, lines);
    EXPECT_TRUE(standin.Ran()); // the interpreter ran and ended with 0
    ExpectOnlyEmptyNameFileLeft(temp, strScriptPath);
}

TEST_F(RunScriptTest, ScriptFileCannotBeCreated_LogsPathAndFalse_NothingStarted)
{
    CTempDir root("mnt");
    const std::string strDir = root / "tmp";
    // Room for the unique name's empty file and for no further entry.
    CTmpfsMount mount(strDir, "size=64k,nr_inodes=2");
    if (!mount.IsMounted())
        GTEST_SKIP() << "mounting a tmpfs needs root";
    CStandin standin(m_job, 0); // its record folder before the temporary directory moves
    CTempOverride inMount(strDir);

    EXPECT_FALSE(m_job.RunScript());

    const std::vector<std::string> files = ListFiles(strDir);
    ASSERT_EQ(1u, files.size());
    const std::vector<LogLine> expected = {
        {LOG_ERROR, "Couldn't open script file:" + strDir + "\\" + files[0] + ".bat"}};
    EXPECT_EQ(expected, m_log.Drain());
    EXPECT_FALSE(standin.Ran());
}

TEST_F(RunScriptTest, UnusableTemporaryDirectory_LogsAndFalse_NothingCreatedInCurrentDirectory)
{
    CScriptTemp temp;
    const std::string strMissing = temp / "missing";
    const struct
    {
        std::string strTemp;
        std::string strLogged;
    } cases[] = {
        {strMissing, strMissing + "\\.bat"},
        {"C:\\" + std::string(300, 'a'), ".bat"}, // longer than the directory buffer
    };
    CTempDir current("cwd");
    CCurrentDirectory inCurrent(current.Path());
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.strTemp);
        CConfigJob job;
        CStandin standin(job, 0);
        CTempOverride unusable(c.strTemp);

        EXPECT_FALSE(job.RunScript());

        const std::vector<LogLine> expected = {{LOG_ERROR, "Couldn't open script file:" + c.strLogged}};
        EXPECT_EQ(expected, m_log.Drain());
        EXPECT_FALSE(standin.Ran());
        EXPECT_TRUE(ListFiles(current.Path()).empty());
    }
}

TEST_F(RunScriptTest, DiskFullWhileWritingScript_DiskFullErrorLeaves_NothingStarted)
{
    CTempDir root("mnt");
    const std::string strDir = root / "tmp";
    CTmpfsMount mount(strDir, "size=16k");
    if (!mount.IsMounted())
        GTEST_SKIP() << "mounting a tmpfs needs root";
    mount.Fill();
    CStandin standin(m_job, 0); // its record folder before the temporary directory moves
    CTempOverride inMount(strDir);

    try
    {
        m_job.RunScript();
        ADD_FAILURE() << "no error";
    }
    catch (const CFileException& e)
    {
        EXPECT_EQ(CFileException::diskFull, e.m_cause);
        EXPECT_EQ("Disk full while accessing " + e.m_strFileName + ".", e.GetErrorMessage());
        const std::vector<std::string> files = ListFiles(strDir);
        ASSERT_EQ(3u, files.size()); // the unique name, its script, the filler
        EXPECT_EQ(strDir + "\\" + files[0] + ".bat", e.m_strFileName);
        EXPECT_EQ(files[0] + ".bat", files[1]);
    }
    EXPECT_TRUE(m_log.Drain().empty());
    EXPECT_FALSE(standin.Ran());
}

TEST_F(RunScriptTest, CmdExeInCurrentDirectory_SystemInterpreterRunsInstead)
{
    CScriptTemp temp;
    CTempDir current("cwd");
    ASSERT_TRUE(CopyFileA(HelperPath("celvane_standin.exe").c_str(), (current / "cmd.exe").c_str(), FALSE));
    CCurrentDirectory inCurrent(current.Path());
    // Records and fails, should it be started.
    CTempDir record("record");
    CEnvOverride recordEnv("CELVANE_STANDIN_RECORD", record.Path());
    CEnvOverride exitEnv("CELVANE_STANDIN_EXIT", "7");

    COperator op;
    EXPECT_TRUE(m_job.RunScript());
    EXPECT_EQ(0u, op.Finish());

    EXPECT_TRUE(ListFiles(record.Path()).empty());
    const std::vector<LogLine> lines = m_log.Drain();
    ASSERT_EQ(2u, lines.size());
    EXPECT_EQ((LogLine{LOG_INFORMATION, "Script executed successfully"}), lines[1]);
}
