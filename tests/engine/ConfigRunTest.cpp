// Whole configuration runs on the demo installation at the products' real
// default paths, with the HOSTS file under a test %SystemRoot%.
#include "engine/ConfigJob.h"
#include "engine/RunnerSupport.h"
#include "framework/FileException.h"

#include "ProductFixture.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <map>

namespace
{
const char NEW_SHORT[] = "trevolt7";
const char NEW_FULL[] = "trevolt7.lab.example";
const char NEW_IP[] = "192.168.77.7";

const std::string K = "c:\\kestrane\\fenwold\\manager";
const std::string D = "c:\\Program Files\\Zentrel\\dravoconsole\\console";
const std::string SETENV = K + "\\bin\\w32-ix86\\setenv.bat";
const std::string DEPLOY = K + "\\bin\\w32-ix86\\setDeployEnv.bat";
const std::string CONF = K + "\\conf";
const std::string DBPARMS = CONF + "\\qalmdbparms.properties";
const std::string USER = CONF + "\\user.properties";
const std::string ORB_K = K + "\\apps\\nemra\\java\\jre\\lib\\orb.properties";
const std::string INDEX_K = K + "\\apps\\nemra\\config\\cells\\DefaultNode\\nodes\\DefaultNode\\serverindex.xml";
const std::string ORB_D = D + "\\embeddedNemra\\java\\jre\\lib\\orb.properties";
const std::string INDEX_D = D + "\\embeddedNemra\\config\\cells\\DefaultNode\\nodes\\DefaultNode\\serverindex.xml";

LogLine Info(const std::string& strText)
{
    return {LOG_INFORMATION, strText};
}
LogLine Error(const std::string& strText)
{
    return {LOG_ERROR, strText};
}

std::string ReplaceAll(std::string strText, const std::string& strFrom, const std::string& strTo)
{
    for (size_t at = strText.find(strFrom); at != std::string::npos; at = strText.find(strFrom, at + strTo.size()))
        strText.replace(at, strFrom.size(), strTo);
    return strText;
}

// Lines of one key/value edit that changes each old value to the new one.
std::vector<LogLine> EditLines(const std::string& strPath, const std::string& strOld, const std::string& strNew,
                               int nOccurrences = 1)
{
    std::vector<LogLine> lines = {Info("Processing file: " + strPath)};
    for (int i = 0; i < nOccurrences; ++i)
        lines.push_back(Info("Changed " + strOld + "=>" + strNew));
    lines.push_back(Info("Wrote output to file: " + strPath));
    return lines;
}

void Append(std::vector<LogLine>& lines, const std::vector<LogLine>& more)
{
    lines.insert(lines.end(), more.begin(), more.end());
}

// The ten edits of the demo installation from its own identity to the new one.
std::vector<LogLine> TenEditLines()
{
    const std::string strOldUrl = "jdbc\\:quarj\\:net\\://kesthost.corp.example\\:9553/FENWOLD";
    const std::string strNewUrl = "jdbc\\:quarj\\:net\\://" + std::string(NEW_FULL) + "\\:9553/FENWOLD";
    const std::string strOldQ = "\"kesthost\"";
    const std::string strNewQ = "\"" + std::string(NEW_SHORT) + "\"";
    std::vector<LogLine> lines;
    Append(lines, EditLines(SETENV, FIXTURE_FULL_NAME, NEW_FULL));
    Append(lines, EditLines(DEPLOY, FIXTURE_SHORT_NAME, NEW_SHORT));
    Append(lines, EditLines(DBPARMS, strOldUrl, strNewUrl));
    Append(lines, EditLines(USER, FIXTURE_FULL_NAME, NEW_FULL));
    Append(lines, EditLines(ORB_K, FIXTURE_SHORT_NAME, NEW_SHORT));
    Append(lines, EditLines(INDEX_K, strOldQ, strNewQ));
    Append(lines, EditLines(INDEX_K, strOldQ, strNewQ, 2));
    Append(lines, EditLines(ORB_D, FIXTURE_SHORT_NAME, NEW_SHORT));
    Append(lines, EditLines(INDEX_D, strOldQ, strNewQ));
    Append(lines, EditLines(INDEX_D, strOldQ, strNewQ, 2));
    return lines;
}

std::string OldHostLine()
{
    return std::string(FIXTURE_IP_ADDRESS) + "    " + FIXTURE_SHORT_NAME + "    " + FIXTURE_FULL_NAME;
}

std::string NewHostLine()
{
    return std::string(NEW_IP) + "    " + NEW_SHORT + "    " + NEW_FULL + "\r\n";
}

// What the demo installation holds once configured for the new identity:
// every occurrence of the old names stands in an edited value, and the HOSTS
// file's last line is the host's own.
std::map<std::string, std::string> ConfiguredFiles(const CProductFixture& products)
{
    std::map<std::string, std::string> files = products.Snapshot();
    for (auto& file : files)
    {
        if (file.first == products.HostsPath())
            file.second = ReplaceAll(file.second, OldHostLine() + "\r\n", NewHostLine());
        else
            file.second = ReplaceAll(ReplaceAll(file.second, FIXTURE_FULL_NAME, NEW_FULL), FIXTURE_SHORT_NAME, NEW_SHORT);
    }
    return files;
}

std::string ExecutingPath(const std::vector<LogLine>& lines)
{
    const std::string strPrefix = "Executing: ";
    if (lines.empty() || lines[0].strText.compare(0, strPrefix.size(), strPrefix) != 0)
        return std::string();
    return lines[0].strText.substr(strPrefix.size());
}

class ConfigRunTest : public ::testing::Test
{
protected:
    void SetUp() override { DetachFromConsole(); }

    CTempDir m_temp{"run"};
    CTempOverride m_tempOverride{m_temp.Path()};
    CProductFixture m_products;
    CLogCapture m_log;
};
} // namespace

TEST_F(ConfigRunTest, GoodRun_ScriptThenTenEditsThenHosts_InThatOrder)
{
    const std::map<std::string, std::string> expectedFiles = ConfiguredFiles(m_products);
    CConfigJob job;

    COperator op;
    job.Run(NEW_SHORT, NEW_FULL, NEW_IP);
    EXPECT_EQ(0u, op.Finish());

    const std::vector<LogLine> lines = m_log.Drain();
    const std::string strScriptPath = ExecutingPath(lines);
    ASSERT_EQ(m_temp.Path() + "\\", strScriptPath.substr(0, m_temp.Path().size() + 1));
    std::vector<LogLine> expected = {Info("Executing: " + strScriptPath), Info("Script executed successfully")};
    Append(expected, TenEditLines());
    Append(expected, {Info("Processing file: " + m_products.HostsPath()), Info("Replaced: " + OldHostLine()),
                      Info("With: " + NewHostLine()), Info("Wrote output to file: " + m_products.HostsPath())});
    EXPECT_EQ(expected, lines);
    EXPECT_EQ(expectedFiles, m_products.Snapshot());
    EXPECT_EQ(1u, ListFiles(m_temp.Path()).size()); // the unique name's empty file, no script
}

TEST_F(ConfigRunTest, ScriptFails_HaltsWithLine_EveryFileUnchanged)
{
    enum STANDIN
    {
        EXIT_1,
        EXIT_3,
        NOT_STARTED,
        EXIT_CODE_UNREADABLE,
    };
    const struct
    {
        STANDIN standin;
        std::vector<LogLine> runnerLines; // behind "Executing: "
    } cases[] = {
        {EXIT_1, {Error("There were errors in the script execution")}},
        {EXIT_3, {Error("There were errors in the script execution")}},
        {NOT_STARTED, {}},
        {EXIT_CODE_UNREADABLE, {}},
    };
    const std::map<std::string, std::string> originals = m_products.Snapshot();
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.standin);
        CConfigJob job;
        CStandin standin(job, c.standin == EXIT_3 ? 3 : c.standin == EXIT_1 ? 1 : 0);
        if (c.standin == NOT_STARTED)
            job.m_testInterpreter.strPath = m_temp / "no such interpreter.exe";
        job.m_testInterpreter.bWaitRightOnly = c.standin == EXIT_CODE_UNREADABLE;

        job.Run(NEW_SHORT, NEW_FULL, NEW_IP);

        const std::vector<LogLine> lines = m_log.Drain();
        std::vector<LogLine> expected = {Info("Executing: " + ExecutingPath(lines))};
        Append(expected, c.runnerLines);
        expected.push_back(Error("Script failed halting configuration"));
        EXPECT_EQ(expected, lines);
        EXPECT_EQ(originals, m_products.Snapshot());
    }
}

TEST_F(ConfigRunTest, ScriptFileCannotBeCreated_HaltsWithBothLines_EveryFileUnchanged)
{
    const std::map<std::string, std::string> originals = m_products.Snapshot();
    const std::string strDir = m_temp / "tmp";
    CTmpfsMount mount(strDir, "size=64k,nr_inodes=2"); // the unique name's file, nothing more
    if (!mount.IsMounted())
        GTEST_SKIP() << "mounting a tmpfs needs root";
    CConfigJob job;
    CStandin standin(job, 0);
    CTempOverride inMount(strDir);

    job.Run(NEW_SHORT, NEW_FULL, NEW_IP);

    const std::vector<std::string> files = ListFiles(strDir);
    ASSERT_EQ(1u, files.size());
    const std::vector<LogLine> expected = {Error("Couldn't open script file:" + strDir + "\\" + files[0] + ".bat"),
                                           Error("Script failed halting configuration")};
    EXPECT_EQ(expected, m_log.Drain());
    EXPECT_FALSE(standin.Ran());
    EXPECT_EQ(originals, m_products.Snapshot());
}

TEST_F(ConfigRunTest, WriteFailsInTheMiddle_RunEndsThere_ErrorReachesCaller)
{
    const std::map<std::string, std::string> originals = m_products.Snapshot();
    const std::map<std::string, std::string> configured = ConfiguredFiles(m_products);
    // The conf folder of the first product on a full disk: the third edit
    // cannot be written.
    CTmpfsMount mount(CONF, "size=16k");
    if (!mount.IsMounted())
        GTEST_SKIP() << "mounting a tmpfs needs root";
    WriteBytes(DBPARMS, m_products.Original(DBPARMS));
    WriteBytes(USER, m_products.Original(USER));
    mount.Fill();
    CConfigJob job;
    CStandin standin(job, 0);

    try
    {
        job.Run(NEW_SHORT, NEW_FULL, NEW_IP);
        ADD_FAILURE() << "no error";
    }
    catch (const CFileException& e)
    {
        EXPECT_EQ(CFileException::diskFull, e.m_cause);
        EXPECT_EQ(DBPARMS, e.m_strFileName);
    }

    const std::vector<LogLine> lines = m_log.Drain();
    std::vector<LogLine> expected = {Info("Executing: " + ExecutingPath(lines)), Info("Script executed successfully")};
    const std::vector<LogLine> edits = TenEditLines();
    Append(expected, {edits.begin(), edits.begin() + 8}); // the first two edits, "Processing" and "Changed" of the third
    expected.push_back(Error("Failed to output file: " + DBPARMS));
    EXPECT_EQ(expected, lines);

    std::map<std::string, std::string> expectedFiles = originals;
    expectedFiles[SETENV] = configured.at(SETENV);
    expectedFiles[DEPLOY] = configured.at(DEPLOY);
    EXPECT_EQ(expectedFiles, m_products.Snapshot());
}

TEST_F(ConfigRunTest, TwoRunsInARow_EachWithItsOwnScriptFile)
{
    std::vector<std::string> scriptPaths;
    for (int nRun = 0; nRun < 2; ++nRun)
    {
        SCOPED_TRACE(nRun);
        CConfigJob job;
        CStandin standin(job, 0);
        job.Run(NEW_SHORT, NEW_FULL, NEW_IP);

        const std::vector<LogLine> lines = m_log.Drain();
        const std::string strScriptPath = ExecutingPath(lines);
        EXPECT_EQ("cmd.exe /K \"" + strScriptPath + "\"", standin.CommandLine());
        ASSERT_LT(1u, lines.size());
        EXPECT_EQ(Info("Script executed successfully"), lines[1]);
        EXPECT_EQ(Info("Wrote output to file: " + m_products.HostsPath()), lines.back());
        scriptPaths.push_back(strScriptPath);
    }
    EXPECT_NE(scriptPaths[0], scriptPaths[1]);
    const std::vector<std::string> files = ListFiles(m_temp.Path());
    ASSERT_EQ(2u, files.size()); // the two unique names' empty files, no script
    for (const std::string& strScriptPath : scriptPaths)
        EXPECT_FALSE(FileExists(strScriptPath));
}

TEST_F(ConfigRunTest, MissingValues_TakenAsEmptyText)
{
    CConfigJob job;
    CStandin standin(job, 1);
    job.m_strShortName = "before";

    job.Run(nullptr, nullptr, nullptr);

    EXPECT_EQ("", job.m_strShortName);
    EXPECT_EQ("", job.m_strFullName);
    EXPECT_EQ("", job.m_strIPAddress);
    const std::vector<LogLine> lines = m_log.Drain();
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(Error("Script failed halting configuration"), lines.back());
}
