#include "editors/HostsLogic.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace
{
const std::string CRLF = "\r\n";
const std::string HOST = "10.0.0.9    beta    beta.lan\r\n";

struct HostsCase
{
    const char* pszName;
    std::string strText;
    std::string strExpected;
    std::string strOldLine;
    bool bEmpty;
    bool bInserted;
};

void PrintTo(const HostsCase& c, std::ostream* os)
{
    *os << c.pszName;
}

const HostsCase HOSTS_CASES[] = {
    {"LastLineReplaced", "127.0.0.1 localhost" + CRLF + "10.0.0.5 alpha alpha.lan" + CRLF,
     "127.0.0.1 localhost" + CRLF + HOST, "10.0.0.5 alpha alpha.lan", false, false},
    {"OnlyLineReplaced", "127.0.0.1 localhost" + CRLF, HOST, "127.0.0.1 localhost", false, false},
    {"CommentLast_HostLineInsertedBehindIt", "127.0.0.1 localhost" + CRLF + "# end" + CRLF,
     "127.0.0.1 localhost" + CRLF + "# end" + CRLF + CRLF + HOST, "", false, true},
    {"CommentLastWithoutLineEnd", "# end", "# end" + CRLF + HOST, "", false, true},
    {"BlankBeforeHash_NoComment", "a" + CRLF + " # end" + CRLF, "a" + CRLF + HOST, " # end", false, false},
    {"TrailingEmptyLinesDropped", "10.0.0.5 alpha" + CRLF + CRLF + CRLF + CRLF, HOST, "10.0.0.5 alpha", false, false},
    {"LastLineWithoutLineEnd", "a" + CRLF + "10.0.0.5 alpha", "a" + CRLF + HOST, "10.0.0.5 alpha", false, false},
    {"EmptyLinesBeforeOnlyLineKept", CRLF + "10.0.0.5 alpha", CRLF + HOST, "10.0.0.5 alpha", false, false},
    {"LfLineEndsKeptBeforeLastLine", "a\nb\nc\n", "a\nb\n" + HOST, "c", false, false},
    {"EmptyText", "", HOST, "", true, false},
    {"OnlyLineEnds", CRLF + CRLF + "\n\r", HOST, "", false, false},
    {"NulFirstByte_IsNotEmpty", std::string("\0abc", 4) + CRLF + "x y" + CRLF, std::string("\0abc", 4) + CRLF + HOST,
     "x y", false, false},
    {"HighBytesKept", "\xE9\xFF" + CRLF + "old", "\xE9\xFF" + CRLF + HOST, "old", false, false},
};

class HostsRule : public testing::TestWithParam<HostsCase>
{
};

TEST_P(HostsRule, EndsTextWithHostLine)
{
    const HostsCase& c = GetParam();
    std::string text = c.strText;
    const HOSTS_EDIT edit = EditHostsText(text, HOST);
    EXPECT_EQ(c.strExpected, text);
    EXPECT_EQ(c.strOldLine, edit.strOldLine);
    EXPECT_EQ(c.bEmpty, edit.bEmpty);
    EXPECT_EQ(c.bInserted, edit.bInserted);
}

INSTANTIATE_TEST_SUITE_P(Cases, HostsRule, testing::ValuesIn(HOSTS_CASES),
                         [](const testing::TestParamInfo<HostsCase>& info) { return std::string(info.param.pszName); });

TEST(HostLine, ValuesSeparatedByFourBlanksEndingInCrLf)
{
    EXPECT_EQ(HOST, HostLine("10.0.0.9", "beta", "beta.lan"));
    EXPECT_EQ("        \r\n", HostLine("", "", ""));
    EXPECT_EQ("%s    %d    a\tb\r\n", HostLine("%s", "%d", "a\tb"));
}
} // namespace
