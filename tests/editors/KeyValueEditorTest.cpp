#include "editors/Editors.h"

#include "EditorTestSupport.h"
#include "FailingAllocator.h"

#include "framework/CodePage.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace
{
class KeyValueEditor : public testing::Test
{
protected:
    KeyValueEditor()
    {
        m_job.m_strShortName = "beta";
        m_job.m_strFullName = "beta.lan";
        m_job.m_strIPAddress = "10.0.0.9";
    }

    CTempDir m_dir;
    CLogCapture m_capture;
    CConfigJob m_job;
};

TEST_F(KeyValueEditor, PropertyFile_ValueReplacedWithLinesInOrder)
{
    const std::string path = m_dir / "user.properties";
    WriteBytes(path, "a=1\r\nSANDomainID=old.name\r\nb=2\r\n");
    EditKeyValueFile(m_job, CEditEntry(path, "SANDomainID", "@FULL_NAME"));
    EXPECT_EQ("a=1\r\nSANDomainID=beta.lan\r\nb=2\r\n", ReadBytes(path));
    const std::vector<LogLine> expected = {Info("Processing file: " + path), Info("Changed old.name=>beta.lan"),
                                           Info("Wrote output to file: " + path)};
    EXPECT_EQ(expected, m_capture.Drain());
    EXPECT_EQ(std::vector<std::string>{"user.properties"}, ListDir(m_dir.Path()));
}

TEST_F(KeyValueEditor, KeyAbsent_NotFoundLoggedAndTextWrittenBackUnchanged)
{
    const std::string path = m_dir / "setDeployEnv.bat";
    const std::string original = "set node=alpha\r\n";
    WriteBytes(path, original);
    EditKeyValueFile(m_job, CEditEntry(path, "NODE", "@SHORT_NAME"));
    EXPECT_EQ(original, ReadBytes(path));
    const std::vector<LogLine> expected = {Info("Processing file: " + path), Error("Property 'NODE' not found"),
                                           Info("Wrote output to file: " + path)};
    EXPECT_EQ(expected, m_capture.Drain());
}

TEST_F(KeyValueEditor, MissingFile_OnlyCouldntOpen)
{
    const std::string path = m_dir / "orb.properties";
    EditKeyValueFile(m_job, CEditEntry(path, "NODE", "@SHORT_NAME"));
    EXPECT_FALSE(FileExists(path));
    EXPECT_EQ(std::vector<LogLine>{Error("Couldn't open file: " + path)}, m_capture.Drain());
}

TEST_F(KeyValueEditor, XmlRuleChosenByExtensionInAnyCase)
{
    const std::string content = "<e hostName=\"x\" host=\"old\" port=\"9\"/>\r\n";
    const struct
    {
        const char* pszName;
        std::string strExpected;
    } cases[] = {
        {"serverindex.XML", "<e hostName=\"x\" host=\"beta\" port=\"9\"/>\r\n"},
        {"serverindex.xml", "<e hostName=\"x\" host=\"beta\" port=\"9\"/>\r\n"},
        {"serverindex.properties", "<e hostName=\"x\" host=\"beta\"\r\n"},
        {"serverindex.xml.bak", "<e hostName=\"x\" host=\"beta\"\r\n"},
    };
    for (const auto& c : cases)
    {
        const std::string path = m_dir / c.pszName;
        WriteBytes(path, content);
        EditKeyValueFile(m_job, CEditEntry(path, "host", "\"@SHORT_NAME\""));
        EXPECT_EQ(c.strExpected, ReadBytes(path)) << c.pszName;
    }
}

TEST_F(KeyValueEditor, PercentSignsInValues_WrittenAndLoggedVerbatim)
{
    m_job.m_strShortName = "%s%n%d";
    const std::string path = m_dir / "a.bat";
    WriteBytes(path, "set NODE=%x%\n");
    EditKeyValueFile(m_job, CEditEntry(path, "NODE", "@SHORT_NAME"));
    EXPECT_EQ("set NODE=%s%n%d\n", ReadBytes(path));
    const std::vector<LogLine> lines = m_capture.Drain();
    ASSERT_EQ(3u, lines.size());
    EXPECT_EQ(Info("Changed %x%=>%s%n%d"), lines[1]);
}

TEST_F(KeyValueEditor, NulAndHighBytesRoundTrip_KeyBehindNulFound)
{
    const std::string path = m_dir / "bin.properties";
    WriteBytes(path, std::string("\0\xFF\x80\r\nNODE=a\r\n\0", 13));
    EditKeyValueFile(m_job, CEditEntry(path, "NODE", "@SHORT_NAME"));
    EXPECT_EQ(std::string("\0\xFF\x80\r\nNODE=beta\r\n\0", 16), ReadBytes(path));
}

// Large enough that its buffer is the largest request of the edit.
std::string BigProperties(size_t nAtLeast)
{
    return "NODE=old\r\nfiller.key=" + std::string(nAtLeast, 'v') + "\r\n";
}

TEST_F(KeyValueEditor, MemoryExhaustedAtLoad_RuleLineFileKept_NextEditSucceeds)
{
    const std::string path = m_dir / "big.properties";
    const std::string original = BigProperties(1 << 20);
    WriteBytes(path, original);
    {
        CAllocationFailure failure(original.size());
        EditKeyValueFile(m_job, CEditEntry(path, "NODE", "@SHORT_NAME"));
        EXPECT_TRUE(AllocationFailureFired());
    }
    EXPECT_EQ(original, ReadBytes(path));
    const std::vector<LogLine> expected = {Info("Processing file: " + path),
                                           Error("Not enough memory to process file: Out of memory.")};
    EXPECT_EQ(expected, m_capture.Drain());

    // No handle was left behind.
    EditKeyValueFile(m_job, CEditEntry(path, "NODE", "@SHORT_NAME"));
    EXPECT_NE(original, ReadBytes(path));
    EXPECT_EQ(Info("Wrote output to file: " + path), m_capture.Drain().back());
}

TEST_F(KeyValueEditor, MemoryExhaustedWhileEditing_RuleLineFileKept)
{
    const std::string path = m_dir / "big.properties";
    const std::string original = BigProperties(1 << 20);
    WriteBytes(path, original);
    {
        // The first large request is the file's buffer, the second the edited
        // text, which outgrows it: "beta" is longer than "old".
        CAllocationFailure failure(original.size(), 1);
        EditKeyValueFile(m_job, CEditEntry(path, "NODE", "@SHORT_NAME"));
        EXPECT_TRUE(AllocationFailureFired());
    }
    EXPECT_EQ(original, ReadBytes(path));
    // The old value is reported before the text changes under it.
    const std::vector<LogLine> expected = {Info("Processing file: " + path), Info("Changed old=>beta"),
                                           Error("Not enough memory to process file: Out of memory.")};
    EXPECT_EQ(expected, m_capture.Drain());
    EXPECT_EQ(std::vector<std::string>{"big.properties"}, ListDir(m_dir.Path()));
}

TEST_F(KeyValueEditor, MemoryExhaustedForSuccessLine_FailedThenRuleLine)
{
    // A name long enough that the success line is the largest request of the edit.
    const std::string name = std::string(120, 'n') + ".properties";
    const std::string path = m_dir / name;
    WriteBytes(path, "NODE=old\r\n");
    {
        CAllocationFailure failure(std::string("Wrote output to file: ").size() + path.size());
        EditKeyValueFile(m_job, CEditEntry(path, "NODE", "@SHORT_NAME"));
        EXPECT_TRUE(AllocationFailureFired());
    }
    EXPECT_EQ("NODE=beta\r\n", ReadBytes(path));
    const std::vector<LogLine> expected = {Info("Processing file: " + path), Info("Changed old=>beta"),
                                           Error("Failed to output file: " + path),
                                           Error("Not enough memory to process file: Out of memory.")};
    EXPECT_EQ(expected, m_capture.Drain());
}

TEST_F(KeyValueEditor, FileOf2GiB_TooLongAndSkipped)
{
    const std::string path = m_dir / "big.properties";
    CreateSparseFile(path, 2147483648LL);
    EditKeyValueFile(m_job, CEditEntry(path, "NODE", "@SHORT_NAME"));
    const std::vector<LogLine> expected = {Info("Processing file: " + path), Error("File too long to process, ")};
    EXPECT_EQ(expected, m_capture.Drain());
}

TEST_F(KeyValueEditor, FileOf2GiBLessOne_PassesLengthCheck_MemoryRuleApplies)
{
    const std::string path = m_dir / "big.properties";
    CreateSparseFile(path, 2147483647LL);
    {
        CAllocationFailure failure(2147483647u);
        EditKeyValueFile(m_job, CEditEntry(path, "NODE", "@SHORT_NAME"));
        EXPECT_TRUE(AllocationFailureFired());
    }
    const std::vector<LogLine> expected = {Info("Processing file: " + path),
                                           Error("Not enough memory to process file: Out of memory.")};
    EXPECT_EQ(expected, m_capture.Drain());
}

// Runs with code page 932 in the editors_tests_cp932 test.
void RequireDoubleByteCodePage()
{
    if (const char* pszExpected = std::getenv("CELVANE_EXPECT_ACP"))
    {
        ASSERT_EQ(static_cast<UINT>(std::atoi(pszExpected)), GetACP());
    }
    if (!ActiveLeadBytes().IsLead(0x83))
    {
        GTEST_SKIP() << "needs a double-byte code page: the editors_tests_cp932 test runs this";
    }
}

TEST_F(KeyValueEditor, Dbcs_TrailByteEqualToKeysFirstByte_NotTakenForKey)
{
    RequireDoubleByteCodePage();
    if (IsSkipped() || HasFatalFailure())
        return;
    const std::string path = m_dir / "dbcs.properties";
    const std::string original = "\x83NODE=alpha\r\n";
    WriteBytes(path, original);
    EditKeyValueFile(m_job, CEditEntry(path, "NODE", "@SHORT_NAME"));
    EXPECT_EQ(original, ReadBytes(path));
    const std::vector<LogLine> expected = {Info("Processing file: " + path), Error("Property 'NODE' not found"),
                                           Info("Wrote output to file: " + path)};
    EXPECT_EQ(expected, m_capture.Drain());
}

TEST_F(KeyValueEditor, Dbcs_KeyBehindDoubleByteCharacter_Replaced)
{
    RequireDoubleByteCodePage();
    if (IsSkipped() || HasFatalFailure())
        return;
    const std::string path = m_dir / "dbcs.properties";
    WriteBytes(path, "\x83N NODE=alpha\r\n");
    m_job.m_strShortName = "\x95\x5C";
    EditKeyValueFile(m_job, CEditEntry(path, "NODE", "@SHORT_NAME"));
    EXPECT_EQ("\x83N NODE=\x95\x5C\r\n", ReadBytes(path));
}
} // namespace
