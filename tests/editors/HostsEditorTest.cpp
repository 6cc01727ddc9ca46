#include "editors/Editors.h"

#include "EditorTestSupport.h"
#include "FailingAllocator.h"

#include <gtest/gtest.h>

namespace
{
const std::string HOST = "10.0.0.9    beta    beta.lan\r\n";

class HostsEditor : public testing::Test
{
protected:
    HostsEditor()
    {
        m_job.m_strShortName = "beta";
        m_job.m_strFullName = "beta.lan";
        m_job.m_strIPAddress = "10.0.0.9";
    }

    CTempDir m_dir;
    CLogCapture m_capture;
    CConfigJob m_job;
    const std::string m_strPath = m_dir / "HOSTS";
};

TEST_F(HostsEditor, LastLineReplaced_ReplacedAndWithLines)
{
    WriteBytes(m_strPath, "127.0.0.1 localhost\r\n10.0.0.5 alpha alpha.lan\r\n");
    EditHostsFileAt(m_job, m_strPath);
    EXPECT_EQ("127.0.0.1 localhost\r\n" + HOST, ReadBytes(m_strPath));
    const std::vector<LogLine> expected = {Info("Processing file: " + m_strPath),
                                           Info("Replaced: 10.0.0.5 alpha alpha.lan"), Info("With: " + HOST),
                                           Info("Wrote output to file: " + m_strPath)};
    EXPECT_EQ(expected, m_capture.Drain());
    EXPECT_EQ(std::vector<std::string>{"HOSTS"}, ListDir(m_dir.Path()));
}

TEST_F(HostsEditor, CommentLast_HostLineInserted)
{
    WriteBytes(m_strPath, "127.0.0.1 localhost\n# end\n");
    EditHostsFileAt(m_job, m_strPath);
    EXPECT_EQ("127.0.0.1 localhost\n# end\n\r\n" + HOST, ReadBytes(m_strPath));
    const std::vector<LogLine> expected = {Info("Processing file: " + m_strPath),
                                           Warning("Last line is a comment, inserting"),
                                           Info("Wrote output to file: " + m_strPath)};
    EXPECT_EQ(expected, m_capture.Drain());
}

TEST_F(HostsEditor, EmptyOrMissingFile_WarnedAndGetsHostLineAlone)
{
    const std::vector<LogLine> expected = {Info("Processing file: " + m_strPath), Warning("The hosts file is empty"),
                                           Info("Replaced: "), Info("With: " + HOST),
                                           Info("Wrote output to file: " + m_strPath)};
    WriteBytes(m_strPath, "");
    EditHostsFileAt(m_job, m_strPath);
    EXPECT_EQ(HOST, ReadBytes(m_strPath));
    EXPECT_EQ(expected, m_capture.Drain());

    ASSERT_TRUE(DeleteFileA(m_strPath.c_str()));
    EditHostsFileAt(m_job, m_strPath);
    EXPECT_EQ(HOST, ReadBytes(m_strPath));
    EXPECT_EQ(expected, m_capture.Drain());
}

TEST_F(HostsEditor, OnlyLineEnds_NoEmptyWarning)
{
    WriteBytes(m_strPath, "\r\n\r\n");
    EditHostsFileAt(m_job, m_strPath);
    EXPECT_EQ(HOST, ReadBytes(m_strPath));
    const std::vector<LogLine> expected = {Info("Processing file: " + m_strPath), Info("Replaced: "),
                                           Info("With: " + HOST), Info("Wrote output to file: " + m_strPath)};
    EXPECT_EQ(expected, m_capture.Drain());
}

TEST_F(HostsEditor, EmptyIdentityValues_EightBlanksLine)
{
    m_job.m_strShortName.clear();
    m_job.m_strFullName.clear();
    m_job.m_strIPAddress.clear();
    WriteBytes(m_strPath, "127.0.0.1 localhost\r\nold\r\n");
    EditHostsFileAt(m_job, m_strPath);
    EXPECT_EQ("127.0.0.1 localhost\r\n        \r\n", ReadBytes(m_strPath));
}

TEST_F(HostsEditor, HeldOpenByAnother_CouldntOpenReportedFileKept)
{
    WriteBytes(m_strPath, "127.0.0.1 localhost\r\n");
    {
        const CFileHandle held = HoldOpen(m_strPath, GENERIC_READ, FILE_SHARE_READ);
        EditHostsFileAt(m_job, m_strPath);
    }
    EXPECT_EQ("127.0.0.1 localhost\r\n", ReadBytes(m_strPath));
    EXPECT_EQ(std::vector<LogLine>{Error("Couldn't open file: " + m_strPath)}, m_capture.Drain());
}

TEST_F(HostsEditor, FileOf2GiB_TooLongFileKept)
{
    CreateSparseFile(m_strPath, 2147483648LL);
    EditHostsFileAt(m_job, m_strPath);
    const std::vector<LogLine> expected = {Info("Processing file: " + m_strPath), Error("File too long to process, ")};
    EXPECT_EQ(expected, m_capture.Drain());
}

TEST_F(HostsEditor, MemoryExhaustedAtLoad_RuleLineFileKept_NextRunSucceeds)
{
    const std::string line = "10.1.2.3    some.host    some.host.lan\r\n";
    std::string original;
    while (original.size() < (1u << 20))
        original += line;
    WriteBytes(m_strPath, original);
    {
        CAllocationFailure failure(original.size());
        EditHostsFileAt(m_job, m_strPath);
        EXPECT_TRUE(AllocationFailureFired());
    }
    EXPECT_EQ(original, ReadBytes(m_strPath));
    const std::vector<LogLine> expected = {Info("Processing file: " + m_strPath),
                                           Error("Not enough memory to process file: Out of memory.")};
    EXPECT_EQ(expected, m_capture.Drain());

    EditHostsFileAt(m_job, m_strPath);
    EXPECT_EQ(original.substr(0, original.size() - line.size()) + HOST, ReadBytes(m_strPath));
}
} // namespace
