#include "support/PathPartsLogic.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace
{
struct SplitCase
{
    const char* pszPath;
    const char* pszDrive;
    const char* pszDir;
    const char* pszTitle;
    const char* pszExt;
    bool bRelative;
};

void PrintTo(const SplitCase& c, std::ostream* os)
{
    *os << c.pszPath;
}

const SplitCase SPLIT_CASES[] = {
    {"D:\\data\\server.xml", "D:", "\\data\\", "server", "xml", false},
    {"D:\\DATA\\SERVER.XML", "D:", "\\DATA\\", "SERVER", "XML", false},
    {"D:\\data\\hosts", "D:", "\\data\\", "hosts", "", false},
    {"D:\\data\\name.", "D:", "\\data\\", "name", "", false},
    {"D:\\conf.d\\file", "D:", "\\conf.d\\", "file", "", false},
    {"D:\\data\\archive.tar.gz", "D:", "\\data\\", "archive.tar", "gz", false},
    {"D:\\data\\.xml", "D:", "\\data\\", "", "", false},
    {"D:/data/server.xml", "D:", "\\data\\", "server", "xml", false},
    {"\"D:\\my data\\server.xml\"", "D:", "\\my data\\", "server", "xml", false},
    {"conf\\server.xml", "", "conf\\", "server", "xml", true},
    {"\\conf\\server.xml", "", "\\conf\\", "server", "xml", false},
    {"server.xml", "", "", "server", "xml", false},
    {"D:server.xml", "D:", "", "server", "xml", false},
    {"", "", "", "", "", false},
    {"\\\\host\\share\\a.properties", "", "\\\\host\\share\\", "a", "properties", false},
};

class PathSplit : public testing::TestWithParam<SplitCase>
{
};

TEST_P(PathSplit, GivesDriveDirTitleExtension)
{
    const SplitCase& c = GetParam();
    const PATH_SPLIT parts = SplitPathParts(c.pszPath, false, false, CLeadBytes());
    EXPECT_EQ(c.pszDrive, parts.strDrive);
    EXPECT_EQ(c.pszDir, parts.strDir);
    EXPECT_EQ(c.pszTitle, parts.strTitle);
    EXPECT_EQ(c.pszExt, parts.strExt);
    EXPECT_EQ(c.bRelative, parts.bRelative);
    EXPECT_EQ("", parts.strArgs);
}

INSTANTIATE_TEST_SUITE_P(Cases, PathSplit, testing::ValuesIn(SPLIT_CASES));

TEST(PathSplit, XmlExtensionTest_AnyCaseOfExactlyXml)
{
    const CLeadBytes sbcs;
    EXPECT_TRUE(IsXmlExtension(".xml", sbcs));
    EXPECT_TRUE(IsXmlExtension(".XML", sbcs));
    EXPECT_TRUE(IsXmlExtension(".Xml", sbcs));
    EXPECT_FALSE(IsXmlExtension(".xmlx", sbcs));
    EXPECT_FALSE(IsXmlExtension(".properties", sbcs));
    EXPECT_FALSE(IsXmlExtension("", sbcs));
    EXPECT_FALSE(IsXmlExtension("xml", sbcs));
}

TEST(PathSplit, Directory_NameBecomesOneMoreLevel)
{
    const PATH_SPLIT parts = SplitPathParts("D:\\data\\conf.d", true, false, CLeadBytes());
    EXPECT_EQ("\\data\\conf\\", parts.strDir);
    EXPECT_EQ("", parts.strTitle);
    EXPECT_EQ("", parts.strExt);

    EXPECT_EQ("name\\", SplitPathParts("name", true, false, CLeadBytes()).strDir);
    EXPECT_FALSE(SplitPathParts("name", true, false, CLeadBytes()).bRelative);
}

TEST(PathSplit, Arguments_SplitOffBeforeQuotesAreRemoved)
{
    const PATH_SPLIT parts = SplitPathParts("\"C:\\Program Files\\x.exe\" /a /b", false, true, CLeadBytes());
    EXPECT_EQ("/a /b", parts.strArgs);
    EXPECT_EQ("C:", parts.strDrive);
    EXPECT_EQ("\\Program Files\\", parts.strDir);
    EXPECT_EQ("x", parts.strTitle);
    EXPECT_EQ("exe", parts.strExt);

    // Without the request, a blank is part of the path.
    EXPECT_EQ("my file", SplitPathParts("C:\\my file.txt", false, false, CLeadBytes()).strTitle);
}

TEST(PathShellEquivalents, ArgumentsAndQuotes)
{
    const CLeadBytes sbcs;
    EXPECT_EQ(6u, PathArgsStart("a.exe x y", sbcs));
    EXPECT_EQ(6u, PathArgsStart("\"a b\" x", sbcs));
    EXPECT_EQ(5u, PathArgsStart("a.exe", sbcs));
    EXPECT_EQ("a.exe", PathWithoutArgs("a.exe x y", sbcs));
    EXPECT_EQ("a.exe", PathWithoutArgs("a.exe ", sbcs));
    EXPECT_EQ("\"a b\"", PathWithoutArgs("\"a b\" c", sbcs));
    EXPECT_EQ("a b", PathUnquoted("\"a b\"", sbcs));
    EXPECT_EQ("\"a b", PathUnquoted("\"a b", sbcs));
    EXPECT_EQ("a\"", PathUnquoted("a\"", sbcs));
    EXPECT_EQ("", PathUnquoted("\"\"", sbcs));
}

TEST(PathShellEquivalents, AddTrailingSeparator)
{
    const CLeadBytes sbcs;
    EXPECT_EQ("", PathAddTrailingSeparator("", false, sbcs));
    EXPECT_EQ("a/", PathAddTrailingSeparator("a/", false, sbcs));
    EXPECT_EQ("a\\", PathAddTrailingSeparator("a\\", true, sbcs));
    EXPECT_EQ("a\\", PathAddTrailingSeparator("a", false, sbcs));
    EXPECT_EQ("a/", PathAddTrailingSeparator("a", true, sbcs));
}

CLeadBytes ShiftJisLeadBytes()
{
    const unsigned char ranges[] = {0x81, 0x9F, 0xE0, 0xFC, 0, 0};
    return CLeadBytes::FromRanges(ranges, sizeof ranges);
}

TEST(PathSplitDbcs, TrailByteBackslashIsNoSeparator)
{
    // 0x95 0x5C is one character whose trail byte is a backslash.
    const CLeadBytes sjis = ShiftJisLeadBytes();
    const PATH_SPLIT parts = SplitPathParts("C:\\d\\\x95\\.xml", false, false, sjis);
    EXPECT_EQ("\\d\\", parts.strDir);
    EXPECT_EQ("\x95\\", parts.strTitle);
    EXPECT_EQ("xml", parts.strExt);

    EXPECT_EQ("\x95\\\\", PathAddTrailingSeparator("\x95\\", false, sjis));
    EXPECT_EQ("\x95\\", PathAddTrailingSeparator("\x95\\", false, CLeadBytes()));
}

TEST(PathSplitDbcs, DotAsTrailByteStaysInTheExtension)
{
    // The extension's dot goes; the 0x2E behind the lead byte 0xEF is part of
    // a character and stays, so the pieces still make up the path.
    const PATH_SPLIT parts = SplitPathParts("a.\xEF.b", false, false, ShiftJisLeadBytes());
    EXPECT_EQ("a", parts.strTitle);
    EXPECT_EQ("\xEF.b", parts.strExt);
}

TEST(PathSplit, LongPieceCutTo255)
{
    const std::string longDir(300, 'd');
    const PATH_SPLIT parts = SplitPathParts(longDir + "\\a.xml", false, false, CLeadBytes());
    EXPECT_EQ(PATH_PIECE_MAX, parts.strDir.size());
    EXPECT_EQ("xml", parts.strExt);
}
} // namespace
