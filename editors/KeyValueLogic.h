// The key/value rule of property, batch and XML files. No Windows header: the
// caller says which bytes are lead bytes.
#pragma once

#include "framework/MbText.h"

#include <cstddef>
#include <string>
#include <vector>

// Where one old value stands in the text.
struct VALUE_SPAN
{
    size_t nStart;
    size_t nLength;
};

struct KEY_VALUE_MATCHES
{
    bool bKeyFound = false;             // the key occurs at all, followed by "=" or not
    std::vector<VALUE_SPAN> arrValues;  // the values to replace, in text order
};

// One pass over the whole text, NUL bytes included: the value behind every
// occurrence of key that is followed by blanks, if any, and "=". A value runs
// to the line end; in an XML file it also ends at a blank, ">" or "/>", and a
// quoted value runs to its closing quote on the same line. In an XML file,
// blanks behind "=" stay in front of the value.
KEY_VALUE_MATCHES FindKeyValues(const std::string& text, const std::string& key, bool bXml, const CLeadBytes& lead);

// Every span of text replaced by newValue in one pass: within the text's own
// buffer when no replacement outgrows the values before it, else into a new
// buffer of the exact size that then takes the text's place. Throws
// std::bad_alloc when the result cannot be held in memory; text is unchanged
// then.
void ReplaceValues(std::string& text, const std::vector<VALUE_SPAN>& values, const std::string& newValue);

// The log lines, formed by concatenation so that a value's "%" stays a "%".
std::string ChangedLine(const std::string& text, const VALUE_SPAN& oldValue, const std::string& newValue);
std::string PropertyNotFoundLine(const std::string& key);
