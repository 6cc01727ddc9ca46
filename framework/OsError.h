// Operating-system error codes as text, for the error box and the log.
#pragma once

#include <string>

// The system's message for code, without its trailing line end; a generic
// text with the number when the system has none.
std::string OsErrorText(unsigned long code);
