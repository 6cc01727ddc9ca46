// Reads what the operating system reports about the computer: its short host
// name, its full DNS name and its IPv4 addresses.
#pragma once

#include <memory>
#include <string>
#include <vector>

using CStringArray = std::vector<std::string>;

class CHostIdentity
{
public:
    CHostIdentity() = default;
    virtual ~CHostIdentity() = default;

    std::string GetShortName();
    std::string GetFullName();
    // A new array owned by the caller, possibly empty.
    std::unique_ptr<CStringArray> GetAddresses();
};
