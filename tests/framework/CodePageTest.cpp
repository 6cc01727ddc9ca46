#include "framework/CodePage.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>
#include <string>

TEST(ActiveCodePage, LeadBytesFollowTheAnsiCodePage)
{
    const char* expect = std::getenv("CELVANE_EXPECT_ACP");
    if (expect != nullptr)
    {
        ASSERT_EQ(std::stoul(expect), GetACP());
    }

    const CLeadBytes& lead = ActiveLeadBytes();
    for (unsigned b = 0; b < 256; ++b)
        EXPECT_EQ(IsDBCSLeadByte(static_cast<BYTE>(b)) != FALSE, lead.IsLead(static_cast<unsigned char>(b))) << b;

    if (GetACP() == 932)
    {
        // The trail byte 0x5C of a Shift-JIS character is not a backslash.
        EXPECT_EQ(5u, MbFind("\x95\x5C" "abc\\", "\\", 0, lead));
    }
}
