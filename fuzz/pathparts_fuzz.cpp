// Properties of path splitting: the pieces put together give the unquoted
// path back (slashes as backslashes), and the extension test is exactly a
// lowered ".xml".
#include "FuzzInput.h"

#include "support/PathPartsLogic.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    CFuzzInput in(data, size);
    const CLeadBytes lead = in.CodePage();
    const std::string path = in.Rest();
    if (path.size() >= 260)
        return 0;

    const PATH_SPLIT parts = SplitPathParts(path, false, false, lead);
    const std::string unquoted = PathUnquoted(path, lead);
    // Slashes turn into backslashes behind the drive, which stays as written.
    std::string normal = unquoted;
    for (size_t i = parts.strDrive.size(); i < normal.size(); i += MbCharLength(normal, i, lead))
        if (normal[i] == '/')
            normal[i] = '\\';

    FUZZ_CHECK(parts.strDrive.size() <= 2 && parts.strDir.size() <= PATH_PIECE_MAX);
    FUZZ_CHECK(parts.strTitle.size() <= PATH_PIECE_MAX && parts.strExt.size() <= PATH_PIECE_MAX);
    FUZZ_CHECK(parts.strTitle.empty() ? parts.strExt.empty() : true);
    for (size_t i = 0; i < parts.strExt.size(); i += MbCharLength(parts.strExt, i, lead))
        FUZZ_CHECK(parts.strExt[i] != '.');
    FUZZ_CHECK(parts.bRelative == (!parts.strDir.empty() && parts.strDir[0] != '\\'));

    const std::string head = parts.strDrive + parts.strDir;
    FUZZ_CHECK(normal.compare(0, head.size(), head) == 0);
    // A name that neither ends in a dot nor is cut recombines exactly.
    if (!parts.strTitle.empty() && !normal.empty() && normal.back() != '.' && normal.size() < PATH_PIECE_MAX)
    {
        const std::string whole = head + parts.strTitle + (parts.strExt.empty() ? "" : "." + parts.strExt);
        FUZZ_CHECK(whole == normal);
    }

    const std::string ext = parts.strExt.empty() ? std::string() : "." + parts.strExt;
    const std::string lower = MbToLower(ext, lead);
    FUZZ_CHECK(IsXmlExtension(ext, lead) == (lower == ".xml"));
    return 0;
}
