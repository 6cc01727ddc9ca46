#include "framework/MbText.h"

#include <cstring>

CLeadBytes::CLeadBytes()
    : m_bAny(false)
{
    m_table.fill(false);
}

CLeadBytes CLeadBytes::FromRanges(const unsigned char* ranges, size_t count)
{
    CLeadBytes result;
    for (size_t i = 0; i + 1 < count; i += 2)
    {
        const unsigned char first = ranges[i];
        const unsigned char last = ranges[i + 1];
        if (first == 0 && last == 0)
            break;
        for (unsigned b = first; b <= last; ++b)
        {
            result.m_table[b] = true;
            result.m_bAny = true;
        }
    }
    return result;
}

size_t MbFind(const std::string& text, const std::string& pattern, size_t from, const CLeadBytes& lead)
{
    const size_t n = text.size();
    const size_t m = pattern.size();
    if (m == 0 || from > n || n - from < m)
        return std::string::npos;

    const char* data = text.data();
    const char first = pattern[0];
    const size_t lastStart = n - m;

    if (!lead.HasLeadBytes())
    {
        // Every byte is a character boundary: let memchr find candidates.
        size_t pos = from;
        while (pos <= lastStart)
        {
            const void* hit = std::memchr(data + pos, first, lastStart - pos + 1);
            if (hit == nullptr)
                return std::string::npos;
            pos = static_cast<size_t>(static_cast<const char*>(hit) - data);
            if (std::memcmp(data + pos, pattern.data(), m) == 0)
                return pos;
            ++pos;
        }
        return std::string::npos;
    }

    size_t pos = from;
    while (pos <= lastStart)
    {
        if (data[pos] == first && std::memcmp(data + pos, pattern.data(), m) == 0)
            return pos;
        pos += MbCharLength(text, pos, lead);
    }
    return std::string::npos;
}

std::string MbReplaceAll(const std::string& text, const std::string& search,
                         const std::string& replacement, const CLeadBytes& lead)
{
    if (search.empty())
        return text;

    size_t hit = MbFind(text, search, 0, lead);
    if (hit == std::string::npos)
        return text;

    // One pass that copies the unchanged stretches and the replacements.
    std::string result;
    result.reserve(text.size());
    size_t done = 0;
    while (hit != std::string::npos)
    {
        result.append(text, done, hit - done);
        result.append(replacement);
        done = hit + search.size();
        hit = MbFind(text, search, done, lead);
    }
    result.append(text, done, std::string::npos);
    return result;
}

std::string MbToLower(const std::string& text, const CLeadBytes& lead)
{
    std::string result = text;
    for (size_t i = 0; i < result.size();)
    {
        const size_t len = MbCharLength(result, i, lead);
        if (len == 1 && result[i] >= 'A' && result[i] <= 'Z')
            result[i] = static_cast<char>(result[i] - 'A' + 'a');
        i += len;
    }
    return result;
}

std::string MbTrimRight(const std::string& text, char ch, const CLeadBytes& lead)
{
    // Walk forward so that trail bytes are recognised; remember where the
    // final run of ch began.
    size_t runStart = std::string::npos;
    for (size_t i = 0; i < text.size();)
    {
        const size_t len = MbCharLength(text, i, lead);
        if (len == 1 && text[i] == ch)
        {
            if (runStart == std::string::npos)
                runStart = i;
        }
        else
        {
            runStart = std::string::npos;
        }
        i += len;
    }
    return runStart == std::string::npos ? text : text.substr(0, runStart);
}
