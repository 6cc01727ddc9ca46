// The constant tables of a configuration run and the text rules that expand
// them. No Windows header: environment expansion is the caller's business.
#pragma once

#include "framework/MbText.h"

#include <cstddef>
#include <unordered_map>
#include <string>

struct EDIT_ROW
{
    const char* pszFile;
    const char* pszKey;
    const char* pszValue;
};

struct PLACEHOLDER_ROW
{
    const char* pszName;
    const char* pszDefault;
};

extern const EDIT_ROW EDIT_TABLE[10];
extern const PLACEHOLDER_ROW PLACEHOLDER_TABLE[2];
extern const size_t EDIT_TABLE_SIZE;
extern const size_t PLACEHOLDER_TABLE_SIZE;

extern const char* const SCRIPT_TEMPLATE;
extern const char* const HOSTS_PATH_TEMPLATE;

extern const char* const TOKEN_SHORT_NAME;
extern const char* const TOKEN_FULL_NAME;
extern const char* const TOKEN_IP_ADDRESS;

// Every placeholder name of the map replaced by its value, once per
// association, in the map's order.
std::string ReplacePlaceholders(const std::string& text, const std::unordered_map<std::string, std::string>& placeholders,
                                const CLeadBytes& lead);

// The identity tokens replaced in the order full name, short name, IP address,
// so a token that an earlier value brings in is replaced by a later step.
std::string SubstituteIdentityTokens(const std::string& text, const std::string& strFullName,
                                     const std::string& strShortName, const std::string& strIPAddress,
                                     const CLeadBytes& lead);
