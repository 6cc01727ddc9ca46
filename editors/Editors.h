// The per-file steps of the two editors and the rule for memory exhausted
// while a file is processed.
#pragma once

#include "engine/ConfigJob.h"

#include <new>
#include <string>

// "Not enough memory to process file: " followed by the failure's own text.
extern const char* const OUT_OF_MEMORY_LINE;

// Memory ran out after the load had requested the file's buffer: from there
// on the editors give the file up and go on. Before that point a plain
// std::bad_alloc ends the run.
class CFileMemoryException : public std::bad_alloc
{
public:
    const char* what() const noexcept override { return "Out of memory."; }
};

// The open flags of each load mode and of the write-back.
unsigned LoadOpenFlags(LOAD_MODE mode);
extern const unsigned WRITE_BACK_OPEN_FLAGS;

// Files of this size or less are loaded; the text's length is a signed
// 32-bit count.
const unsigned long long MAX_TEXT_FILE_SIZE = 2147483647ULL;

// One edit of the key/value editor on one file, with its log lines; memory
// running out is logged and ends only this edit.
void EditKeyValueFile(CConfigJob& job, const CEditEntry& edit);

// The HOSTS edit on the file at strPath, with its log lines.
void EditHostsFileAt(CConfigJob& job, const std::string& strPath);
