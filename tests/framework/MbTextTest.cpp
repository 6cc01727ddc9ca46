#include "framework/MbText.h"

#include <gtest/gtest.h>

namespace
{
// Shift-JIS (code page 932) lead byte ranges.
CLeadBytes ShiftJis()
{
    const unsigned char ranges[] = {0x81, 0x9F, 0xE0, 0xFC, 0, 0};
    return CLeadBytes::FromRanges(ranges, sizeof ranges);
}
const CLeadBytes kSingle;
} // namespace

TEST(MbReplaceAll, Cases)
{
    struct Case
    {
        const char* text;
        const char* search;
        const char* replacement;
        const char* expected;
    } cases[] = {
        {"a@Xb@X", "@X", "yy", "ayybyy"},
        {"aaaa", "aa", "a", "aa"},             // no overlap, left to right
        {"@X", "@X", "@X@X", "@X@X"},          // inserted text is not searched again
        {"abc", "", "zz", "abc"},              // empty search changes nothing
        {"@x", "@X", "q", "@x"},               // case-sensitive
        {"xaaay", "aa", "b", "xbay"},
        {"", "a", "b", ""},
        {"aaa", "a", "", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.expected, MbReplaceAll(c.text, c.search, c.replacement, kSingle)) << c.text << " / " << c.search;
}

TEST(MbFind, NulBytesAreOrdinaryBytes)
{
    const std::string text("ab\0cd\0key", 9);
    EXPECT_EQ(6u, MbFind(text, "key", 0, kSingle));
    EXPECT_EQ(2u, MbFind(text, std::string("\0c", 2), 0, kSingle));
    EXPECT_EQ(std::string::npos, MbFind(text, "key", 7, kSingle));
}

TEST(MbFindDbcs, NeverMatchesOnATrailByte)
{
    // 0x95 0x5C is one Shift-JIS character whose trail byte is a backslash.
    const std::string text = "\x95\x5C" "abc\\def";
    EXPECT_EQ(5u, MbFind(text, "\\", 0, ShiftJis()));
    EXPECT_EQ(1u, MbFind(text, "\\", 0, kSingle));
    // A key whose first byte equals a trail byte.
    const std::string keyText = "\x95K" "EY=1 KEY=2";
    EXPECT_EQ(7u, MbFind(keyText, "KEY", 0, ShiftJis()));
    EXPECT_EQ(1u, MbFind(keyText, "KEY", 0, kSingle));
}

TEST(MbReplaceAllDbcs, SkipsTrailBytes)
{
    EXPECT_EQ("\x95\x5C" "a/b", MbReplaceAll("\x95\x5C" "a\\b", "\\", "/", ShiftJis()));
}

TEST(MbToLowerDbcs, LowersOnlySingleByteLetters)
{
    // 0x82 0x60 is a double-byte character; its trail byte is not 'A'-'Z' but
    // 0x83 0x41 has trail byte 'A', which must stay.
    EXPECT_EQ(std::string("\x83\x41" ".xml"), MbToLower("\x83\x41" ".XML", ShiftJis()));
    EXPECT_EQ(std::string("\x83\x61" ".xml"), MbToLower("\x83\x41" ".XML", kSingle));
}

TEST(MbTrimRight, RemovesTheFinalRunOnly)
{
    EXPECT_EQ("host.example", MbTrimRight("host.example...", '.', kSingle));
    EXPECT_EQ("a.b", MbTrimRight("a.b", '.', kSingle));
    EXPECT_EQ("", MbTrimRight("...", '.', kSingle));
    // 0x81 0x2E: a trail byte equal to '.' is part of a character, not a dot.
    EXPECT_EQ(std::string("x\x81."), MbTrimRight("x\x81..", '.', ShiftJis()));
}
