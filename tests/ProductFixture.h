// A demo installation of both products at their real default paths in the
// Wine prefix (c:\kestrane and c:\Program Files\Zentrel\dravoconsole), and a
// HOSTS file under a test folder that %SystemRoot% points at, all laid out
// from tests/fixtures and removed again. Tests that use it share those paths
// and must be declared SERIAL.
#pragma once

#include "TestSupport.h"

#include <map>
#include <string>

// The identity the demo installation was configured for.
extern const char* const FIXTURE_SHORT_NAME; // "kesthost"
extern const char* const FIXTURE_FULL_NAME;  // "kesthost.corp.example"
extern const char* const FIXTURE_IP_ADDRESS; // "10.20.30.40"

class CProductFixture
{
public:
    CProductFixture();
    ~CProductFixture();
    CProductFixture(const CProductFixture&) = delete;
    CProductFixture& operator=(const CProductFixture&) = delete;

    // The HOSTS path as %SystemRoot% now gives it.
    const std::string& HostsPath() const { return m_strHostsPath; }
    // Every file laid out, HOSTS included, with the bytes it holds now; a
    // missing file has no entry.
    std::map<std::string, std::string> Snapshot() const;
    // The bytes a file was laid out with.
    std::string Original(const std::string& strPath) const;

private:
    std::map<std::string, std::string> m_mapOriginals; // path -> fixture bytes
    CTempDir m_systemRoot;
    std::string m_strOldSystemRoot;
    std::string m_strHostsPath;
};
