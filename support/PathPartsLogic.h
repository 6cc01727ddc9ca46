// Splitting a file path into drive, directory, title and extension. No
// Windows header: the caller says which bytes are lead bytes, and the shell's
// path helpers are replaced by equivalents that follow their documented rules.
#pragma once

#include "framework/MbText.h"

#include <cstddef>
#include <string>

// Every piece of a split path is cut to this many bytes, the drive to 2.
const size_t PATH_PIECE_MAX = 255;

struct PATH_SPLIT
{
    std::string strDrive; // "D:" or empty
    std::string strDir;   // up to and including the last separator, slashes turned into backslashes
    std::string strTitle; // the name without its extension
    std::string strExt;   // the extension without its dot; empty when the title is
    std::string strArgs;  // the arguments split off; empty unless asked for
    bool bRelative = false;
};

// The whole split. bDirectory takes the name as one more directory level;
// bArguments first splits command-line arguments off the path.
PATH_SPLIT SplitPathParts(const std::string& path, bool bDirectory, bool bArguments, const CLeadBytes& lead);

// Where the arguments begin: behind the first blank that stands outside
// double quotes, or the text's length when there is none.
size_t PathArgsStart(const std::string& path, const CLeadBytes& lead);

// The path without its arguments and the blank before them; without
// arguments, a single trailing blank is removed.
std::string PathWithoutArgs(const std::string& path, const CLeadBytes& lead);

// The path without the double quotes that enclose it as a whole.
std::string PathUnquoted(const std::string& path, const CLeadBytes& lead);

// One separator appended unless text is empty or already ends in one.
std::string PathAddTrailingSeparator(const std::string& text, bool bForwardSlash, const CLeadBytes& lead);

// ".xml" in any case: the files that are edited by the attribute rule.
bool IsXmlExtension(const std::string& strExtension, const CLeadBytes& lead);
