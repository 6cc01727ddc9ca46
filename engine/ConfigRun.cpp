#include "engine/ConfigJob.h"

namespace
{
// The dialog always passes its fields' texts; a missing one counts as empty.
const char* TextOrEmpty(const char* psz)
{
    return psz != nullptr ? psz : "";
}
} // namespace

// An error that escapes a step ends the run here and travels on to the
// dialog's command handling; the run adds no line of its own for it.
void CConfigJob::Run(const char* pszShortName, const char* pszFullName, const char* pszIPAddress)
{
    m_strShortName = TextOrEmpty(pszShortName);
    m_strFullName = TextOrEmpty(pszFullName);
    m_strIPAddress = TextOrEmpty(pszIPAddress);

    if (!RunScript())
    {
        Log("Script failed halting configuration", LOG_ERROR);
        return;
    }
    EditFiles();
    EditHostsFile();
}
