// Properties of the HOSTS rule: the result ends with exactly the host line,
// what stands before the last line is kept, and a second run with the same
// values changes nothing.
#include "FuzzInput.h"

#include "editors/HostsLogic.h"

namespace
{
bool HasLineEnd(const std::string& s)
{
    return s.find_first_of("\r\n") != std::string::npos;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    CFuzzInput in(data, size);
    const std::string ip = in.Piece();
    const std::string shortName = in.Piece();
    const std::string fullName = in.Piece();
    const std::string text = in.Rest();
    if (HasLineEnd(ip) || HasLineEnd(shortName) || HasLineEnd(fullName))
        return 0;

    const std::string hostLine = HostLine(ip, shortName, fullName);
    FUZZ_CHECK(hostLine == ip + "    " + shortName + "    " + fullName + "\r\n");

    std::string edited = text;
    const HOSTS_EDIT edit = EditHostsText(edited, hostLine);
    FUZZ_CHECK(edit.bEmpty == text.empty());
    FUZZ_CHECK(edited.size() >= hostLine.size());
    FUZZ_CHECK(edited.compare(edited.size() - hostLine.size(), hostLine.size(), hostLine) == 0);

    if (edit.bInserted)
    {
        FUZZ_CHECK(edited == text + "\r\n" + hostLine);
    }
    else
    {
        // The kept part is a prefix of the text that ends where a line began.
        const size_t kept = edited.size() - hostLine.size();
        FUZZ_CHECK(kept <= text.size() && text.compare(0, kept, edited, 0, kept) == 0);
        FUZZ_CHECK(kept == 0 || text[kept - 1] == '\r' || text[kept - 1] == '\n');
        FUZZ_CHECK(!HasLineEnd(edit.strOldLine));
        FUZZ_CHECK(text.compare(kept, edit.strOldLine.size(), edit.strOldLine) == 0);
        // Behind the old last line only line ends were dropped.
        for (size_t i = kept + edit.strOldLine.size(); i < text.size(); ++i)
            FUZZ_CHECK(text[i] == '\r' || text[i] == '\n');
    }

    // A host line that is no comment replaces itself.
    if (hostLine[0] != '#' && hostLine.find_first_not_of("\r\n") != std::string::npos)
    {
        std::string again = edited;
        EditHostsText(again, hostLine);
        FUZZ_CHECK(again == edited);
    }
    return 0;
}
