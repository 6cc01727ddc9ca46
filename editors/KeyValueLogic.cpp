#include "editors/KeyValueLogic.h"

#include <algorithm>
#include <new>

namespace
{
bool IsLineEnd(char c)
{
    return c == '\r' || c == '\n';
}

// The first byte behind the value that starts at start. The bytes it stops at
// are all below 0x40, so none of them can be the trail byte of a character.
size_t ValueEnd(const std::string& text, size_t start, bool bXml)
{
    const size_t n = text.size();
    if (bXml && start < n && (text[start] == '"' || text[start] == '\''))
    {
        const char quote = text[start];
        for (size_t i = start + 1; i < n && !IsLineEnd(text[i]); ++i)
        {
            if (text[i] == quote)
                return i + 1;
        }
        // Unclosed on its line: the unquoted rule keeps the damage to one token.
    }
    size_t i = start;
    for (; i < n; ++i)
    {
        const char c = text[i];
        if (IsLineEnd(c))
            break;
        if (bXml && (c == ' ' || c == '>' || (c == '/' && i + 1 < n && text[i + 1] == '>')))
            break;
    }
    return i;
}
} // namespace

KEY_VALUE_MATCHES FindKeyValues(const std::string& text, const std::string& key, bool bXml, const CLeadBytes& lead)
{
    KEY_VALUE_MATCHES matches;
    const size_t n = text.size();
    size_t hit = MbFind(text, key, 0, lead);
    matches.bKeyFound = hit != std::string::npos;
    while (hit != std::string::npos)
    {
        size_t p = hit + key.size();
        while (p < n && text[p] == ' ')
            ++p;
        if (p < n && text[p] == '=')
        {
            size_t start = p + 1;
            if (bXml)
            {
                while (start < n && text[start] == ' ')
                    ++start;
            }
            const size_t end = ValueEnd(text, start, bXml);
            matches.arrValues.push_back({start, end - start});
            p = end;
        }
        hit = MbFind(text, key, p, lead);
    }
    return matches;
}

void ReplaceValues(std::string& text, const std::vector<VALUE_SPAN>& values, const std::string& newValue)
{
    if (values.empty())
        return;

    // The exact size first. The pass can stay inside the text's buffer as
    // long as what it has written never runs ahead of what it has read.
    const size_t nMax = text.max_size();
    size_t total = text.size();
    size_t nOldSoFar = 0;
    size_t nNewSoFar = 0;
    bool bInPlace = true;
    for (const VALUE_SPAN& span : values)
    {
        total -= span.nLength;
        if (nMax - total < newValue.size())
            throw std::bad_alloc();
        total += newValue.size();
        nOldSoFar += span.nLength;
        nNewSoFar += newValue.size();
        bInPlace = bInPlace && nNewSoFar <= nOldSoFar;
    }

    if (bInPlace)
    {
        char* const p = &text[0];
        size_t written = 0;
        size_t done = 0;
        for (const VALUE_SPAN& span : values)
        {
            // Moving to a lower address, so a forward copy is safe.
            if (written != done)
                std::copy(p + done, p + span.nStart, p + written);
            written += span.nStart - done;
            std::copy(newValue.begin(), newValue.end(), p + written);
            written += newValue.size();
            done = span.nStart + span.nLength;
        }
        if (written != done)
            std::copy(p + done, p + text.size(), p + written);
        text.resize(total);
        return;
    }

    std::string result;
    result.reserve(total);
    size_t done = 0;
    for (const VALUE_SPAN& span : values)
    {
        result.append(text, done, span.nStart - done);
        result.append(newValue);
        done = span.nStart + span.nLength;
    }
    result.append(text, done, std::string::npos);
    text.swap(result);
}

std::string ChangedLine(const std::string& text, const VALUE_SPAN& oldValue, const std::string& newValue)
{
    static const char PREFIX[] = "Changed ";
    std::string line;
    line.reserve(sizeof PREFIX - 1 + oldValue.nLength + 2 + newValue.size());
    line.append(PREFIX);
    line.append(text, oldValue.nStart, oldValue.nLength);
    line += "=>";
    line += newValue;
    return line;
}

std::string PropertyNotFoundLine(const std::string& key)
{
    return "Property '" + key + "' not found";
}
