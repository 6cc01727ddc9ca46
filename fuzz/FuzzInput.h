// Splits a fuzzer's byte string into the pieces a target needs.
#pragma once

#include "framework/MbText.h"

#include <cstddef>
#include <cstdint>
#include <string>

class CFuzzInput
{
public:
    CFuzzInput(const uint8_t* data, size_t size) : m_p(data), m_n(size) {}

    uint8_t Byte()
    {
        if (m_n == 0)
            return 0;
        --m_n;
        return *m_p++;
    }

    // A piece whose length is the next byte, at most what is left.
    std::string Piece()
    {
        size_t len = Byte();
        if (len > m_n)
            len = m_n;
        std::string s(reinterpret_cast<const char*>(m_p), len);
        m_p += len;
        m_n -= len;
        return s;
    }

    std::string Rest()
    {
        std::string s(reinterpret_cast<const char*>(m_p), m_n);
        m_p += m_n;
        m_n = 0;
        return s;
    }

    // Either a single-byte code page or Shift-JIS's lead bytes.
    CLeadBytes CodePage()
    {
        if ((Byte() & 1) == 0)
            return CLeadBytes();
        const unsigned char ranges[] = {0x81, 0x9F, 0xE0, 0xFC, 0, 0};
        return CLeadBytes::FromRanges(ranges, sizeof ranges);
    }

private:
    const uint8_t* m_p;
    size_t m_n;
};

// Stops the fuzzer with a finding when a property does not hold.
#define FUZZ_CHECK(cond)                                                                                             \
    do                                                                                                               \
    {                                                                                                                \
        if (!(cond))                                                                                                 \
            __builtin_trap();                                                                                        \
    } while (0)
