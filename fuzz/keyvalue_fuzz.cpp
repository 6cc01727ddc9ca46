// Properties of the key/value rule: only values change, line ends never, the
// found spans are what the rule says, and a second edit with the same value
// changes nothing.
#include "FuzzInput.h"

#include "editors/KeyValueLogic.h"

namespace
{
std::string LineEnds(const std::string& text)
{
    std::string ends;
    for (char c : text)
        if (c == '\r' || c == '\n')
            ends += c;
    return ends;
}

bool IsKeyChar(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' || c == '_';
}

// A value that the rule reads back whole: no line end, no key inside, and in
// an XML file one quoted run (a plain one could run on into what follows a
// quoted value it replaced); no lead bytes, so it cannot swallow the byte
// behind it.
bool IsStableValue(const std::string& value, const std::string& key, bool bXml)
{
    if (value.find(key) != std::string::npos)
        return false;
    for (char c : value)
        if (c == '\r' || c == '\n' || static_cast<unsigned char>(c) >= 0x80)
            return false;
    if (!bXml)
        return true;
    if (value.size() < 2 || value.front() != '"' || value.back() != '"')
        return false;
    return value.find('"', 1) == value.size() - 1;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    CFuzzInput in(data, size);
    const CLeadBytes lead = in.CodePage();
    const bool bXml = (in.Byte() & 1) != 0;
    const std::string key = in.Piece();
    const std::string value = in.Piece();
    const std::string text = in.Rest();
    if (key.empty())
        return 0;

    const KEY_VALUE_MATCHES found = FindKeyValues(text, key, bXml, lead);
    FUZZ_CHECK(found.bKeyFound == (MbFind(text, key, 0, lead) != std::string::npos));
    FUZZ_CHECK(found.bKeyFound || found.arrValues.empty());

    size_t previousEnd = 0;
    for (const VALUE_SPAN& span : found.arrValues)
    {
        // In order, apart, inside the text, within one line, behind "=".
        FUZZ_CHECK(span.nStart >= previousEnd && span.nStart + span.nLength <= text.size());
        FUZZ_CHECK(span.nStart > 0);
        FUZZ_CHECK(text.find_first_of("\r\n", span.nStart) >= span.nStart + span.nLength);
        size_t eq = span.nStart - 1;
        while (bXml && text[eq] == ' ')
            --eq;
        FUZZ_CHECK(text[eq] == '=');
        previousEnd = span.nStart + span.nLength;
    }

    std::string result = text;
    ReplaceValues(result, found.arrValues, value);
    if (LineEnds(value).empty())
        FUZZ_CHECK(LineEnds(result) == LineEnds(text));
    // Outside the spans every byte stays: the text before the first span and
    // after the last is the same.
    if (!found.arrValues.empty())
    {
        const VALUE_SPAN& first = found.arrValues.front();
        const VALUE_SPAN& last = found.arrValues.back();
        FUZZ_CHECK(result.compare(0, first.nStart, text, 0, first.nStart) == 0);
        const size_t tail = text.size() - (last.nStart + last.nLength);
        FUZZ_CHECK(result.size() >= tail && result.compare(result.size() - tail, tail, text, text.size() - tail) == 0);
    }
    else
    {
        FUZZ_CHECK(result == text);
    }

    bool bPlainKey = true;
    for (char c : key)
        bPlainKey = bPlainKey && IsKeyChar(c);
    if (bPlainKey && IsStableValue(value, key, bXml))
    {
        const KEY_VALUE_MATCHES again = FindKeyValues(result, key, bXml, lead);
        FUZZ_CHECK(again.arrValues.size() == found.arrValues.size());
        std::string twice = result;
        ReplaceValues(twice, again.arrValues, value);
        FUZZ_CHECK(twice == result);
    }
    return 0;
}
