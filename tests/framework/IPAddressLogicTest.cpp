#include "framework/IPAddressLogic.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

TEST(IPAddressLogic, DottedTextGivesFieldsFromHighByteDown)
{
    struct Case
    {
        std::string strText;
        std::uint32_t nAddress;
    } cases[] = {
        {"192.168.1.20", 0xC0A80114u},
        {"0.0.0.0", 0u},
        {"255.255.255.255", 0xFFFFFFFFu},
        {"10.0.0.1", 0x0A000001u},
    };
    for (const Case& c : cases)
    {
        std::uint32_t nAddress = 0x12345678u;
        EXPECT_TRUE(ParseIPv4(c.strText, nAddress)) << c.strText;
        EXPECT_EQ(c.nAddress, nAddress) << c.strText;
        EXPECT_EQ(c.strText, FormatIPv4(c.nAddress));
    }
}

TEST(IPAddressLogic, OtherTextIsRefusedAndLeavesTheValue)
{
    const char* const texts[] = {
        "", "1.2.3", "1.2.3.4.5", "256.1.1.1", "1..2.3", " 1.2.3.4", "1.2.3.4 ",
        "a.b.c.d", "1234.1.1.1", "1.2.3.4.", "-1.2.3.4", "<unknown>",
    };
    for (const char* pszText : texts)
    {
        std::uint32_t nAddress = 7;
        EXPECT_FALSE(ParseIPv4(pszText, nAddress)) << pszText;
        EXPECT_EQ(7u, nAddress) << pszText;
    }
}
