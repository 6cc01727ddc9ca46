#include "editors/Editors.h"

#include "EditorTestSupport.h"
#include "FailingAllocator.h"

#include "framework/File.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace
{
const long long TWO_GIB = 2147483648LL;

TEST(TextFile, OpenModes_MapToCreateFileArguments)
{
    const CFile::CreateArgs shared = CFile::MapOpenFlags(LoadOpenFlags(LOAD_READ_SHARED));
    EXPECT_EQ(static_cast<DWORD>(GENERIC_READ), shared.dwAccess);
    EXPECT_EQ(static_cast<DWORD>(FILE_SHARE_READ), shared.dwShare);
    EXPECT_EQ(static_cast<DWORD>(OPEN_EXISTING), shared.dwDisposition);

    const CFile::CreateArgs exclusive = CFile::MapOpenFlags(LoadOpenFlags(LOAD_READ_WRITE_EXCLUSIVE));
    EXPECT_EQ(static_cast<DWORD>(GENERIC_READ | GENERIC_WRITE), exclusive.dwAccess);
    EXPECT_EQ(0u, exclusive.dwShare);
    EXPECT_EQ(static_cast<DWORD>(OPEN_ALWAYS), exclusive.dwDisposition);

    const CFile::CreateArgs writeBack = CFile::MapOpenFlags(WRITE_BACK_OPEN_FLAGS);
    EXPECT_EQ(static_cast<DWORD>(GENERIC_WRITE), writeBack.dwAccess);
    EXPECT_EQ(0u, writeBack.dwShare);
    EXPECT_EQ(static_cast<DWORD>(CREATE_ALWAYS), writeBack.dwDisposition);
}

TEST(TextFile, LoadAndWriteBack_RoundTripNulAndHighBytes)
{
    CTempDir dir;
    const std::string path = dir / "a.txt";
    const std::string bytes("a\0b\r\nc\n\x80\xFF\xE9\0", 12);
    WriteBytes(path, bytes);
    CLogCapture capture;
    CConfigJob job;

    std::string text = "keep";
    ASSERT_EQ(LOAD_OK, job.LoadTextFile(path, LOAD_READ_SHARED, text));
    EXPECT_EQ(bytes, text);
    EXPECT_TRUE(job.WriteTextFile(text, path));

    EXPECT_EQ(bytes, ReadBytes(path));
    EXPECT_EQ(std::vector<std::string>{"a.txt"}, ListDir(dir.Path()));
    const std::vector<LogLine> expected = {Info("Processing file: " + path), Info("Wrote output to file: " + path)};
    EXPECT_EQ(expected, capture.Drain());
}

TEST(TextFile, WriteBack_ShorterText_ReplacesWholeContent)
{
    CTempDir dir;
    const std::string path = dir / "a.txt";
    WriteBytes(path, "a rather long original content\r\n");
    CLogCapture capture;
    CConfigJob job;
    EXPECT_TRUE(job.WriteTextFile("x\n", path));
    EXPECT_EQ("x\n", ReadBytes(path));
    EXPECT_EQ(std::vector<std::string>{"a.txt"}, ListDir(dir.Path()));
}

TEST(TextFile, EmptyFile_LoadsEmpty_WritesBackEmpty)
{
    CTempDir dir;
    const std::string path = dir / "empty.txt";
    WriteBytes(path, "");
    CLogCapture capture;
    CConfigJob job;
    std::string text = "keep";
    ASSERT_EQ(LOAD_OK, job.LoadTextFile(path, LOAD_READ_SHARED, text));
    EXPECT_EQ("", text);
    EXPECT_TRUE(job.WriteTextFile(text, path));
    EXPECT_TRUE(FileExists(path));
    EXPECT_EQ("", ReadBytes(path));
    const std::vector<LogLine> expected = {Info("Processing file: " + path), Info("Wrote output to file: " + path)};
    EXPECT_EQ(expected, capture.Drain());
}

TEST(TextFile, MissingFile_SharedCannotOpen_ExclusiveCreatesIt)
{
    CTempDir dir;
    const std::string path = dir / "missing.txt";
    CLogCapture capture;
    CConfigJob job;
    std::string text = "keep";

    EXPECT_EQ(LOAD_CANNOT_OPEN, job.LoadTextFile(path, LOAD_READ_SHARED, text));
    EXPECT_EQ("keep", text);
    EXPECT_FALSE(FileExists(path));
    EXPECT_TRUE(capture.Drain().empty());

    EXPECT_EQ(LOAD_OK, job.LoadTextFile(path, LOAD_READ_WRITE_EXCLUSIVE, text));
    EXPECT_EQ("", text);
    EXPECT_TRUE(FileExists(path));
    EXPECT_EQ(std::vector<LogLine>{Info("Processing file: " + path)}, capture.Drain());
}

struct HeldOpenCase
{
    DWORD dwAccess;
    DWORD dwShare;
    LOAD_MODE mode;
    LOAD_RESULT expected;
};

TEST(TextFile, FileHeldOpenByAnother_LoadFollowsTheShareModes)
{
    const HeldOpenCase cases[] = {
        {GENERIC_READ, FILE_SHARE_READ, LOAD_READ_SHARED, LOAD_OK},
        {GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, LOAD_READ_WRITE_EXCLUSIVE, LOAD_CANNOT_OPEN},
        {GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, LOAD_READ_SHARED, LOAD_CANNOT_OPEN},
        {GENERIC_READ, 0, LOAD_READ_SHARED, LOAD_CANNOT_OPEN},
        {GENERIC_READ, FILE_SHARE_WRITE, LOAD_READ_SHARED, LOAD_CANNOT_OPEN},
    };
    CTempDir dir;
    const std::string path = dir / "held.txt";
    WriteBytes(path, "NODE=a\r\n");
    CLogCapture capture;
    CConfigJob job;
    for (const HeldOpenCase& c : cases)
    {
        const CFileHandle held = HoldOpen(path, c.dwAccess, c.dwShare);
        std::string text;
        EXPECT_EQ(c.expected, job.LoadTextFile(path, c.mode, text))
            << "access " << c.dwAccess << " share " << c.dwShare << " mode " << c.mode;
    }
    EXPECT_EQ("NODE=a\r\n", ReadBytes(path));
}

TEST(TextFile, FileOf2GiB_TooLong_FileClosedAndUntouched)
{
    CTempDir dir;
    const std::string path = dir / "big.txt";
    CreateSparseFile(path, TWO_GIB);
    CLogCapture capture;
    CConfigJob job;
    std::string text = "keep";

    EXPECT_EQ(LOAD_TOO_LONG, job.LoadTextFile(path, LOAD_READ_SHARED, text));
    EXPECT_EQ("keep", text);
    const std::vector<LogLine> expected = {Info("Processing file: " + path), Error("File too long to process, ")};
    EXPECT_EQ(expected, capture.Drain());

    // Nothing holds the file any more.
    EXPECT_TRUE(HoldOpen(path, GENERIC_READ | GENERIC_WRITE, 0).IsValid());
    WIN32_FILE_ATTRIBUTE_DATA data = {};
    ASSERT_TRUE(GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data));
    EXPECT_EQ(static_cast<DWORD>(TWO_GIB >> 32), data.nFileSizeHigh);
    EXPECT_EQ(static_cast<DWORD>(TWO_GIB & 0xFFFFFFFF), data.nFileSizeLow);
}

TEST(TextFile, FileOf2GiBLessOne_PassesLengthCheck_AndRequestsItsBuffer)
{
    CTempDir dir;
    const std::string path = dir / "big.txt";
    CreateSparseFile(path, TWO_GIB - 1);
    CLogCapture capture;
    CConfigJob job;
    std::string text = "keep";
    {
        // The buffer request itself is the proof; 2 GB are not really needed.
        CAllocationFailure failure(static_cast<size_t>(TWO_GIB - 1));
        EXPECT_THROW(job.LoadTextFile(path, LOAD_READ_SHARED, text), CFileMemoryException);
        EXPECT_TRUE(AllocationFailureFired());
    }
    EXPECT_EQ("keep", text);
    EXPECT_EQ(std::vector<LogLine>{Info("Processing file: " + path)}, capture.Drain());
    EXPECT_TRUE(HoldOpen(path, GENERIC_READ | GENERIC_WRITE, 0).IsValid());
}

TEST(TextFile, WriteBack_MissingTarget_IsCreated)
{
    CTempDir dir;
    const std::string path = dir / "new.txt";
    CLogCapture capture;
    CConfigJob job;
    EXPECT_TRUE(job.WriteTextFile("x=1\r\n", path));
    EXPECT_EQ("x=1\r\n", ReadBytes(path));
    EXPECT_EQ(std::vector<std::string>{"new.txt"}, ListDir(dir.Path()));
    EXPECT_EQ(std::vector<LogLine>{Info("Wrote output to file: " + path)}, capture.Drain());
}

TEST(TextFile, WriteBack_TargetHeldOpenWithoutSharing_FalseReportedOriginalKept)
{
    CTempDir dir;
    const std::string path = dir / "held.txt";
    WriteBytes(path, "NODE=a\r\n");
    CLogCapture capture;
    CConfigJob job;
    {
        const CFileHandle held = HoldOpen(path, GENERIC_READ, 0);
        EXPECT_FALSE(job.WriteTextFile("NODE=b\r\n", path));
    }
    EXPECT_EQ("NODE=a\r\n", ReadBytes(path));
    EXPECT_EQ(std::vector<std::string>{"held.txt"}, ListDir(dir.Path()));
    EXPECT_EQ(std::vector<LogLine>{Error("Couldn't write file: " + path)}, capture.Drain());
}

TEST(TextFile, WriteBack_ReadOnlyTarget_FalseReportedOriginalKept)
{
    CTempDir dir;
    const std::string path = dir / "ro.txt";
    WriteBytes(path, "NODE=a\r\n");
    ASSERT_TRUE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY));
    CLogCapture capture;
    CConfigJob job;

    EXPECT_FALSE(job.WriteTextFile("NODE=b\r\n", path));

    EXPECT_EQ("NODE=a\r\n", ReadBytes(path));
    EXPECT_NE(0u, GetFileAttributesA(path.c_str()) & FILE_ATTRIBUTE_READONLY);
    EXPECT_EQ(std::vector<std::string>{"ro.txt"}, ListDir(dir.Path()));
    EXPECT_EQ(std::vector<LogLine>{Error("Couldn't write file: " + path)}, capture.Drain());
}

TEST(TextFile, WriteBack_FolderMissing_FalseReported)
{
    CTempDir dir;
    const std::string path = dir / "none\\a.txt";
    CLogCapture capture;
    CConfigJob job;
    EXPECT_FALSE(job.WriteTextFile("x", path));
    EXPECT_FALSE(FileExists(path));
    EXPECT_EQ(std::vector<LogLine>{Error("Couldn't write file: " + path)}, capture.Drain());
}

// tests/editors/run-with-full-disk mounts a 64 KB tmpfs and names it here.
TEST(TextFileDiskFull, WriteBackFails_FailureLoggedOriginalBytesKept)
{
    const char* pszDir = std::getenv("CELVANE_FULL_DISK_DIR");
    if (pszDir == nullptr)
        GTEST_SKIP() << "no small disk: the editors_tests_disk_full test mounts one (needs root)";
    const std::string path = std::string(pszDir) + "\\full.properties";
    std::string original;
    for (int i = 0; i < 400; ++i)
        original += "NODE=line" + std::to_string(i) + "\r\n";
    WriteBytes(path, original);
    struct CRemove
    {
        std::string strPath;
        ~CRemove() { DeleteFileA(strPath.c_str()); }
    } remove{path};

    CLogCapture capture;
    CConfigJob job;
    const std::string bigger(80 * 1024, 'x');
    try
    {
        job.WriteTextFile(bigger, path);
        ADD_FAILURE() << "the write-back reported no failure";
    }
    catch (const CFileException& e)
    {
        EXPECT_EQ(CFileException::diskFull, e.m_cause);
        EXPECT_EQ("Disk full while accessing " + path + ".", e.GetErrorMessage());
    }
    EXPECT_EQ(original, ReadBytes(path));
    EXPECT_EQ(std::vector<std::string>{"full.properties"}, ListDir(pszDir));
    EXPECT_EQ(std::vector<LogLine>{Error("Failed to output file: " + path)}, capture.Drain());
}

// tests/editors/run-as-nobody runs these as a user whom Wine holds to the
// read-only attribute, in a folder that user may not write to, holding
// writable.txt and readonly.txt.
class TextFileNonRoot : public testing::Test
{
protected:
    void SetUp() override
    {
        const char* pszDir = std::getenv("CELVANE_NONROOT_DIR");
        if (pszDir == nullptr)
            GTEST_SKIP() << "needs a user other than root: the editors_tests_nonroot test runs this";
        m_strDir = pszDir;
    }

    std::string m_strDir;
};

TEST_F(TextFileNonRoot, FolderNotWritable_WriteBackFallsBackToInPlace)
{
    const std::string path = m_strDir + "\\writable.txt";
    WriteBytes(path, "NODE=a\r\n");
    CLogCapture capture;
    CConfigJob job;
    EXPECT_TRUE(job.WriteTextFile("NODE=b\r\n", path));
    EXPECT_EQ("NODE=b\r\n", ReadBytes(path));
    const std::vector<std::string> names = {"readonly.txt", "writable.txt"};
    EXPECT_EQ(names, ListDir(m_strDir));
    EXPECT_EQ(std::vector<LogLine>{Info("Wrote output to file: " + path)}, capture.Drain());
}

TEST_F(TextFileNonRoot, ReadOnlyFileInFolderNotWritable_FalseReportedOriginalKept)
{
    const std::string path = m_strDir + "\\readonly.txt";
    const std::string before = ReadBytes(path);
    CLogCapture capture;
    CConfigJob job;
    EXPECT_FALSE(job.WriteTextFile("NODE=b\r\n", path));
    EXPECT_EQ(before, ReadBytes(path));
    EXPECT_EQ(std::vector<LogLine>{Error("Couldn't write file: " + path)}, capture.Drain());
}

TEST_F(TextFileNonRoot, ReadOnlyHostsFile_CannotOpenReported)
{
    const std::string path = m_strDir + "\\readonly.txt";
    const std::string before = ReadBytes(path);
    CLogCapture capture;
    CConfigJob job;
    std::string text;
    EXPECT_EQ(LOAD_CANNOT_OPEN, job.LoadTextFile(path, LOAD_READ_WRITE_EXCLUSIVE, text));
    EditHostsFileAt(job, path);
    EXPECT_EQ(before, ReadBytes(path));
    EXPECT_EQ(std::vector<LogLine>{Error("Couldn't open file: " + path)}, capture.Drain());
}

TEST_F(TextFileNonRoot, ReadOnlyFileInWritableFolder_FalseReportedNoTempLeft)
{
    CTempDir dir;
    const std::string path = dir / "ro.txt";
    WriteBytes(path, "NODE=a\r\n");
    ASSERT_TRUE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY));
    CLogCapture capture;
    CConfigJob job;
    EXPECT_FALSE(job.WriteTextFile("NODE=b\r\n", path));
    EXPECT_EQ("NODE=a\r\n", ReadBytes(path));
    EXPECT_EQ(std::vector<std::string>{"ro.txt"}, ListDir(dir.Path()));
    EXPECT_EQ(std::vector<LogLine>{Error("Couldn't write file: " + path)}, capture.Drain());
}
} // namespace
