#include "app/HostIdentity.h"

#include "framework/CodePage.h"
#include "framework/MbText.h"

#include <winsock2.h>
#include <windows.h>
#include <iphlpapi.h>

#include <cstring>

namespace
{
const char HOSTIDENTITY_UNKNOWN[] = "<unknown>";

int SystemGetHostName(char* pszName, int nLength)
{
    return gethostname(pszName, nLength);
}

unsigned long SystemGetNetworkParams(void* pFixedInfo, unsigned long* pulSize)
{
    return GetNetworkParams(static_cast<FIXED_INFO*>(pFixedInfo), pulSize);
}

const hostent* SystemGetHostByName(const char* pszName)
{
    return gethostbyname(pszName);
}

struct CProcessHeapFree
{
    void operator()(void* p) const { HeapFree(GetProcessHeap(), 0, p); }
};
using CProcessHeapBlock = std::unique_ptr<void, CProcessHeapFree>;

// A string field of a fixed size, whether or not it holds its terminator.
std::string FieldText(const char* pField, size_t nFieldSize)
{
    const void* pEnd = std::memchr(pField, '\0', nFieldSize);
    return std::string(pField, pEnd ? static_cast<size_t>(static_cast<const char*>(pEnd) - pField) : nFieldSize);
}
} // namespace

CHostIdentity::CHostIdentity()
    : m_calls{&SystemGetHostName, &SystemGetNetworkParams, &SystemGetHostByName}
{
}

CHostIdentity::CHostIdentity(const CHostIdentityCalls& calls)
    : m_calls(calls)
{
}

std::string CHostIdentity::GetShortName()
{
    char szName[256] = {};
    if (m_calls.pfnGetHostName(szName, 255) != 0)
        return HOSTIDENTITY_UNKNOWN;
    return FieldText(szName, sizeof szName);
}

std::string CHostIdentity::GetFullName()
{
    unsigned long ulSize = 0;
    if (m_calls.pfnGetNetworkParams(nullptr, &ulSize) != ERROR_BUFFER_OVERFLOW)
        return std::string();
    // Never smaller than the record, whatever size is reported: its two name
    // fields are read below.
    if (ulSize < sizeof(FIXED_INFO))
        ulSize = sizeof(FIXED_INFO);
    CProcessHeapBlock pBlock(HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, ulSize));
    if (!pBlock)
        return std::string();
    if (m_calls.pfnGetNetworkParams(pBlock.get(), &ulSize) != NO_ERROR)
        return std::string();

    const FIXED_INFO* pInfo = static_cast<const FIXED_INFO*>(pBlock.get());
    const std::string strFullName = FieldText(pInfo->HostName, sizeof pInfo->HostName) + "." +
                                    FieldText(pInfo->DomainName, sizeof pInfo->DomainName);
    return MbTrimRight(strFullName, '.', ActiveLeadBytes());
}

std::unique_ptr<CStringArray> CHostIdentity::GetAddresses()
{
    auto pAddresses = std::make_unique<CStringArray>();
    const std::string strName = GetShortName();
    const hostent* pEntry = m_calls.pfnGetHostByName(strName.c_str());
    if (pEntry == nullptr)
        return pAddresses;
    // The resolver's storage is reused by its next call on this thread.
    const hostent entry = *pEntry;

    // Only IPv4 entries fit the address value they are copied into.
    if (entry.h_addrtype != AF_INET || entry.h_length != sizeof(in_addr) || entry.h_addr_list == nullptr)
        return pAddresses;
    for (char** ppAddress = entry.h_addr_list; *ppAddress != nullptr; ++ppAddress)
    {
        in_addr address;
        std::memcpy(&address, *ppAddress, sizeof address);
        const char* pszText = inet_ntoa(address);
        if (pszText != nullptr)
            pAddresses->push_back(pszText);
    }
    return pAddresses;
}
