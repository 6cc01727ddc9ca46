#include "support/PathParts.h"

#include "framework/CodePage.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace
{
TEST(PathParts, ServerXml_SplitAndPassesXmlTest)
{
    const CPathParts parts("D:\\data\\server.xml", FALSE, FALSE);
    EXPECT_EQ("D:\\data\\server.xml", parts.GetPath());
    EXPECT_EQ("D:", parts.GetDrive());
    EXPECT_EQ("\\data\\", parts.GetDir());
    EXPECT_EQ("server", parts.GetTitle());
    EXPECT_EQ("xml", parts.GetExt());
    EXPECT_EQ(".xml", parts.GetExtension());
    EXPECT_TRUE(parts.HasFileTitle());
    EXPECT_FALSE(parts.IsRelative());
    EXPECT_TRUE(parts.IsXml());
}

TEST(PathParts, XmlTest_CaseFreeAndExact)
{
    EXPECT_TRUE(CPathParts("D:\\DATA\\SERVER.XML", FALSE, FALSE).IsXml());
    EXPECT_FALSE(CPathParts("D:\\data\\hosts", FALSE, FALSE).IsXml());
    EXPECT_EQ("", CPathParts("D:\\data\\hosts", FALSE, FALSE).GetExtension());
    EXPECT_FALSE(CPathParts("D:\\data\\.xml", FALSE, FALSE).IsXml());
    EXPECT_FALSE(CPathParts("D:\\data\\a.xmlx", FALSE, FALSE).IsXml());
    EXPECT_EQ("", CPathParts("D:\\data\\name.", FALSE, FALSE).GetExtension());
}

TEST(PathParts, NullPath_EverythingEmpty)
{
    const CPathParts parts(nullptr, FALSE, TRUE);
    EXPECT_EQ("", parts.GetPath());
    EXPECT_EQ("", parts.GetExtension());
    EXPECT_FALSE(parts.HasFileTitle());
    EXPECT_FALSE(parts.IsRelative());
}

TEST(PathParts, ArgumentsAndDirectoryModes)
{
    const CPathParts args("\"C:\\a b\\x.exe\" /q", FALSE, TRUE);
    EXPECT_EQ("/q", args.GetArgs());
    EXPECT_EQ(".exe", args.GetExtension());
    const CPathParts dir("conf\\sub", TRUE, FALSE);
    EXPECT_EQ("conf\\sub\\", dir.GetDir());
    EXPECT_TRUE(dir.IsRelative());
    EXPECT_FALSE(dir.HasFileTitle());
}

TEST(PathParts, AddTrailingSeparator)
{
    EXPECT_EQ("", CPathParts::AddTrailingSeparator("", FALSE));
    EXPECT_EQ("a/", CPathParts::AddTrailingSeparator("a/", FALSE));
    EXPECT_EQ("a\\", CPathParts::AddTrailingSeparator("a", FALSE));
    EXPECT_EQ("", CPathParts::AddTrailingSeparator(nullptr, FALSE));
}

// Runs with code page 932 in the path_parts_tests_cp932 test.
TEST(PathParts, Dbcs_TrailByteBackslashIsNoSeparator)
{
    if (const char* pszExpected = std::getenv("CELVANE_EXPECT_ACP"))
    {
        ASSERT_EQ(static_cast<UINT>(std::atoi(pszExpected)), GetACP());
    }
    if (!ActiveLeadBytes().IsLead(0x95))
    {
        GTEST_SKIP() << "needs a double-byte code page: the path_parts_tests_cp932 test runs this";
    }
    const CPathParts parts("C:\\d\\\x95\\.xml", FALSE, FALSE);
    EXPECT_EQ("\\d\\", parts.GetDir());
    EXPECT_EQ("\x95\\", parts.GetTitle());
    EXPECT_TRUE(parts.IsXml());
    EXPECT_EQ("\x95\\\\", CPathParts::AddTrailingSeparator("\x95\\", FALSE));
}
} // namespace
