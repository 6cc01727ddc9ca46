// The editors through the job's own entry points, on the products' default
// install paths and on the HOSTS path that %SystemRoot% gives.
#include "editors/Editors.h"

#include "EditorTestSupport.h"

#include <gtest/gtest.h>

namespace
{
const std::string KESTRANE = "c:\\kestrane";
const std::string ZENTREL = "c:\\Program Files\\Zentrel";
const std::string K = KESTRANE + "\\fenwold\\manager";
const std::string D = ZENTREL + "\\dravoconsole\\console";

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

class CEnvironmentOverride
{
public:
    CEnvironmentOverride(const char* pszName, const std::string& strValue) : m_strName(pszName)
    {
        char buffer[MAX_PATH] = {};
        m_bHad = GetEnvironmentVariableA(pszName, buffer, MAX_PATH) != 0;
        m_strOld = buffer;
        SetEnvironmentVariableA(pszName, strValue.c_str());
    }
    ~CEnvironmentOverride() { SetEnvironmentVariableA(m_strName.c_str(), m_bHad ? m_strOld.c_str() : nullptr); }
    CEnvironmentOverride(const CEnvironmentOverride&) = delete;
    CEnvironmentOverride& operator=(const CEnvironmentOverride&) = delete;

private:
    std::string m_strName;
    std::string m_strOld;
    bool m_bHad = false;
};

class RealPaths : public testing::Test
{
protected:
    RealPaths()
    {
        m_job.m_strShortName = "beta";
        m_job.m_strFullName = "beta.lan";
        m_job.m_strIPAddress = "10.0.0.9";
    }

    CProductTrees m_trees;
    CLogCapture m_capture;
    CConfigJob m_job;
};

TEST_F(RealPaths, EditFiles_ProductFilesAtDefaultPaths_TenEditsInTableOrder)
{
    const std::string setenv = K + "\\bin\\w32-ix86\\setenv.bat";
    const std::string deploy = K + "\\bin\\w32-ix86\\setDeployEnv.bat";
    const std::string db = K + "\\conf\\qalmdbparms.properties";
    const std::string user = K + "\\conf\\user.properties";
    const std::string orb1 = K + "\\apps\\nemra\\java\\jre\\lib\\orb.properties";
    const std::string xml1 = K + "\\apps\\nemra\\config\\cells\\DefaultNode\\nodes\\DefaultNode\\serverindex.xml";
    const std::string orb2 = D + "\\embeddedNemra\\java\\jre\\lib\\orb.properties";
    const std::string xml2 = D + "\\embeddedNemra\\config\\cells\\DefaultNode\\nodes\\DefaultNode\\serverindex.xml";
    const std::string xml = "<serverEntry hostName=\"old\">\r\n  <endPoint host=\"old\" port=\"9\"/>\r\n</serverEntry>\r\n";
    CProductTrees::Lay(setenv, "@echo off\r\nset QALM_LOCAL_HOSTNAME=old.lan\r\n");
    CProductTrees::Lay(deploy, "set NODE=old\r\n");
    CProductTrees::Lay(db, "kestrane.sanmgmt.jdbc.dbURL=jdbc\\:quarj\\:net\\://old.lan\\:9553/FENWOLD\r\n");
    CProductTrees::Lay(user, "SANDomainID=old.lan\r\n");
    CProductTrees::Lay(orb1, "com.zentrel.CORBA.LocalHost=old\n");
    CProductTrees::Lay(xml1, xml);
    CProductTrees::Lay(orb2, "com.zentrel.CORBA.LocalHost=old\n");
    CProductTrees::Lay(xml2, xml);

    m_job.EditFiles();

    EXPECT_EQ("@echo off\r\nset QALM_LOCAL_HOSTNAME=beta.lan\r\n", ReadBytes(setenv));
    EXPECT_EQ("set NODE=beta\r\n", ReadBytes(deploy));
    EXPECT_EQ("kestrane.sanmgmt.jdbc.dbURL=jdbc\\:quarj\\:net\\://beta.lan\\:9553/FENWOLD\r\n", ReadBytes(db));
    EXPECT_EQ("SANDomainID=beta.lan\r\n", ReadBytes(user));
    EXPECT_EQ("com.zentrel.CORBA.LocalHost=beta\n", ReadBytes(orb1));
    EXPECT_EQ("com.zentrel.CORBA.LocalHost=beta\n", ReadBytes(orb2));
    const std::string newXml =
        "<serverEntry hostName=\"beta\">\r\n  <endPoint host=\"beta\" port=\"9\"/>\r\n</serverEntry>\r\n";
    EXPECT_EQ(newXml, ReadBytes(xml1));
    EXPECT_EQ(newXml, ReadBytes(xml2));

    std::vector<LogLine> expected;
    const auto edit = [&expected](const std::string& path, const std::string& change) {
        expected.push_back(Info("Processing file: " + path));
        expected.push_back(Info(change));
        expected.push_back(Info("Wrote output to file: " + path));
    };
    edit(setenv, "Changed old.lan=>beta.lan");
    edit(deploy, "Changed old=>beta");
    edit(db, "Changed jdbc\\:quarj\\:net\\://old.lan\\:9553/FENWOLD=>jdbc\\:quarj\\:net\\://beta.lan\\:9553/FENWOLD");
    edit(user, "Changed old.lan=>beta.lan");
    edit(orb1, "Changed old=>beta");
    edit(xml1, "Changed \"old\"=>\"beta\"");
    edit(xml1, "Changed \"old\"=>\"beta\"");
    edit(orb2, "Changed old=>beta");
    edit(xml2, "Changed \"old\"=>\"beta\"");
    edit(xml2, "Changed \"old\"=>\"beta\"");
    EXPECT_EQ(expected, m_capture.Drain());
}

TEST_F(RealPaths, EditFiles_NoProductFiles_CouldntOpenForEachEdit)
{
    m_job.EditFiles();
    std::vector<LogLine> expected;
    for (int i = 0; i < m_job.m_plan.GetEditCount(); ++i)
        expected.push_back(Error("Couldn't open file: " + m_job.m_plan.GetEdit(i).m_strFile));
    EXPECT_EQ(expected, m_capture.Drain());
    EXPECT_FALSE(FileExists(KESTRANE));
    EXPECT_FALSE(FileExists(ZENTREL));
}

TEST_F(RealPaths, EditHostsFile_PathFromSystemRoot_HostLineMadeLast)
{
    CTempDir root;
    const CEnvironmentOverride systemRoot("SystemRoot", root.Path());
    const std::string path = root.Path() + "\\system32\\drivers\\etc\\HOSTS";
    MakeDirs(root.Path() + "\\system32\\drivers\\etc");
    WriteBytes(path, "127.0.0.1 localhost\r\n10.0.0.5 alpha alpha.lan\r\n");

    m_job.EditHostsFile();

    const std::string host = "10.0.0.9    beta    beta.lan\r\n";
    EXPECT_EQ("127.0.0.1 localhost\r\n" + host, ReadBytes(path));
    const std::vector<LogLine> expected = {Info("Processing file: " + path), Info("Replaced: 10.0.0.5 alpha alpha.lan"),
                                           Info("With: " + host), Info("Wrote output to file: " + path)};
    EXPECT_EQ(expected, m_capture.Drain());
}

TEST_F(RealPaths, EditHostsFile_FolderMissing_CouldntOpenReported)
{
    CTempDir root;
    const CEnvironmentOverride systemRoot("SystemRoot", root.Path());
    m_job.EditHostsFile();
    const std::string path = root.Path() + "\\system32\\drivers\\etc\\HOSTS";
    EXPECT_EQ(std::vector<LogLine>{Error("Couldn't open file: " + path)}, m_capture.Drain());
    EXPECT_FALSE(FileExists(path));
}
} // namespace
