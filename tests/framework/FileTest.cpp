#include "framework/File.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

TEST(FileException, TextsNameThePath)
{
    EXPECT_EQ("Disk full while accessing C:\\x\\y.bat.",
              CFileException(CFileException::diskFull, ERROR_DISK_FULL, "C:\\x\\y.bat").GetErrorMessage());
    EXPECT_EQ("A sharing violation occurred while accessing C:\\a.",
              CFileException::FromOsError(ERROR_SHARING_VIOLATION, "C:\\a").GetErrorMessage());
    EXPECT_EQ(CFileException::accessDenied, CFileException::OsErrorToCause(ERROR_ACCESS_DENIED));
    EXPECT_EQ(CFileException::genericException, CFileException::OsErrorToCause(12345));
}

TEST(File, OpenFlagsMapToCreateFileArguments)
{
    struct Case
    {
        unsigned flags;
        DWORD access, share, disposition;
    } cases[] = {
        {CFile::modeRead | CFile::shareDenyWrite, GENERIC_READ, FILE_SHARE_READ, OPEN_EXISTING},
        {CFile::modeReadWrite | CFile::modeCreate | CFile::modeNoTruncate, GENERIC_READ | GENERIC_WRITE, 0,
         OPEN_ALWAYS},
        {CFile::modeWrite | CFile::modeCreate, GENERIC_WRITE, 0, CREATE_ALWAYS},
        {CFile::modeWrite | CFile::shareDenyNone, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, OPEN_EXISTING},
    };
    for (const Case& c : cases)
    {
        const CFile::CreateArgs args = CFile::MapOpenFlags(c.flags);
        EXPECT_EQ(c.access, args.dwAccess) << c.flags;
        EXPECT_EQ(c.share, args.dwShare) << c.flags;
        EXPECT_EQ(c.disposition, args.dwDisposition) << c.flags;
    }
}

TEST(File, ReadsWritesAndReportsOpenFailure)
{
    CTempDir dir;
    const std::string path = dir / "a.txt";
    {
        CFile file;
        ASSERT_TRUE(file.Open(path, CFile::modeWrite | CFile::modeCreate));
        file.Write("a\0b\r\n", 5);
        file.Close();
        EXPECT_FALSE(file.IsOpen());
    }
    EXPECT_EQ(std::string("a\0b\r\n", 5), ReadBytes(path));

    CFile reader;
    ASSERT_TRUE(reader.Open(path, CFile::modeRead | CFile::shareDenyWrite));
    EXPECT_EQ(5u, reader.GetLength());
    // Another writer is refused while the reader denies writing.
    CFile writer;
    CFileException error(CFileException::none, 0, "");
    EXPECT_FALSE(writer.Open(path, CFile::modeWrite, &error));
    EXPECT_EQ(CFileException::sharingViolation, error.m_cause);
    EXPECT_EQ(path, error.m_strFileName);

    CFile missing;
    EXPECT_FALSE(missing.Open(dir / "none.txt", CFile::modeRead, &error));
    EXPECT_EQ(CFileException::fileNotFound, error.m_cause);
}
