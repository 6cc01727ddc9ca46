// Owner of a GDI object (bitmap, brush, pen, font): deletes it when it goes.
#pragma once

#include <windows.h>

#include <utility>

template <class T>
class CGdiObjectT
{
public:
    CGdiObjectT() noexcept = default;
    explicit CGdiObjectT(T h) noexcept : m_h(h) {}
    ~CGdiObjectT() { Reset(); }

    CGdiObjectT(const CGdiObjectT&) = delete;
    CGdiObjectT& operator=(const CGdiObjectT&) = delete;
    CGdiObjectT(CGdiObjectT&& other) noexcept : m_h(other.Release()) {}
    CGdiObjectT& operator=(CGdiObjectT&& other) noexcept
    {
        if (this != &other)
            Reset(other.Release());
        return *this;
    }

    T Get() const noexcept { return m_h; }
    explicit operator bool() const noexcept { return m_h != nullptr; }
    T Release() noexcept { return std::exchange(m_h, nullptr); }
    void Reset(T h = nullptr) noexcept
    {
        if (m_h != nullptr)
            ::DeleteObject(m_h);
        m_h = h;
    }

private:
    T m_h = nullptr;
};

using CBitmapHandle = CGdiObjectT<HBITMAP>;
