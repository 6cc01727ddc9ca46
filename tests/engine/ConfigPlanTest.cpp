#include "engine/ConfigJob.h"
#include "engine/ConfigPlan.h"
#include "engine/PlanLogic.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>

namespace
{
std::string Env(const char* name)
{
    char buffer[1024];
    const DWORD n = GetEnvironmentVariableA(name, buffer, sizeof buffer);
    return std::string(buffer, n);
}

// Sets an environment variable for one test and puts the old value back.
class CEnvOverride
{
public:
    CEnvOverride(const char* name, const char* value) : m_name(name)
    {
        char buffer[1024];
        m_bHad = GetEnvironmentVariableA(name, buffer, sizeof buffer) != 0;
        m_old = buffer;
        SetEnvironmentVariableA(name, value);
    }
    ~CEnvOverride() { SetEnvironmentVariableA(m_name, m_bHad ? m_old.c_str() : nullptr); }

private:
    const char* m_name;
    bool m_bHad = false;
    std::string m_old;
};
} // namespace

TEST(ConfigPlan, EditsAreTheExpandedTableRows)
{
    const char* K = "c:\\kestrane\\fenwold\\manager\\";
    const char* D = "c:\\Program Files\\Zentrel\\dravoconsole\\console\\embeddedNemra\\";
    const std::string q = "\"@SHORT_NAME\"";
    struct Row
    {
        std::string file, key, value;
    } expected[] = {
        {std::string(K) + "bin\\w32-ix86\\setenv.bat", "QALM_LOCAL_HOSTNAME", "@FULL_NAME"},
        {std::string(K) + "bin\\w32-ix86\\setDeployEnv.bat", "NODE", "@SHORT_NAME"},
        {std::string(K) + "conf\\qalmdbparms.properties", "kestrane.sanmgmt.jdbc.dbURL",
         "jdbc\\:quarj\\:net\\://@FULL_NAME\\:9553/FENWOLD"},
        {std::string(K) + "conf\\user.properties", "SANDomainID", "@FULL_NAME"},
        {std::string(K) + "apps\\nemra\\java\\jre\\lib\\orb.properties", "com.zentrel.CORBA.LocalHost", "@SHORT_NAME"},
        {std::string(K) + "apps\\nemra\\config\\cells\\DefaultNode\\nodes\\DefaultNode\\serverindex.xml", "hostName", q},
        {std::string(K) + "apps\\nemra\\config\\cells\\DefaultNode\\nodes\\DefaultNode\\serverindex.xml", "host", q},
        {std::string(D) + "java\\jre\\lib\\orb.properties", "com.zentrel.CORBA.LocalHost", "@SHORT_NAME"},
        {std::string(D) + "config\\cells\\DefaultNode\\nodes\\DefaultNode\\serverindex.xml", "hostName", q},
        {std::string(D) + "config\\cells\\DefaultNode\\nodes\\DefaultNode\\serverindex.xml", "host", q},
    };
    CConfigPlan plan;
    ASSERT_EQ(10, plan.GetEditCount());
    for (int i = 0; i < 10; ++i)
    {
        const CEditEntry e = plan.GetEdit(i);
        EXPECT_EQ(expected[i].file, e.m_strFile) << i;
        EXPECT_EQ(expected[i].key, e.m_strKey) << i;
        EXPECT_EQ(expected[i].value, e.m_strValue) << i;
    }
    for (int i : {10, 11, 1000})
    {
        const CEditEntry e = plan.GetEdit(i);
        EXPECT_EQ("", e.m_strFile + e.m_strKey + e.m_strValue) << i;
    }
}

TEST(ConfigPlan, ScriptAndHostsPath)
{
    CConfigPlan plan;
    EXPECT_EQ("cd c:\\kestrane\\fenwold\\manager\\bin\\w32-ix86\\ \r\n"
              "@ECHO OFF\r\n"
              "ECHO Please reboot the machine once this utility has completed\r\n"
              "cd c:\\kestrane\\fenwold\\manager\\bin\\w32-ix86\\ \r\n"
              "pause \r\n"
              "exit \r\n",
              plan.GetScript());
    const std::string root = Env("SystemRoot");
    ASSERT_FALSE(root.empty());
    EXPECT_EQ(root + "\\system32\\drivers\\etc\\HOSTS", plan.GetHostsPath());
}

TEST(ConfigPlan, ExpandEnvironmentThenPlaceholders)
{
    CConfigPlan plan;
    CEnvOverride v("CELVANE_TEST_VAR", "@KESTRANE_PATH");
    struct Case
    {
        std::string text, expected;
    } cases[] = {
        {"%SystemRoot%\\x", Env("SystemRoot") + "\\x"},
        {"%CELVANE_UNDEFINED_VAR%\\x", "%CELVANE_UNDEFINED_VAR%\\x"},
        // A placeholder that an environment variable brings in is replaced.
        {"%CELVANE_TEST_VAR%", "c:\\kestrane"},
        // Placeholders are case-sensitive.
        {"@kestrane_path\\a", "@kestrane_path\\a"},
        {"@DRAVOCONSOLE_PATH|@KESTRANE_PATH", "c:\\Program Files\\Zentrel\\dravoconsole|c:\\kestrane"},
        {"@FULL_NAME", "@FULL_NAME"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.expected, plan.Expand(c.text)) << c.text;
}

TEST(ConfigPlan, ExpansionBeyondTheBufferFallsBackToTheText)
{
    CConfigPlan plan;
    const std::string longText = "%SystemRoot%" + std::string(300, 'x') + "@KESTRANE_PATH";
    EXPECT_EQ("%SystemRoot%" + std::string(300, 'x') + "c:\\kestrane", plan.Expand(longText));
    // 259 characters plus the terminator still fit.
    const std::string fits(259, 'y');
    EXPECT_EQ(fits, plan.Expand(fits));
}

TEST(IdentitySubstitution, OrderFullShortAddress)
{
    struct Case
    {
        const char* text;
        const char* full;
        const char* shortName;
        const char* ip;
        const char* expected;
    } cases[] = {
        {"jdbc\\:quarj\\:net\\://@FULL_NAME\\:9553/FENWOLD", "db.lan", "db", "1.2.3.4",
         "jdbc\\:quarj\\:net\\://db.lan\\:9553/FENWOLD"},
        {"\"@SHORT_NAME\"", "f", "beta", "", "\"beta\""},
        // A full name that brings in @SHORT_NAME gets the short name there.
        {"@FULL_NAME", "x@SHORT_NAME", "s", "", "xs"},
        // A short name that brings in @FULL_NAME keeps it.
        {"@SHORT_NAME", "f", "y@FULL_NAME", "", "y@FULL_NAME"},
        {"@IP_ADDRESS @SHORT_NAME", "f", "@IP_ADDRESS", "9.9.9.9", "9.9.9.9 9.9.9.9"},
        {"%SystemRoot% @FULL_NAME", "%TEMP%", "", "", "%SystemRoot% %TEMP%"},
        {"@FULL_NAME@SHORT_NAME@IP_ADDRESS", "", "", "", ""},
    };
    CConfigJob job;
    for (const Case& c : cases)
    {
        job.m_strFullName = c.full;
        job.m_strShortName = c.shortName;
        job.m_strIPAddress = c.ip;
        EXPECT_EQ(c.expected, job.SubstituteIdentity(c.text)) << c.text;
    }
}
