// Test helpers around the script runner: the environment the program runs
// in, the helper programs beside the test, and a small full disk.
#pragma once

#include "engine/ConfigJob.h"
#include "framework/Handle.h"

#include "TestSupport.h"

#include <windows.h>

#include <string>
#include <vector>

// An environment variable of this process set for a scope; the old value, or
// its absence, comes back afterwards.
class CEnvOverride
{
public:
    CEnvOverride(std::string strName, const std::string& strValue);
    ~CEnvOverride();
    CEnvOverride(const CEnvOverride&) = delete;
    CEnvOverride& operator=(const CEnvOverride&) = delete;

private:
    std::string m_strName;
    std::string m_strOld;
    bool m_bHadOld = false;
};

// The temporary directory of this process (TMP and TEMP) pointed at a folder
// for a scope.
class CTempOverride
{
public:
    explicit CTempOverride(const std::string& strDir) : m_tmp("TMP", strDir), m_temp("TEMP", strDir) {}

private:
    CEnvOverride m_tmp;
    CEnvOverride m_temp;
};

// The current directory moved for a scope.
class CCurrentDirectory
{
public:
    explicit CCurrentDirectory(const std::string& strDir);
    ~CCurrentDirectory();
    CCurrentDirectory(const CCurrentDirectory&) = delete;
    CCurrentDirectory& operator=(const CCurrentDirectory&) = delete;

private:
    std::string m_strOld;
};

// The program is a window program without a console, so the interpreter
// opens a console of its own. A console test program would share its console
// with the interpreter, whose "pause" then reads the test's input and ends at
// once; without one, "pause" really waits for a key.
void DetachFromConsole();

// A helper program of the suite, built beside the running test.
std::string HelperPath(const std::string& strExeName);

// The operator at the script's console, started before the script runs: it
// types a space into the console of the next cmd.exe this process starts.
class COperator
{
public:
    COperator();
    ~COperator();
    COperator(const COperator&) = delete;
    COperator& operator=(const COperator&) = delete;

    // Waits for the operator; 0 when the key went in.
    DWORD Finish();

private:
    CProcessInformation m_process;
};

// The stand-in interpreter set into a job: it records its command line and
// the script's bytes into a folder of its own and ends with the given code.
class CStandin
{
public:
    CStandin(CConfigJob& job, DWORD dwExitCode);

    bool Ran() const;
    std::string CommandLine() const;
    std::string Script() const;
    const std::string& RecordDir() const;

private:
    CTempDir m_record;
    CEnvOverride m_recordEnv;
    CEnvOverride m_exitEnv;
};

// A small tmpfs mounted over a folder of the Wine prefix for a scope, so that
// a test can run out of disk space or of file entries. Mounting needs root;
// IsMounted() is false without it.
class CTmpfsMount
{
public:
    CTmpfsMount(const std::string& strDir, const std::string& strOptions);
    ~CTmpfsMount();
    CTmpfsMount(const CTmpfsMount&) = delete;
    CTmpfsMount& operator=(const CTmpfsMount&) = delete;

    bool IsMounted() const { return m_bMounted; }
    // Takes every free block with a filler file.
    void Fill();

private:
    std::string m_strDir;
    std::string m_strUnixDir;
    bool m_bMounted = false;
};

// The names of the plain files in a folder, sorted.
std::vector<std::string> ListFiles(const std::string& strDir);
