// Narrow-text helpers that understand double-byte ANSI code pages.
// No Windows header: the caller says which bytes are lead bytes.
#pragma once

#include <array>
#include <cstddef>
#include <string>

// The lead bytes of a code page. Default-constructed: a single-byte code page.
class CLeadBytes
{
public:
    CLeadBytes();

    // ranges: pairs of first and last lead byte, ended by a pair of zeros
    // (the form of CPINFO::LeadByte).
    static CLeadBytes FromRanges(const unsigned char* ranges, size_t count);

    bool IsLead(unsigned char b) const { return m_table[b]; }
    bool HasLeadBytes() const { return m_bAny; }

private:
    std::array<bool, 256> m_table;
    bool m_bAny;
};

// Length in bytes of the character that starts at pos: 2 for a lead byte that
// has a byte behind it, else 1.
inline size_t MbCharLength(const std::string& text, size_t pos, const CLeadBytes& lead)
{
    return (lead.IsLead(static_cast<unsigned char>(text[pos])) && pos + 1 < text.size()) ? 2 : 1;
}

// First occurrence of pattern in text at or after from, where from lies on a
// character boundary. A match only begins on a character boundary, never on
// the trail byte of a double-byte character. NUL bytes are ordinary bytes.
// Returns std::string::npos when there is none or pattern is empty.
size_t MbFind(const std::string& text, const std::string& pattern, size_t from, const CLeadBytes& lead);

// Every occurrence of search replaced by replacement: exact, case-sensitive,
// left to right, without overlap, resuming behind each inserted text. An
// empty search changes nothing.
std::string MbReplaceAll(const std::string& text, const std::string& search,
                         const std::string& replacement, const CLeadBytes& lead);

// ASCII letters lowered; the bytes of double-byte characters stay as they are.
std::string MbToLower(const std::string& text, const CLeadBytes& lead);

// Removes every trailing occurrence of the single-byte character ch. A trail
// byte that equals ch is not removed.
std::string MbTrimRight(const std::string& text, char ch, const CLeadBytes& lead);
