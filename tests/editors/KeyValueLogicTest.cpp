#include "editors/KeyValueLogic.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace
{
struct EditOutcome
{
    std::string strText;
    std::vector<std::string> arrLines; // the log lines, in order
};

// The editor's order: the not-found line, then one line per replacement.
EditOutcome Edit(const std::string& text, const std::string& key, const std::string& value, bool bXml,
                 const CLeadBytes& lead = CLeadBytes())
{
    const KEY_VALUE_MATCHES matches = FindKeyValues(text, key, bXml, lead);
    EditOutcome outcome;
    if (!matches.bKeyFound)
        outcome.arrLines.push_back(PropertyNotFoundLine(key));
    for (const VALUE_SPAN& span : matches.arrValues)
        outcome.arrLines.push_back(ChangedLine(text, span, value));
    outcome.strText = text;
    ReplaceValues(outcome.strText, matches.arrValues, value);
    return outcome;
}

struct KeyValueCase
{
    const char* pszName;
    std::string strText;
    std::string strKey;
    std::string strValue;
    bool bXml;
    std::string strExpected;
    std::vector<std::string> arrLines;
};

void PrintTo(const KeyValueCase& c, std::ostream* os)
{
    *os << c.pszName;
}

const std::string CRLF = "\r\n";

const KeyValueCase KEY_VALUE_CASES[] = {
    {"PropertyCrLf", "SANDomainID=old.name" + CRLF, "SANDomainID", "new.name", false, "SANDomainID=new.name" + CRLF,
     {"Changed old.name=>new.name"}},
    {"BatchSet", "set NODE=alpha" + CRLF, "NODE", "beta", false, "set NODE=beta" + CRLF, {"Changed alpha=>beta"}},
    {"BlanksBeforeEqualsSkipped_BlankAfterBelongsToValue", "NODE = alpha", "NODE", "beta", false, "NODE =beta",
     {"Changed  alpha=>beta"}},
    {"TabBeforeEquals_NoMatchNoLine", "NODE\t=alpha", "NODE", "beta", false, "NODE\t=alpha", {}},
    {"LowerCase_NotFound", "node=alpha", "NODE", "beta", false, "node=alpha", {"Property 'NODE' not found"}},
    {"KeyInsideLongerName", "MYNODE=alpha", "NODE", "beta", false, "MYNODE=beta", {"Changed alpha=>beta"}},
    {"CommentedLine", "#SANDomainID=old.name" + CRLF, "SANDomainID", "new.name", false,
     "#SANDomainID=new.name" + CRLF, {"Changed old.name=>new.name"}},
    {"SeveralOccurrences_Shorter", "NODE=aaaaaaaaaa" + CRLF + "NODE=b" + CRLF, "NODE", "c", false,
     "NODE=c" + CRLF + "NODE=c" + CRLF, {"Changed aaaaaaaaaa=>c", "Changed b=>c"}},
    {"SeveralOccurrences_Longer", "NODE=aaa" + CRLF + "NODE=b" + CRLF, "NODE", "cccccccccccc", false,
     "NODE=cccccccccccc" + CRLF + "NODE=cccccccccccc" + CRLF, {"Changed aaa=>cccccccccccc", "Changed b=>cccccccccccc"}},
    {"GrowsThenShrinks", "NODE=a" + CRLF + "NODE=bbbbbbbbbb" + CRLF + "x", "NODE", "ccccc", false,
     "NODE=ccccc" + CRLF + "NODE=ccccc" + CRLF + "x", {"Changed a=>ccccc", "Changed bbbbbbbbbb=>ccccc"}},
    {"ShrinksThenGrows", "NODE=bbbbbbbbbb" + CRLF + "NODE=a" + CRLF + "x", "NODE", "ccccc", false,
     "NODE=ccccc" + CRLF + "NODE=ccccc" + CRLF + "x", {"Changed bbbbbbbbbb=>ccccc", "Changed a=>ccccc"}},
    {"SameLength", "NODE=aaa\nNODE=bbb", "NODE", "ccc", false, "NODE=ccc\nNODE=ccc",
     {"Changed aaa=>ccc", "Changed bbb=>ccc"}},
    {"ValueAtEndOfText_NoLineEndAdded", "x=1" + CRLF + "SANDomainID=old.name", "SANDomainID", "new.name", false,
     "x=1" + CRLF + "SANDomainID=new.name", {"Changed old.name=>new.name"}},
    {"EmptyValue", "SANDomainID=" + CRLF, "SANDomainID", "new.name", false, "SANDomainID=new.name" + CRLF,
     {"Changed =>new.name"}},
    {"LfLineEndsKept", "a=1\nNODE=alpha\nb=2\n", "NODE", "beta", false, "a=1\nNODE=beta\nb=2\n",
     {"Changed alpha=>beta"}},
    {"PropertyFile_ValueRunsPastBlankAndGreater", "host=a b>c" + CRLF, "host", "\"beta\"", false,
     "host=\"beta\"" + CRLF, {"Changed a b>c=>\"beta\""}},
    {"OccurrenceWithoutEquals_SearchGoesOn", "NODE x NODE=1", "NODE", "2", false, "NODE x NODE=2",
     {"Changed 1=>2"}},
    {"KeyAtEndOfText", "xNODE", "NODE", "2", false, "xNODE", {}},
    {"ValueHoldingKey_SearchResumesBehindIt", "NODE=NODE=a" + CRLF + "NODE=b", "NODE", "NODE=x", false,
     "NODE=NODE=x" + CRLF + "NODE=NODE=x", {"Changed NODE=a=>NODE=x", "Changed b=>NODE=x"}},
    {"NulBytesBeforeKey_StillSearched", std::string("a\0b", 3) + CRLF + "NODE=alpha" + CRLF, "NODE", "beta", false,
     std::string("a\0b", 3) + CRLF + "NODE=beta" + CRLF, {"Changed alpha=>beta"}},
    {"NulByteInsideValue_ReplacedWithIt", std::string("NODE=a\0b", 8) + CRLF, "NODE", "beta", false,
     "NODE=beta" + CRLF, {std::string("Changed a\0b=>beta", 17)}},
    {"PercentSignsVerbatim", "NODE=%s%d" + CRLF, "NODE", "50%n%s", false, "NODE=50%n%s" + CRLF,
     {"Changed %s%d=>50%n%s"}},

    {"Xml_QuotedValueFollowedByAttribute", "<e host=\"a\" port=\"9\"/>", "host", "\"beta\"", true,
     "<e host=\"beta\" port=\"9\"/>", {"Changed \"a\"=>\"beta\""}},
    {"Xml_QuotedValueFollowedByGreater", "<e hostName=\"x\">", "hostName", "\"beta\"", true,
     "<e hostName=\"beta\">", {"Changed \"x\"=>\"beta\""}},
    {"Xml_HostInsideHostNamePassedOver", "<e hostName=\"x\"/>", "host", "\"beta\"", true, "<e hostName=\"x\"/>", {}},
    {"Xml_BothAttributes_OnlyHostChanged", "<e hostName=\"x\" host=\"y\"/>" + CRLF, "host", "\"beta\"", true,
     "<e hostName=\"x\" host=\"beta\"/>" + CRLF, {"Changed \"y\"=>\"beta\""}},
    {"Xml_BlankAfterEqualsKept", "<e host= \"a\" port=\"9\">", "host", "\"beta\"", true,
     "<e host= \"beta\" port=\"9\">", {"Changed \"a\"=>\"beta\""}},
    {"Xml_BlankInsideQuotes", "<e host=\"a b\">", "host", "\"beta\"", true, "<e host=\"beta\">",
     {"Changed \"a b\"=>\"beta\""}},
    {"Xml_QuotedValueThenSlashGreater", "<e host=\"a\"/>", "host", "\"beta\"", true, "<e host=\"beta\"/>",
     {"Changed \"a\"=>\"beta\""}},
    {"Xml_SingleQuotes", "<e host='a b' port='9'/>", "host", "\"beta\"", true, "<e host=\"beta\" port='9'/>",
     {"Changed 'a b'=>\"beta\""}},
    {"Xml_UnquotedValueThenSlashGreater", "<e host=a/>", "host", "\"beta\"", true, "<e host=\"beta\"/>",
     {"Changed a=>\"beta\""}},
    {"Xml_UnquotedValueThenBlank", "<e host=a port=9>", "host", "\"beta\"", true, "<e host=\"beta\" port=9>",
     {"Changed a=>\"beta\""}},
    {"Xml_UnclosedQuote_LineEndKept", "<e host=\"a" + CRLF + "port=\"9\"/>", "host", "\"beta\"", true,
     "<e host=\"beta\"" + CRLF + "port=\"9\"/>", {"Changed \"a=>\"beta\""}},
    {"Xml_EmptyValueBeforeGreater", "<e host=>", "host", "\"beta\"", true, "<e host=\"beta\">",
     {"Changed =>\"beta\""}},
};

class KeyValueRule : public testing::TestWithParam<KeyValueCase>
{
};

TEST_P(KeyValueRule, EditsTextAndReportsEachReplacement)
{
    const KeyValueCase& c = GetParam();
    const EditOutcome outcome = Edit(c.strText, c.strKey, c.strValue, c.bXml);
    EXPECT_EQ(c.strExpected, outcome.strText);
    EXPECT_EQ(c.arrLines, outcome.arrLines);
}

INSTANTIATE_TEST_SUITE_P(Cases, KeyValueRule, testing::ValuesIn(KEY_VALUE_CASES),
                         [](const testing::TestParamInfo<KeyValueCase>& info) { return std::string(info.param.pszName); });

CLeadBytes ShiftJisLeadBytes()
{
    const unsigned char ranges[] = {0x81, 0x9F, 0xE0, 0xFC, 0, 0};
    return CLeadBytes::FromRanges(ranges, sizeof ranges);
}

TEST(KeyValueRuleDbcs, TrailByteEqualToKeysFirstByte_IsNoMatch)
{
    // 0x83 0x4E is one character whose trail byte is the "N" of NODE.
    const std::string text = "\x83NODE=alpha\r\n";
    const EditOutcome dbcs = Edit(text, "NODE", "beta", false, ShiftJisLeadBytes());
    EXPECT_EQ(text, dbcs.strText);
    EXPECT_EQ(std::vector<std::string>{"Property 'NODE' not found"}, dbcs.arrLines);

    // The same bytes in a single-byte code page hold the key.
    EXPECT_EQ("\x83NODE=beta\r\n", Edit(text, "NODE", "beta", false).strText);
}

TEST(KeyValueRuleDbcs, KeyBehindDoubleByteCharacter_IsFound)
{
    const std::string text = "\x83N NODE=alpha\r\n";
    const EditOutcome dbcs = Edit(text, "NODE", "\x95\x5C", false, ShiftJisLeadBytes());
    EXPECT_EQ("\x83N NODE=\x95\x5C\r\n", dbcs.strText);
    EXPECT_EQ(std::vector<std::string>{"Changed alpha=>\x95\x5C"}, dbcs.arrLines);
}

TEST(KeyValueRule, SpansPointAtTheOldValuesInTextOrder)
{
    const KEY_VALUE_MATCHES matches = FindKeyValues("NODE=ab\nx NODE  =\nNODE=c", "NODE", false, CLeadBytes());
    ASSERT_EQ(3u, matches.arrValues.size());
    EXPECT_EQ(5u, matches.arrValues[0].nStart);
    EXPECT_EQ(2u, matches.arrValues[0].nLength);
    EXPECT_EQ(17u, matches.arrValues[1].nStart);
    EXPECT_EQ(0u, matches.arrValues[1].nLength);
    EXPECT_EQ(23u, matches.arrValues[2].nStart);
    EXPECT_EQ(1u, matches.arrValues[2].nLength);
}

TEST(KeyValueRule, EmptyText_KeyNotFound)
{
    const KEY_VALUE_MATCHES matches = FindKeyValues("", "NODE", false, CLeadBytes());
    EXPECT_FALSE(matches.bKeyFound);
    EXPECT_TRUE(matches.arrValues.empty());
    std::string text;
    ReplaceValues(text, matches.arrValues, "x");
    EXPECT_EQ("", text);
}
} // namespace
