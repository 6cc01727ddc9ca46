#include "support/PathPartsLogic.h"

namespace
{
bool IsSeparator(char c)
{
    return c == '\\' || c == '/';
}

// Start of the last character of a non-empty text.
size_t LastCharStart(const std::string& text, const CLeadBytes& lead)
{
    size_t last = 0;
    for (size_t i = 0; i < text.size(); i += MbCharLength(text, i, lead))
        last = i;
    return last;
}

// At most max bytes, never ending inside a double-byte character.
std::string CutTo(const std::string& text, size_t max, const CLeadBytes& lead)
{
    if (text.size() <= max)
        return text;
    size_t end = 0;
    while (end < text.size())
    {
        const size_t next = end + MbCharLength(text, end, lead);
        if (next > max)
            break;
        end = next;
    }
    return text.substr(0, end);
}

std::string SlashesToBackslashes(const std::string& text, const CLeadBytes& lead)
{
    std::string result = text;
    for (size_t i = 0; i < result.size(); i += MbCharLength(result, i, lead))
    {
        if (result[i] == '/')
            result[i] = '\\';
    }
    return result;
}
} // namespace

size_t PathArgsStart(const std::string& path, const CLeadBytes& lead)
{
    bool bInQuotes = false;
    for (size_t i = 0; i < path.size(); i += MbCharLength(path, i, lead))
    {
        if (path[i] == ' ' && !bInQuotes)
            return i + 1;
        if (path[i] == '"')
            bInQuotes = !bInQuotes;
    }
    return path.size();
}

std::string PathWithoutArgs(const std::string& path, const CLeadBytes& lead)
{
    const size_t args = PathArgsStart(path, lead);
    if (args < path.size())
        return path.substr(0, args - 1);
    if (!path.empty())
    {
        const size_t last = LastCharStart(path, lead);
        if (path[last] == ' ')
            return path.substr(0, last);
    }
    return path;
}

std::string PathUnquoted(const std::string& path, const CLeadBytes& lead)
{
    if (path.empty() || path[0] != '"')
        return path;
    const size_t last = LastCharStart(path, lead);
    if (path[last] != '"')
        return path;
    // A lone quote is both the opening and the closing one.
    return last == 0 ? std::string() : path.substr(1, last - 1);
}

std::string PathAddTrailingSeparator(const std::string& text, bool bForwardSlash, const CLeadBytes& lead)
{
    if (text.empty())
        return text;
    const size_t last = LastCharStart(text, lead);
    if (MbCharLength(text, last, lead) == 1 && IsSeparator(text[last]))
        return text;
    return text + (bForwardSlash ? '/' : '\\');
}

PATH_SPLIT SplitPathParts(const std::string& path, bool bDirectory, bool bArguments, const CLeadBytes& lead)
{
    PATH_SPLIT parts;
    std::string work = path;
    if (bArguments)
    {
        parts.strArgs = work.substr(PathArgsStart(work, lead));
        work = PathWithoutArgs(work, lead);
    }
    work = PathUnquoted(work, lead);
    if (work.empty())
        return parts;

    size_t pos = 0;
    if (work.size() >= 2 && !lead.IsLead(static_cast<unsigned char>(work[0])) && work[1] == ':')
    {
        parts.strDrive = work.substr(0, 2);
        pos = 2;
    }

    // The directory ends behind the last separator, the title before the
    // last dot that follows it; trail bytes are never taken for either.
    size_t nameStart = pos;
    size_t lastDot = std::string::npos;
    for (size_t i = pos; i < work.size(); i += MbCharLength(work, i, lead))
    {
        if (IsSeparator(work[i]))
        {
            nameStart = i + 1;
            lastDot = std::string::npos;
        }
        else if (work[i] == '.')
        {
            lastDot = i;
        }
    }
    const size_t nameEnd = lastDot == std::string::npos ? work.size() : lastDot;
    const std::string dir = CutTo(work.substr(pos, nameStart - pos), PATH_PIECE_MAX, lead);
    const std::string name = CutTo(work.substr(nameStart, nameEnd - nameStart), PATH_PIECE_MAX, lead);
    const std::string ext = CutTo(work.substr(nameEnd), PATH_PIECE_MAX, lead);

    parts.strDir = SlashesToBackslashes(dir, lead);
    if (!parts.strDir.empty())
        parts.bRelative = parts.strDir[0] != '\\';
    if (bDirectory)
    {
        parts.strDir = PathAddTrailingSeparator(PathAddTrailingSeparator(parts.strDir, false, lead) + name, false, lead);
    }
    else
    {
        parts.strTitle = name;
    }
    if (!parts.strTitle.empty())
    {
        // Dots are removed character by character: a byte after a lead
        // byte belongs to its character even when it looks like a dot.
        for (size_t i = 0; i < ext.size();)
        {
            const size_t len = MbCharLength(ext, i, lead);
            if (len != 1 || ext[i] != '.')
                parts.strExt.append(ext, i, len);
            i += len;
        }
    }
    return parts;
}

bool IsXmlExtension(const std::string& strExtension, const CLeadBytes& lead)
{
    return MbToLower(strExtension, lead) == ".xml";
}
