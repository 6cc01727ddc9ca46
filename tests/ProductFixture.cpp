#include "ProductFixture.h"

#include <stdexcept>

const char* const FIXTURE_SHORT_NAME = "kesthost";
const char* const FIXTURE_FULL_NAME = "kesthost.corp.example";
const char* const FIXTURE_IP_ADDRESS = "10.20.30.40";

namespace
{
const char* const PRODUCT_ROOTS[] = {"c:\\kestrane", "c:\\Program Files\\Zentrel"};

// The fixtures folder of the source tree; under Wine a Unix path is reached
// through drive Z:.
std::string FixtureDir()
{
    std::string strDir = CELVANE_FIXTURE_DIR;
    for (char& c : strDir)
    {
        if (c == '/')
            c = '\\';
    }
    return strDir.compare(0, 1, "\\") == 0 ? "Z:" + strDir : strDir;
}

// Copies every file below strFrom to the same place below strTo and notes
// its bytes.
void CopyTree(const std::string& strFrom, const std::string& strTo, std::map<std::string, std::string>& mapCopied)
{
    WIN32_FIND_DATAA data;
    HANDLE hFind = FindFirstFileA((strFrom + "\\*").c_str(), &data);
    if (hFind == INVALID_HANDLE_VALUE)
        throw std::runtime_error("no fixture folder " + strFrom);
    do
    {
        const std::string strName = data.cFileName;
        if (strName == "." || strName == "..")
            continue;
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        {
            CopyTree(strFrom + "\\" + strName, strTo + "\\" + strName, mapCopied);
            continue;
        }
        const std::string strBytes = ReadBytes(strFrom + "\\" + strName);
        MakeDirs(strTo);
        WriteBytes(strTo + "\\" + strName, strBytes);
        mapCopied[strTo + "\\" + strName] = strBytes;
    } while (FindNextFileA(hFind, &data));
    FindClose(hFind);
}

std::string GetEnvironment(const char* pszName)
{
    char szValue[MAX_PATH] = {};
    const DWORD n = GetEnvironmentVariableA(pszName, szValue, MAX_PATH);
    return n > 0 && n < MAX_PATH ? std::string(szValue, n) : std::string();
}

void RemoveProducts()
{
    for (const char* pszRoot : PRODUCT_ROOTS)
        RemoveTree(pszRoot);
}
} // namespace

CProductFixture::CProductFixture() : m_systemRoot("sysroot"), m_strOldSystemRoot(GetEnvironment("SystemRoot"))
{
    RemoveProducts(); // what a test that ended abruptly left behind
    CopyTree(FixtureDir() + "\\drive_c", "c:", m_mapOriginals);

    SetEnvironmentVariableA("SystemRoot", m_systemRoot.Path().c_str());
    const std::string strEtc = m_systemRoot / "system32\\drivers\\etc";
    m_strHostsPath = strEtc + "\\HOSTS";
    MakeDirs(strEtc);
    const std::string strHosts = ReadBytes(FixtureDir() + "\\hosts\\HOSTS");
    WriteBytes(m_strHostsPath, strHosts);
    m_mapOriginals[m_strHostsPath] = strHosts;
}

CProductFixture::~CProductFixture()
{
    SetEnvironmentVariableA("SystemRoot", m_strOldSystemRoot.empty() ? nullptr : m_strOldSystemRoot.c_str());
    RemoveProducts();
}

std::map<std::string, std::string> CProductFixture::Snapshot() const
{
    std::map<std::string, std::string> files;
    for (const auto& original : m_mapOriginals)
    {
        if (FileExists(original.first))
            files[original.first] = ReadBytes(original.first);
    }
    return files;
}

std::string CProductFixture::Original(const std::string& strPath) const
{
    const auto it = m_mapOriginals.find(strPath);
    if (it == m_mapOriginals.end())
        throw std::runtime_error("not a fixture file: " + strPath);
    return it->second;
}
