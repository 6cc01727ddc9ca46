// Properties of the multibyte search, replace-all, lowering and trimming.
#include "FuzzInput.h"

#include <vector>

namespace
{
std::vector<bool> Boundaries(const std::string& text, const CLeadBytes& lead)
{
    std::vector<bool> at(text.size() + 1, false);
    for (size_t i = 0; i < text.size(); i += MbCharLength(text, i, lead))
        at[i] = true;
    at[text.size()] = true;
    return at;
}

// The plain definition: the first character boundary at or after from where
// the pattern's bytes stand.
size_t ReferenceFind(const std::string& text, const std::string& pattern, size_t from, const std::vector<bool>& at)
{
    if (pattern.empty())
        return std::string::npos;
    for (size_t i = from; i + pattern.size() <= text.size(); ++i)
        if (at[i] && text.compare(i, pattern.size(), pattern) == 0)
            return i;
    return std::string::npos;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    CFuzzInput in(data, size);
    const CLeadBytes lead = in.CodePage();
    const std::string search = in.Piece();
    const std::string replacement = in.Piece();
    const std::string text = in.Rest();
    const std::vector<bool> at = Boundaries(text, lead);

    // Search agrees with its definition from every boundary.
    size_t count = 0;
    for (size_t from = 0; from <= text.size(); ++from)
    {
        if (!at[from])
            continue;
        FUZZ_CHECK(MbFind(text, search, from, lead) == ReferenceFind(text, search, from, at));
    }
    for (size_t hit = MbFind(text, search, 0, lead); hit != std::string::npos;
         hit = MbFind(text, search, hit + search.size(), lead))
        ++count;

    // Replace-all: each occurrence costs the length difference, nothing else changes.
    const std::string replaced = MbReplaceAll(text, search, replacement, lead);
    FUZZ_CHECK(replaced.size() + count * search.size() == text.size() + count * replacement.size());
    FUZZ_CHECK(MbReplaceAll(text, search, search, lead) == text);
    if (count == 0)
        FUZZ_CHECK(replaced == text);

    // Lowering keeps the length, is idempotent and touches only ASCII capitals.
    const std::string lower = MbToLower(text, lead);
    FUZZ_CHECK(lower.size() == text.size());
    FUZZ_CHECK(MbToLower(lower, lead) == lower);
    for (size_t i = 0; i < text.size(); ++i)
        if (lower[i] != text[i])
            FUZZ_CHECK(at[i] && text[i] >= 'A' && text[i] <= 'Z' && lower[i] == text[i] + ('a' - 'A'));

    // Trimming gives a prefix that no longer ends in the character.
    const std::string trimmed = MbTrimRight(text, '.', lead);
    FUZZ_CHECK(text.compare(0, trimmed.size(), trimmed) == 0);
    FUZZ_CHECK(MbTrimRight(trimmed, '.', lead) == trimmed);
    for (size_t i = trimmed.size(); i < text.size(); ++i)
        FUZZ_CHECK(text[i] == '.');
    return 0;
}
