#include "app/HostIdentity.h"

#include <gtest/gtest.h>

#include <winsock2.h>
#include <windows.h>
#include <iphlpapi.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <string>
#include <vector>

namespace
{
// What the stand-in system calls answer, and what they were asked.
struct CFakeSystem
{
    int nHostNameResult = 0;
    std::string strHostName = "trevolt";
    int nHostNameLength = -1; // as asked

    unsigned long ulSizeQueryResult = ERROR_BUFFER_OVERFLOW;
    unsigned long ulSizeNeeded = sizeof(FIXED_INFO) + 64;
    unsigned long ulFillResult = NO_ERROR;
    std::string strNetHostName = "trevolt";
    std::string strDomainName;
    int nNetworkCalls = 0;
    void* pBlock = nullptr; // the buffer of the second call
    bool bBlockZeroFilled = false;
    bool bBlockLargeEnough = false;

    bool bResolves = true;
    short nAddressType = AF_INET;
    short nAddressLength = 4;
    std::vector<std::array<unsigned char, 16>> addresses;
    std::vector<std::string> resolvedNames;

    // Storage of the resolver's entry, as the sockets layer keeps its own.
    hostent entry = {};
    std::vector<std::array<unsigned char, 16>> entryAddresses;
    std::vector<char*> entryList;
};

CFakeSystem g_fake;

int FakeGetHostName(char* pszName, int nLength)
{
    g_fake.nHostNameLength = nLength;
    if (g_fake.nHostNameResult != 0)
        return g_fake.nHostNameResult;
    if (static_cast<int>(g_fake.strHostName.size()) >= nLength)
        return SOCKET_ERROR;
    std::memcpy(pszName, g_fake.strHostName.c_str(), g_fake.strHostName.size() + 1);
    return 0;
}

void CopyField(char* pField, size_t nFieldSize, const std::string& strText)
{
    // A text as long as the field fills it without a terminator.
    std::memcpy(pField, strText.data(), std::min(nFieldSize, strText.size()));
}

unsigned long FakeGetNetworkParams(void* pFixedInfo, unsigned long* pulSize)
{
    ++g_fake.nNetworkCalls;
    if (pFixedInfo == nullptr)
    {
        *pulSize = g_fake.ulSizeNeeded;
        return g_fake.ulSizeQueryResult;
    }
    g_fake.pBlock = pFixedInfo;
    const unsigned char* pBytes = static_cast<const unsigned char*>(pFixedInfo);
    g_fake.bBlockLargeEnough = *pulSize >= g_fake.ulSizeNeeded &&
                               HeapSize(GetProcessHeap(), 0, pFixedInfo) >= g_fake.ulSizeNeeded;
    g_fake.bBlockZeroFilled = true;
    for (unsigned long i = 0; i < *pulSize; ++i)
        g_fake.bBlockZeroFilled = g_fake.bBlockZeroFilled && pBytes[i] == 0;
    if (g_fake.ulFillResult != NO_ERROR)
        return g_fake.ulFillResult;
    FIXED_INFO* pInfo = static_cast<FIXED_INFO*>(pFixedInfo);
    CopyField(pInfo->HostName, sizeof pInfo->HostName, g_fake.strNetHostName);
    CopyField(pInfo->DomainName, sizeof pInfo->DomainName, g_fake.strDomainName);
    return NO_ERROR;
}

const hostent* FakeGetHostByName(const char* pszName)
{
    g_fake.resolvedNames.push_back(pszName);
    if (!g_fake.bResolves)
        return nullptr;
    g_fake.entryAddresses = g_fake.addresses;
    g_fake.entryList.clear();
    for (auto& address : g_fake.entryAddresses)
        g_fake.entryList.push_back(reinterpret_cast<char*>(address.data()));
    g_fake.entryList.push_back(nullptr);
    g_fake.entry = hostent();
    g_fake.entry.h_name = const_cast<char*>("resolved");
    g_fake.entry.h_addrtype = g_fake.nAddressType;
    g_fake.entry.h_length = g_fake.nAddressLength;
    g_fake.entry.h_addr_list = g_fake.entryList.data();
    return &g_fake.entry;
}

const CHostIdentityCalls FAKE_CALLS = {&FakeGetHostName, &FakeGetNetworkParams, &FakeGetHostByName};

// Whether p is a block of the process heap still in use.
bool IsBusyHeapBlock(const void* p)
{
    PROCESS_HEAP_ENTRY entry = {};
    bool bBusy = false;
    while (HeapWalk(GetProcessHeap(), &entry))
    {
        if (entry.lpData == p && (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY))
            bBusy = true;
    }
    return bBusy;
}

class HostIdentityFake : public ::testing::Test
{
protected:
    void SetUp() override
    {
        g_fake = CFakeSystem();
        WSADATA data;
        ASSERT_EQ(0, WSAStartup(MAKEWORD(1, 1), &data));
    }
    void TearDown() override { WSACleanup(); }

    CHostIdentity m_identity{FAKE_CALLS};
};
} // namespace

TEST_F(HostIdentityFake, ShortName_NameOrUnknown)
{
    struct Case
    {
        int nResult;
        std::string strName;
        std::string strExpected;
    } const cases[] = {
        {0, "trevolt", "trevolt"},
        {0, std::string(254, 'h'), std::string(254, 'h')}, // the longest name that fits
        {0, std::string(255, 'h'), "<unknown>"},           // does not fit: the call fails
        {SOCKET_ERROR, "trevolt", "<unknown>"},
    };
    for (const Case& c : cases)
    {
        g_fake.nHostNameResult = c.nResult;
        g_fake.strHostName = c.strName;
        EXPECT_EQ(c.strExpected, m_identity.GetShortName()) << c.strName.size() << " characters, result " << c.nResult;
        EXPECT_EQ(255, g_fake.nHostNameLength);
    }
}

TEST_F(HostIdentityFake, FullName_HostAndDomainJoinedWithoutTrailingDots)
{
    struct Case
    {
        std::string strHost;
        std::string strDomain;
        std::string strExpected;
    } const cases[] = {
        {"trevolt", "example.test", "trevolt.example.test"},
        {"trevolt", "", "trevolt"},
        {"trevolt", "example.test.", "trevolt.example.test"},
        {"trevolt", "example.test...", "trevolt.example.test"},
        {"trevolt", ".", "trevolt"},
        {"", "", ""},
        {"trevolt", "a.b", "trevolt.a.b"},
        // Fields that fill their 132 bytes without a terminator are read to their end.
        {std::string(132, 'h'), std::string(132, 'd'), std::string(132, 'h') + "." + std::string(132, 'd')},
    };
    for (const Case& c : cases)
    {
        g_fake.strNetHostName = c.strHost;
        g_fake.strDomainName = c.strDomain;
        g_fake.nNetworkCalls = 0;
        EXPECT_EQ(c.strExpected, m_identity.GetFullName()) << c.strHost << " / " << c.strDomain;
        EXPECT_EQ(2, g_fake.nNetworkCalls);
        EXPECT_TRUE(g_fake.bBlockZeroFilled);
        EXPECT_TRUE(g_fake.bBlockLargeEnough);
        EXPECT_FALSE(IsBusyHeapBlock(g_fake.pBlock)) << "the block is freed";
    }
}

TEST_F(HostIdentityFake, FullName_NetworkParametersFail_Empty)
{
    struct Case
    {
        const char* pszName;
        unsigned long ulSizeQueryResult;
        unsigned long ulFillResult;
        int nExpectedCalls;
    } const cases[] = {
        {"size query reports an error", ERROR_NOT_SUPPORTED, NO_ERROR, 1},
        {"size query reports success", NO_ERROR, NO_ERROR, 1},
        {"second call reports an error", ERROR_BUFFER_OVERFLOW, ERROR_INVALID_PARAMETER, 2},
        {"second call still finds the buffer too small", ERROR_BUFFER_OVERFLOW, ERROR_BUFFER_OVERFLOW, 2},
    };
    for (const Case& c : cases)
    {
        g_fake.ulSizeQueryResult = c.ulSizeQueryResult;
        g_fake.ulFillResult = c.ulFillResult;
        g_fake.strDomainName = "example.test";
        g_fake.nNetworkCalls = 0;
        g_fake.pBlock = nullptr;
        EXPECT_EQ("", m_identity.GetFullName()) << c.pszName;
        EXPECT_EQ(c.nExpectedCalls, g_fake.nNetworkCalls) << c.pszName;
        if (c.nExpectedCalls == 2)
        {
            EXPECT_FALSE(IsBusyHeapBlock(g_fake.pBlock)) << c.pszName << ": the block is freed";
        }
    }
}

TEST_F(HostIdentityFake, Addresses_AllInResolverOrder)
{
    struct Case
    {
        std::vector<std::array<unsigned char, 16>> addresses;
        std::vector<std::string> expected;
    } const cases[] = {
        {{}, {}},
        {{{192, 0, 2, 7}}, {"192.0.2.7"}},
        {{{10, 0, 0, 1}, {192, 168, 1, 20}}, {"10.0.0.1", "192.168.1.20"}},
        {{{172, 16, 0, 9}, {10, 1, 2, 3}, {255, 255, 255, 255}}, {"172.16.0.9", "10.1.2.3", "255.255.255.255"}},
    };
    for (const Case& c : cases)
    {
        g_fake.addresses = c.addresses;
        g_fake.resolvedNames.clear();
        const std::unique_ptr<CStringArray> pAddresses = m_identity.GetAddresses();
        ASSERT_NE(nullptr, pAddresses);
        EXPECT_EQ(c.expected, *pAddresses);
        EXPECT_EQ(std::vector<std::string>{"trevolt"}, g_fake.resolvedNames);
    }
}

TEST_F(HostIdentityFake, Addresses_NameUnreadable_AddressesOfUnknown)
{
    g_fake.nHostNameResult = SOCKET_ERROR;
    g_fake.addresses = {{{192, 0, 2, 99}}};
    EXPECT_EQ(CStringArray{"192.0.2.99"}, *m_identity.GetAddresses());
    EXPECT_EQ(std::vector<std::string>{"<unknown>"}, g_fake.resolvedNames);

    g_fake.bResolves = false;
    g_fake.resolvedNames.clear();
    const std::unique_ptr<CStringArray> pAddresses = m_identity.GetAddresses();
    ASSERT_NE(nullptr, pAddresses);
    EXPECT_TRUE(pAddresses->empty());
    EXPECT_EQ(std::vector<std::string>{"<unknown>"}, g_fake.resolvedNames);
}

TEST_F(HostIdentityFake, Addresses_EntryNotIPv4_NoAddressAndNothingOverrun)
{
    g_fake.addresses = {{{0x20, 0x01, 0x0d, 0xb8, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1}}};
    g_fake.nAddressType = AF_INET6;
    g_fake.nAddressLength = 16;
    const std::unique_ptr<CStringArray> pAddresses = m_identity.GetAddresses();
    ASSERT_NE(nullptr, pAddresses);
    EXPECT_TRUE(pAddresses->empty());
}

TEST(HostIdentitySystem, RealCalls_ReportThisHost)
{
    WSADATA data;
    ASSERT_EQ(0, WSAStartup(MAKEWORD(1, 1), &data));
    CHostIdentity identity;

    char szHost[256] = {};
    DWORD dwSize = sizeof szHost;
    ASSERT_TRUE(GetComputerNameExA(ComputerNameDnsHostname, szHost, &dwSize));
    const std::string strShortName = identity.GetShortName();
    EXPECT_NE("<unknown>", strShortName);
    EXPECT_EQ(0, lstrcmpiA(szHost, strShortName.c_str())) << szHost << " / " << strShortName;

    char szFull[256] = {};
    dwSize = sizeof szFull;
    ASSERT_TRUE(GetComputerNameExA(ComputerNameDnsFullyQualified, szFull, &dwSize));
    const std::string strFullName = identity.GetFullName();
    EXPECT_EQ(0, lstrcmpiA(szFull, strFullName.c_str())) << szFull << " / " << strFullName;

    std::vector<std::string> expected;
    if (const hostent* pEntry = gethostbyname(strShortName.c_str()))
    {
        for (char** pp = pEntry->h_addr_list; *pp != nullptr; ++pp)
        {
            const unsigned char* b = reinterpret_cast<const unsigned char*>(*pp);
            expected.push_back(std::to_string(b[0]) + "." + std::to_string(b[1]) + "." + std::to_string(b[2]) + "." +
                               std::to_string(b[3]));
        }
    }
    EXPECT_FALSE(expected.empty()) << "the resolver knows this host's own name";
    EXPECT_EQ(expected, *identity.GetAddresses());
    WSACleanup();
}
