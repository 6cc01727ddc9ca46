#include "matrix/MatrixSupport.h"

#include "editors/EditorTestSupport.h"
#include "engine/RunnerSupport.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

namespace
{
const DWORD END_SPAN = 65536;
const unsigned long long HUGE_SIZE = 2147483648ULL;

bool ZeroBytesAt(HANDLE hFile, unsigned long long nOffset)
{
    LARGE_INTEGER at;
    at.QuadPart = static_cast<LONGLONG>(nOffset);
    if (!SetFilePointerEx(hFile, at, nullptr, FILE_BEGIN))
        return false;
    std::vector<char> buffer(END_SPAN, '\x01');
    DWORD nRead = 0;
    if (!ReadFile(hFile, buffer.data(), END_SPAN, &nRead, nullptr) || nRead != END_SPAN)
        return false;
    for (char c : buffer)
    {
        if (c != '\0')
            return false;
    }
    return true;
}

std::string Escaped(const std::string& strBytes)
{
    const size_t nShown = 400;
    std::string strOut = ::testing::PrintToString(strBytes.substr(0, nShown));
    if (strBytes.size() > nShown)
        strOut += "... (" + std::to_string(strBytes.size()) + " bytes)";
    return strOut;
}
} // namespace

CFileLocker::CFileLocker(const std::string& strPath)
{
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    HANDLE hInRead = nullptr;
    HANDLE hInWrite = nullptr;
    HANDLE hOutRead = nullptr;
    HANDLE hOutWrite = nullptr;
    if (!CreatePipe(&hInRead, &hInWrite, &inherit, 0))
        throw std::runtime_error("cannot create the locker's input pipe");
    const CKernelHandle inRead(hInRead);
    m_hToLocker.Reset(hInWrite);
    if (!CreatePipe(&hOutRead, &hOutWrite, &inherit, 0))
        throw std::runtime_error("cannot create the locker's output pipe");
    const CKernelHandle outRead(hOutRead);
    const CKernelHandle outWrite(hOutWrite);
    // Only the locker's own ends go to the locker.
    SetHandleInformation(m_hToLocker.Get(), HANDLE_FLAG_INHERIT, 0);
    SetHandleInformation(outRead.Get(), HANDLE_FLAG_INHERIT, 0);

    const std::string strExe = HelperPath("celvane_locker.exe");
    std::string strCommand = "\"" + strExe + "\" \"" + strPath + "\"";
    std::vector<char> commandLine(strCommand.begin(), strCommand.end());
    commandLine.push_back('\0');
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = inRead.Get();
    startup.hStdOutput = outWrite.Get();
    startup.hStdError = nullptr;
    PROCESS_INFORMATION started = {};
    if (!CreateProcessA(strExe.c_str(), commandLine.data(), nullptr, nullptr, TRUE, DETACHED_PROCESS, nullptr,
                        nullptr, &startup, &started))
        throw std::runtime_error("cannot start " + strExe + ": " + std::to_string(GetLastError()));
    m_process.Take(started);

    // The answer comes once the file is held, or the pipe breaks when the
    // locker ends without one.
    char cAnswer = '\0';
    DWORD nRead = 0;
    if (!ReadFile(outRead.Get(), &cAnswer, 1, &nRead, nullptr) || nRead != 1 || cAnswer != '1')
    {
        Release();
        throw std::runtime_error("the locker could not hold " + strPath);
    }
}

CFileLocker::~CFileLocker()
{
    Release();
}

void CFileLocker::Release()
{
    m_hToLocker.Reset();
    if (m_process.process)
    {
        WaitForSingleObject(m_process.process.Get(), INFINITE);
        m_process.process.Reset();
        m_process.thread.Reset();
    }
}

FILE_STATE FILE_STATE::Bytes(std::string strBytes)
{
    FILE_STATE state;
    state.kind = BYTES;
    state.nSize = strBytes.size();
    state.strBytes = std::move(strBytes);
    return state;
}

FILE_STATE FILE_STATE::Read(const std::string& strPath)
{
    FILE_STATE state;
    WIN32_FILE_ATTRIBUTE_DATA data = {};
    if (!GetFileAttributesExA(strPath.c_str(), GetFileExInfoStandard, &data))
        return state;
    state.bReadOnly = (data.dwFileAttributes & FILE_ATTRIBUTE_READONLY) != 0;
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
    {
        state.kind = DIRECTORY;
        for (const std::string& strName : ListDir(strPath))
            state.strBytes += strName + "\n";
        return state;
    }
    state.nSize = (static_cast<unsigned long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    if (state.nSize < HUGE_SIZE)
    {
        state.kind = BYTES;
        state.strBytes = ReadBytes(strPath);
        return state;
    }
    state.kind = HUGE_FILE;
    state.nWriteTime = (static_cast<unsigned long long>(data.ftLastWriteTime.dwHighDateTime) << 32) |
                       data.ftLastWriteTime.dwLowDateTime;
    DWORD nHigh = 0;
    const DWORD nLow = GetCompressedFileSizeA(strPath.c_str(), &nHigh);
    state.nAllocated = (static_cast<unsigned long long>(nHigh) << 32) | nLow;
    const CFileHandle hFile(CreateFileA(strPath.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    state.bZeroEnds =
        hFile.IsValid() && ZeroBytesAt(hFile.Get(), 0) && ZeroBytesAt(hFile.Get(), state.nSize - END_SPAN);
    return state;
}

bool FILE_STATE::operator==(const FILE_STATE& o) const
{
    return kind == o.kind && strBytes == o.strBytes && bReadOnly == o.bReadOnly && nSize == o.nSize &&
           nAllocated == o.nAllocated && nWriteTime == o.nWriteTime && bZeroEnds == o.bZeroEnds;
}

void PrintTo(const FILE_STATE& state, std::ostream* os)
{
    static const char* const KINDS[] = {"absent", "directory", "file", "huge file"};
    *os << KINDS[state.kind] << (state.bReadOnly ? " (read-only)" : "");
    if (state.kind == FILE_STATE::BYTES || state.kind == FILE_STATE::DIRECTORY)
        *os << " " << Escaped(state.strBytes);
    if (state.kind == FILE_STATE::HUGE_FILE)
        *os << " of " << state.nSize << " bytes, " << state.nAllocated << " on disk, written at " << state.nWriteTime
            << (state.bZeroEnds ? ", zero at both ends" : ", NOT zero at both ends");
}
