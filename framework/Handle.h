// Owners for Win32 handles. Each knows the empty value of its kind and closes
// what it holds on every path out of its scope.
#pragma once

#include <windows.h>

#include <utility>

template <HANDLE (*Empty)()>
class CHandleT
{
public:
    CHandleT() noexcept : m_h(Empty()) {}
    explicit CHandleT(HANDLE h) noexcept : m_h(h) {}
    ~CHandleT() { Close(); }

    CHandleT(const CHandleT&) = delete;
    CHandleT& operator=(const CHandleT&) = delete;
    CHandleT(CHandleT&& other) noexcept : m_h(other.Release()) {}
    CHandleT& operator=(CHandleT&& other) noexcept
    {
        if (this != &other)
            Reset(other.Release());
        return *this;
    }

    HANDLE Get() const noexcept { return m_h; }
    bool IsValid() const noexcept { return m_h != Empty(); }
    explicit operator bool() const noexcept { return IsValid(); }

    HANDLE Release() noexcept { return std::exchange(m_h, Empty()); }
    void Reset(HANDLE h = Empty()) noexcept
    {
        Close();
        m_h = h;
    }

    // Closes now and reports whether the system agreed; the owner is empty afterwards.
    bool Close() noexcept
    {
        if (m_h == Empty())
            return true;
        const BOOL ok = CloseHandle(std::exchange(m_h, Empty()));
        return ok != FALSE;
    }

private:
    HANDLE m_h;
};

inline HANDLE InvalidHandleValue() noexcept { return INVALID_HANDLE_VALUE; }
inline HANDLE NullHandleValue() noexcept { return nullptr; }

// Files: empty is INVALID_HANDLE_VALUE.
using CFileHandle = CHandleT<InvalidHandleValue>;
// Processes, threads, events: empty is NULL.
using CKernelHandle = CHandleT<NullHandleValue>;

// Both handles that CreateProcess returns.
struct CProcessInformation
{
    CKernelHandle process;
    CKernelHandle thread;
    DWORD dwProcessId = 0;
    DWORD dwThreadId = 0;

    void Take(const PROCESS_INFORMATION& pi)
    {
        process.Reset(pi.hProcess);
        thread.Reset(pi.hThread);
        dwProcessId = pi.dwProcessId;
        dwThreadId = pi.dwThreadId;
    }
};
