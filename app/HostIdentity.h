// Reads what the operating system reports about the computer: its short host
// name, its full DNS name and its IPv4 addresses.
#pragma once

#include <memory>
#include <string>
#include <vector>

using CStringArray = std::vector<std::string>;

struct hostent;

// The system calls that CHostIdentity makes. The default object uses the real
// ones; tests put stand-ins in their place for what they cannot make the
// system do, such as a failing resolver.
struct CHostIdentityCalls
{
    // gethostname: zero on success.
    int (*pfnGetHostName)(char* pszName, int nLength);
    // GetNetworkParams: pFixedInfo points to a FIXED_INFO record or is null.
    unsigned long (*pfnGetNetworkParams)(void* pFixedInfo, unsigned long* pulSize);
    // gethostbyname: the resolver's own entry, or null.
    const hostent* (*pfnGetHostByName)(const char* pszName);
};

class CHostIdentity
{
public:
    CHostIdentity();
    explicit CHostIdentity(const CHostIdentityCalls& calls);
    virtual ~CHostIdentity() = default;

    std::string GetShortName();
    std::string GetFullName();
    // A new array owned by the caller, possibly empty.
    std::unique_ptr<CStringArray> GetAddresses();

private:
    CHostIdentityCalls m_calls;
};
