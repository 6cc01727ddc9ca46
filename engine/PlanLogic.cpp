#include "engine/PlanLogic.h"

// Every backslash below is one character of the text. The XML values carry
// their own quote characters; the database URL escapes its colons as the
// property file format wants.
const EDIT_ROW EDIT_TABLE[10] = {
    {"@KESTRANE_PATH\\fenwold\\manager\\bin\\w32-ix86\\setenv.bat", "QALM_LOCAL_HOSTNAME", "@FULL_NAME"},
    {"@KESTRANE_PATH\\fenwold\\manager\\bin\\w32-ix86\\setDeployEnv.bat", "NODE", "@SHORT_NAME"},
    {"@KESTRANE_PATH\\fenwold\\manager\\conf\\qalmdbparms.properties", "kestrane.sanmgmt.jdbc.dbURL",
     "jdbc\\:quarj\\:net\\://@FULL_NAME\\:9553/FENWOLD"},
    {"@KESTRANE_PATH\\fenwold\\manager\\conf\\user.properties", "SANDomainID", "@FULL_NAME"},
    {"@KESTRANE_PATH\\fenwold\\manager\\apps\\nemra\\java\\jre\\lib\\orb.properties", "com.zentrel.CORBA.LocalHost",
     "@SHORT_NAME"},
    {"@KESTRANE_PATH\\fenwold\\manager\\apps\\nemra\\config\\cells\\DefaultNode\\nodes\\DefaultNode\\serverindex.xml",
     "hostName", "\"@SHORT_NAME\""},
    {"@KESTRANE_PATH\\fenwold\\manager\\apps\\nemra\\config\\cells\\DefaultNode\\nodes\\DefaultNode\\serverindex.xml",
     "host", "\"@SHORT_NAME\""},
    {"@DRAVOCONSOLE_PATH\\console\\embeddedNemra\\java\\jre\\lib\\orb.properties", "com.zentrel.CORBA.LocalHost",
     "@SHORT_NAME"},
    {"@DRAVOCONSOLE_PATH\\console\\embeddedNemra\\config\\cells\\DefaultNode\\nodes\\DefaultNode\\serverindex.xml",
     "hostName", "\"@SHORT_NAME\""},
    {"@DRAVOCONSOLE_PATH\\console\\embeddedNemra\\config\\cells\\DefaultNode\\nodes\\DefaultNode\\serverindex.xml",
     "host", "\"@SHORT_NAME\""},
};
const size_t EDIT_TABLE_SIZE = sizeof EDIT_TABLE / sizeof EDIT_TABLE[0];

const PLACEHOLDER_ROW PLACEHOLDER_TABLE[2] = {
    {"@DRAVOCONSOLE_PATH", "c:\\Program Files\\Zentrel\\dravoconsole"},
    {"@KESTRANE_PATH", "c:\\kestrane"},
};
const size_t PLACEHOLDER_TABLE_SIZE = sizeof PLACEHOLDER_TABLE / sizeof PLACEHOLDER_TABLE[0];

// The trailing blanks inside the lines belong to them.
const char* const SCRIPT_TEMPLATE =
    "cd @KESTRANE_PATH\\fenwold\\manager\\bin\\w32-ix86\\ \r\n"
    "@ECHO OFF\r\n"
    "ECHO Please reboot the machine once this utility has completed\r\n"
    "cd @KESTRANE_PATH\\fenwold\\manager\\bin\\w32-ix86\\ \r\n"
    "pause \r\n"
    "exit \r\n";

const char* const HOSTS_PATH_TEMPLATE = "%SystemRoot%\\system32\\drivers\\etc\\HOSTS";

const char* const TOKEN_SHORT_NAME = "@SHORT_NAME";
const char* const TOKEN_FULL_NAME = "@FULL_NAME";
const char* const TOKEN_IP_ADDRESS = "@IP_ADDRESS";

std::string ReplacePlaceholders(const std::string& text, const std::unordered_map<std::string, std::string>& placeholders,
                                const CLeadBytes& lead)
{
    std::string result = text;
    for (const auto& association : placeholders)
        result = MbReplaceAll(result, association.first, association.second, lead);
    return result;
}

std::string SubstituteIdentityTokens(const std::string& text, const std::string& strFullName,
                                     const std::string& strShortName, const std::string& strIPAddress,
                                     const CLeadBytes& lead)
{
    std::string result = MbReplaceAll(text, TOKEN_FULL_NAME, strFullName, lead);
    result = MbReplaceAll(result, TOKEN_SHORT_NAME, strShortName, lead);
    return MbReplaceAll(result, TOKEN_IP_ADDRESS, strIPAddress, lead);
}
